#include "ui/planner_dlg.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/calculate.h"
#include "core/catalogue.h"
#include "settings/last_battle_settings.h"
#include "ui/about_dlg.h"
#include "ui/arrival_field.h"
#include "ui/ascii_text.h"
#include "ui/framework/afx_string.h"
#include "ui/framework/message_box.h"
#include "ui/framework/paint_dc.h"
#include "ui/minimised_icon.h"
#include "ui/planner_app.h"
#include "ui/resource.h"
#include "ui/stored_selection.h"

namespace {

constexpr int kTrainingLevelCount = 21;  // levels 0 to 20
constexpr int kCoordinateBufferSize = 90;

}  // namespace

constinit const MessageMapEntry CPlannerDlg::messageEntries[] = {
    OnMessage<WM_SYSCOMMAND, &CPlannerDlg::OnSysCommand>(),
    OnMessage<WM_PAINT, &CPlannerDlg::OnPaint>(),
    OnMessage<WM_QUERYDRAGICON, &CPlannerDlg::OnQueryDragIcon>(),
    OnCommand<&CPlannerDlg::OnPeopleChanged>(CBN_SELCHANGE, IDC_PEOPLE),
    OnCommand<&CPlannerDlg::OnExit>(BN_CLICKED, IDCANCEL),
    OnCommand<&CPlannerDlg::OnCalculate>(BN_CLICKED, IDOK),
    OnCommand<&CPlannerDlg::OnCalculate>(BN_CLICKED, IDC_CALCULATE),
};
constinit const MessageMap CPlannerDlg::messageMap{&CDialog::messageMap, messageEntries};

const MessageMap* CPlannerDlg::GetMessageMap() const { return &messageMap; }

CPlannerDlg::CPlannerDlg(CWnd* parent)
    : CDialog(IDD_PLANNER_DIALOG, parent),
      m_hIcon(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

void CPlannerDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PEOPLE, m_peopleCombo);
  DDX_Control(pDX, IDC_UNIT_LIST, m_unitList);
  DDX_Control(pDX, IDC_TRAINING_LEVEL, m_trainingLevelCombo);
  DDX_Control(pDX, IDC_ARRIVAL_DAY, m_arrivalDayCombo);
}

BOOL CPlannerDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  AddAboutToSystemMenu();
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);

  // Check boxes before any row exists, so every row gets one.
  m_unitList.SetExtendedStyle(m_unitList.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES |
                              LVS_EX_GRIDLINES);
  m_unitList.InsertColumn(0, L"", LVCFMT_LEFT, 30);
  m_unitList.InsertColumn(1, L"Egyseg Neve", LVCFMT_LEFT, 150);

  for (std::string_view name : menetkalk::PeopleNames) m_peopleCombo.AddString(menetkalk::WidenAscii(name).c_str());
  for (int level = 0; level < kTrainingLevelCount; ++level) {
    CString text;
    text.Format(L"%d", level);
    m_trainingLevelCombo.AddString(text);
  }
  for (std::string_view name : menetkalk::WeekdayNames) {
    m_arrivalDayCombo.AddString(menetkalk::WidenAscii(name).c_str());
  }

  ShowLastBattle();
  RefillUnitList();
  return TRUE;  // the dialog manager focuses the first tab stop, "Kilep"
}

void CPlannerDlg::AddAboutToSystemMenu() {
  CMenu sysMenu = GetSystemMenu(FALSE);
  if (sysMenu.GetSafeHmenu() == nullptr) return;
  CString aboutText;
  aboutText.LoadString(AfxFindStringResourceHandle(IDS_ABOUTBOX), IDS_ABOUTBOX);
  if (aboutText.IsEmpty()) return;
  sysMenu.AppendMenu(MF_SEPARATOR);
  sysMenu.AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutText);
}

namespace {

using menetkalk::LastBattleSettings;

// Which control holds each remembered value: the edit fields by id (signed
// integers), the lists by their selected index.
struct EditBinding {
  std::int32_t LastBattleSettings::*field;
  int id;
};
constexpr EditBinding kEditBindings[] = {
    {&LastBattleSettings::ownX, IDC_OWN_X},
    {&LastBattleSettings::ownY, IDC_OWN_Y},
    {&LastBattleSettings::targetX, IDC_TARGET_X},
    {&LastBattleSettings::targetY, IDC_TARGET_Y},
    {&LastBattleSettings::arrivalHour, IDC_ARRIVAL_HOUR},
    {&LastBattleSettings::arrivalMinute, IDC_ARRIVAL_MINUTE},
    {&LastBattleSettings::arrivalSecond, IDC_ARRIVAL_SECOND},
};

}  // namespace

struct CPlannerDlg::ListBinding {
  std::int32_t LastBattleSettings::*field;
  CComboBox CPlannerDlg::*combo;
  int entryCount;
};

