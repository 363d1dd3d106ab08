// Identifiers shared by the resource script and the code. Plain #defines,
// because the resource compiler reads this file too. IDOK (1) and IDCANCEL
// (2) are Windows' own and are used as they are.
#ifndef MENETKALK_UI_RESOURCE_H
#define MENETKALK_UI_RESOURCE_H

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_PLANNER_DIALOG 102
#define IDR_MAINFRAME 128

// A system-menu command, not a resource: its low four bits must stay zero,
// since system commands are compared masked with 0xFFF0.
#define IDM_ABOUTBOX 0x0010

// Beside IDOK and IDCANCEL, not among the control ids of the 1000s.
#define IDC_CALCULATE 3

#define IDC_PEOPLE 1000
#define IDC_UNIT_LIST 1001
#define IDC_OWN_X 1002
#define IDC_OWN_Y 1003
#define IDC_TARGET_X 1004
#define IDC_TARGET_Y 1005
#define IDC_REPORT 1006
#define IDC_TRAINING_LEVEL 1007
#define IDC_ARRIVAL_HOUR 1008
#define IDC_ARRIVAL_MINUTE 1009
#define IDC_ARRIVAL_SECOND 1010
#define IDC_ARRIVAL_DAY 1011

// Labels, the group box and the About box's icon and texts.
#define IDC_STATIC (-1)

#endif
