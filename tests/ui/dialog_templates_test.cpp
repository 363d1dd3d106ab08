// Both dialog templates, read back from Menetkalk.exe and compared field by
// field with the one table of controls each dialog has.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/ui/built_executable.h"
#include "tests/ui/dialog_template.h"
#include "ui/resource.h"

namespace menetkalk::test {
namespace {

const NameOrOrdinal kButton = Ordinal(0x0080);
const NameOrOrdinal kEdit = Ordinal(0x0081);
const NameOrOrdinal kStatic = Ordinal(0x0082);
const NameOrOrdinal kComboBox = Ordinal(0x0085);
const NameOrOrdinal kListView = Name(L"SysListView32");

constexpr std::uint32_t kStaticId = 0xFFFFFFFF;  // IDC_STATIC as a DWORD

struct ExpectedControl {
  NameOrOrdinal windowClass;
  std::uint32_t id;
  NameOrOrdinal text;
  std::int16_t x, y, cx, cy;
  std::uint32_t style;  // besides WS_CHILD | WS_VISIBLE, which every control has
};

struct ExpectedDialog {
  WORD resourceId;
  std::uint32_t style;
  std::uint32_t exStyle;
  std::int16_t cx, cy;
  std::wstring caption;
  std::vector<ExpectedControl> controls;
};

constexpr std::uint32_t kLabel = SS_LEFT | SS_SUNKEN | WS_GROUP;
constexpr std::uint32_t kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr std::uint32_t kCoordinate = ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr std::uint32_t kArrivalField = ES_LEFT | ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr std::uint32_t kAboutText = SS_LEFT | WS_GROUP;

const ExpectedDialog kPlannerDialog{
    IDD_PLANNER_DIALOG, 0x90C800C8, WS_EX_APPWINDOW, 376, 226, L"Menetkalk",
    {
        {kButton, IDCANCEL, Name(L"Kilep"), 318, 198, 50, 16, BS_PUSHBUTTON | WS_TABSTOP},
        {kStatic, kStaticId, Name(L" Nep"), 6, 6, 30, 12, kLabel},
        {kComboBox, IDC_PEOPLE, None(), 42, 6, 102, 66, kList},
        {kListView, IDC_UNIT_LIST, None(), 6, 36, 138, 180,
         LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_ALIGNLEFT | WS_BORDER | WS_TABSTOP},
        {kStatic, kStaticId, Name(L" Tamado Egysegek"), 6, 22, 138, 12, kLabel},
        {kButton, kStaticId, Name(L"Harc, Tamogatas utszamolo"), 150, 0, 162, 216, BS_GROUPBOX},
        {kStatic, kStaticId, Name(L" Sajat Falud koordinatai"), 156, 12, 150, 12, kLabel},
        {kStatic, kStaticId, Name(L" Celpont Falujanak koordinatai"), 156, 102, 150, 12, kLabel},
        {kEdit, IDC_OWN_X, None(), 156, 26, 42, 12, kCoordinate},
        {kEdit, IDC_OWN_Y, None(), 204, 26, 42, 12, kCoordinate},
        {kEdit, IDC_TARGET_X, None(), 156, 115, 42, 12, kCoordinate},
        {kEdit, IDC_TARGET_Y, None(), 204, 115, 42, 12, kCoordinate},
        {kEdit, IDC_REPORT, None(), 156, 131, 150, 79,
         ES_LEFT | ES_MULTILINE | ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP},
        {kButton, IDC_CALCULATE, Name(L"Szamol"), 318, 6, 50, 16, BS_PUSHBUTTON | WS_TABSTOP},
        {kStatic, kStaticId, Name(L" Faluban levo Gyakorloter Szintje"), 156, 40, 114, 12, kLabel},
        {kComboBox, IDC_TRAINING_LEVEL, None(), 275, 40, 30, 234, kList},
        {kStatic, kStaticId, Name(L" Seregek erkezesenek idopontja a celba"), 156, 60, 150, 12, kLabel},
        {kEdit, IDC_ARRIVAL_HOUR, None(), 156, 75, 24, 12, kArrivalField},
        {kEdit, IDC_ARRIVAL_MINUTE, None(), 184, 75, 24, 12, kArrivalField},
        {kEdit, IDC_ARRIVAL_SECOND, None(), 212, 75, 24, 12, kArrivalField},
        {kComboBox, IDC_ARRIVAL_DAY, None(), 240, 75, 60, 114, kList},
    }};

const ExpectedDialog kAboutBox{
    IDD_ABOUTBOX, 0x80C800C8, 0, 235, 95, L"About Menetkalk",
    {
        {kStatic, kStaticId, Ordinal(IDR_MAINFRAME), 11, 17, 20, 20, SS_ICON},
        {kStatic, kStaticId, Name(L"Menetkalk v1.03"), 40, 10, 119, 8, SS_LEFT | SS_NOPREFIX | WS_GROUP},
        {kStatic, kStaticId, Name(L"A Menetkalk projekt munkaja"), 40, 23, 119, 8, kAboutText},
        {kButton, IDOK, Name(L"OK"), 178, 7, 50, 16, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
        {kStatic, kStaticId, None(), 40, 35, 119, 8, kAboutText},
        {kStatic, kStaticId, Name(L"Kapcsolat: Menetkalk projekt"), 40, 49, 119, 8, kAboutText},
        {kStatic, kStaticId, Name(L"Hibak: Menetkalk hibajegyek"), 40, 62, 119, 8, kAboutText},
        {kStatic, kStaticId, Name(L"Otletek: Menetkalk forum"), 41, 75, 119, 8, kAboutText},
    }};

// Styles read best in hexadecimal when a comparison fails.
std::string Hex(std::uint32_t bits) {
  char text[11];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(bits));
  return text;
}

void ExpectTemplate(const ExpectedDialog& expected) {
  auto bytes = Menetkalk().Resource(RT_DIALOG, expected.resourceId);
  ASSERT_FALSE(bytes.empty()) << "no dialog " << expected.resourceId << " in English (United States)";
  DialogTemplate dialog = ParseDialogTemplate(bytes);

  EXPECT_EQ(dialog.version, 1);
  EXPECT_EQ(dialog.signature, 0xFFFF);
  EXPECT_EQ(dialog.helpId, 0u);
  EXPECT_EQ(Hex(dialog.exStyle), Hex(expected.exStyle));
  EXPECT_EQ(Hex(dialog.style), Hex(expected.style));
  EXPECT_EQ(dialog.x, 0);
  EXPECT_EQ(dialog.y, 0);
  EXPECT_EQ(dialog.cx, expected.cx);
  EXPECT_EQ(dialog.cy, expected.cy);
  EXPECT_EQ(dialog.menu, None());
  EXPECT_EQ(dialog.windowClass, None());
  EXPECT_EQ(dialog.caption, expected.caption);
  EXPECT_EQ(dialog.pointSize, 8);
  EXPECT_EQ(dialog.weight, 0);
  EXPECT_EQ(dialog.italic, 0);
  EXPECT_EQ(dialog.charset, DEFAULT_CHARSET);
  EXPECT_EQ(dialog.typeface, L"MS Shell Dlg");
  EXPECT_EQ(dialog.trailingBytes, 0u);

  ASSERT_EQ(dialog.itemCount, expected.controls.size());
  for (std::size_t i = 0; i < expected.controls.size(); ++i) {
    SCOPED_TRACE("control #" + std::to_string(i + 1));
    const DialogItem& item = dialog.items[i];
    const ExpectedControl& want = expected.controls[i];
    EXPECT_EQ(item.windowClass, want.windowClass);
    EXPECT_EQ(item.id, want.id);
    EXPECT_EQ(item.title, want.text);
    EXPECT_EQ(item.x, want.x);
    EXPECT_EQ(item.y, want.y);
    EXPECT_EQ(item.cx, want.cx);
    EXPECT_EQ(item.cy, want.cy);
    EXPECT_EQ(Hex(item.style), Hex(WS_CHILD | WS_VISIBLE | want.style));
    EXPECT_EQ(Hex(item.exStyle), Hex(0));
    EXPECT_EQ(item.helpId, 0u);
    EXPECT_EQ(item.creationDataSize, 0);
  }
}

TEST(DialogTemplates, MainDialogIsAsDesigned) { ExpectTemplate(kPlannerDialog); }

TEST(DialogTemplates, AboutBoxIsAsDesigned) { ExpectTemplate(kAboutBox); }

}  // namespace
}  // namespace menetkalk::test
