// The main dialog: the calculator's only window. Its controls hold the
// inputs; each command reads them when it runs.
#pragma once

#include <windows.h>

#include "ui/framework/combo_box.h"
#include "ui/framework/dialog.h"
#include "ui/framework/list_ctrl.h"
#include "settings/last_battle_settings.h"

class CPlannerDlg : public CDialog {
 public:
  explicit CPlannerDlg(CWnd* parent = nullptr);
  ~CPlannerDlg() override = default;

  BOOL OnInitDialog() override;

 protected:
  const MessageMap* GetMessageMap() const override;
  void DoDataExchange(CDataExchange* pDX) override;
  static const MessageMap messageMap;

  void OnSysCommand(UINT nID, LPARAM lParam);
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnPeopleChanged();
  void OnExit();
  void OnCalculate();

  void RefillUnitList();

 private:
  void AddAboutToSystemMenu();
  void ShowLastBattle();
  menetkalk::LastBattleSettings TakeLastBattle() const;

  static const MessageMapEntry messageEntries[];
  struct ListBinding;
  static const ListBinding kListBindings[];

  HICON m_hIcon;
  CListCtrl m_unitList;
  CComboBox m_peopleCombo;
  CComboBox m_trainingLevelCombo;
  CComboBox m_arrivalDayCombo;
};