const CPlannerDlg::ListBinding CPlannerDlg::kListBindings[] = {
    {&LastBattleSettings::people, &CPlannerDlg::m_peopleCombo, menetkalk::kPeopleCount},
    {&LastBattleSettings::arrivalDay, &CPlannerDlg::m_arrivalDayCombo, menetkalk::kWeekdayCount},
    {&LastBattleSettings::trainingLevel, &CPlannerDlg::m_trainingLevelCombo, kTrainingLevelCount},
};

void CPlannerDlg::ShowLastBattle() {
  const LastBattleSettings last = menetkalk::LoadLastBattle(theApp);
  for (const EditBinding& b : kEditBindings) SetDlgItemInt(b.id, static_cast<UINT>(last.*b.field));
  for (const ListBinding& b : kListBindings) {
    (this->*b.combo).SetCurSel(menetkalk::StoredSelection(last.*b.field, b.entryCount));
  }
}

LastBattleSettings CPlannerDlg::TakeLastBattle() const {
  LastBattleSettings last;
  for (const EditBinding& b : kEditBindings) last.*b.field = static_cast<std::int32_t>(GetDlgItemInt(b.id));
  for (const ListBinding& b : kListBindings) last.*b.field = (this->*b.combo).GetCurSel();
  return last;
}

void CPlannerDlg::RefillUnitList() {
  const int people = m_peopleCombo.GetCurSel();
  m_unitList.DeleteAllItems();
  // A people without an entry has no units: the list stays empty.
  if (!menetkalk::IsValidPeople(people)) return;
  for (int row = 0; row < menetkalk::kUnitsPerPeople; ++row) {
    const std::optional<menetkalk::UnitSpec> unit = menetkalk::FindUnit(people, row);
    m_unitList.InsertItem(row, L"");
    m_unitList.SetItemText(row, 1, unit ? menetkalk::WidenAscii(unit->name).c_str() : L"");
  }
}

void CPlannerDlg::OnPeopleChanged() { RefillUnitList(); }

void CPlannerDlg::OnExit() { EndDialog(-1); }

namespace {

std::string CoordinateText(const CWnd& dialog, int id) {
  std::array<wchar_t, kCoordinateBufferSize> buffer{};
  const int length = dialog.GetDlgItemText(id, buffer.data(), static_cast<int>(buffer.size()));
  return menetkalk::NarrowToAscii(std::wstring_view(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0)));
}

std::int32_t ArrivalField(const CWnd& dialog, int id) {
  BOOL translated = FALSE;
  const auto value = static_cast<std::int32_t>(dialog.GetDlgItemInt(id, &translated, TRUE));
  // The whole text, however long: its digits decide between 0 and out of range.
  const HWND field = ::GetDlgItem(dialog.m_hWnd, id);
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(field)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
  return menetkalk::ArrivalFieldValue(translated ? std::optional<std::int32_t>(value) : std::nullopt, text);
}

}  // namespace

void CPlannerDlg::OnCalculate() {
  menetkalk::MarchRequest request;
  request.people = m_peopleCombo.GetCurSel();
  for (int row = 0; row < menetkalk::kUnitsPerPeople; ++row) {
    request.ticked[static_cast<std::size_t>(row)] = m_unitList.GetCheck(row) != 0;
  }
  request.ownXText = CoordinateText(*this, IDC_OWN_X);
  request.ownYText = CoordinateText(*this, IDC_OWN_Y);
  request.targetXText = CoordinateText(*this, IDC_TARGET_X);
  request.targetYText = CoordinateText(*this, IDC_TARGET_Y);
  request.trainingLevel = m_trainingLevelCombo.GetCurSel();
  request.arrivalHour = ArrivalField(*this, IDC_ARRIVAL_HOUR);
  request.arrivalMinute = ArrivalField(*this, IDC_ARRIVAL_MINUTE);
  request.arrivalSecond = ArrivalField(*this, IDC_ARRIVAL_SECOND);
  request.arrivalDay = m_arrivalDayCombo.GetCurSel();

  const menetkalk::CalculateOutcome outcome = menetkalk::RunCalculate(request);
  if (!outcome.saveInputs) {
    AfxMessageBox(menetkalk::WidenAscii(outcome.message).c_str(), MB_OK);
    return;
  }

  menetkalk::SaveLastBattle(theApp, TakeLastBattle());
  SetDlgItemText(IDC_REPORT, menetkalk::WidenAscii(outcome.report).c_str());
}

void CPlannerDlg::OnSysCommand(UINT nID, LPARAM) {
  if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
    CAboutDlg about;
    about.DoModal();
  } else {
    Default();
  }
}

void CPlannerDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(m_hWnd);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  const int cxIcon = ::GetSystemMetrics(SM_CXICON);
  const int cyIcon = ::GetSystemMetrics(SM_CYICON);
  RECT rect{};
  GetClientRect(&rect);
  const int x = MinimisedIconOffset(rect.right - rect.left, cxIcon);
  const int y = MinimisedIconOffset(rect.bottom - rect.top, cyIcon);
  dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CPlannerDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }
