// A list-view control: one message per method.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "ui/framework/wnd.h"

class CListCtrl : public CWnd {
 public:
  DWORD GetExtendedStyle() const {
    return static_cast<DWORD>(::SendMessageW(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  }
  DWORD SetExtendedStyle(DWORD style) {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style)));
  }

  int InsertColumn(int column, LPCWSTR heading, int format = LVCFMT_LEFT, int width = -1) {
    LVCOLUMNW info{};
    info.mask = LVCF_FMT | LVCF_TEXT | (width >= 0 ? LVCF_WIDTH : 0u);
    info.fmt = format;
    info.cx = width;
    info.pszText = const_cast<LPWSTR>(heading);
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info)));
  }

  BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }

  // A row with text only: no state, no image, item data 0. Its index, or -1.
  int InsertItem(int item, LPCWSTR text) {
    LVITEMW info{};
    info.mask = LVIF_TEXT;
    info.iItem = item;
    info.pszText = const_cast<LPWSTR>(text);
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&info)));
  }

  BOOL SetItemText(int item, int subItem, LPCWSTR text) {
    LVITEMW info{};
    info.iSubItem = subItem;
    info.pszText = const_cast<LPWSTR>(text);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
  }

  // TRUE only when the row exists and its check box shows a tick: a missing
  // row, or one without a check box, is not ticked.
  BOOL GetCheck(int item) const {
    const auto state = static_cast<UINT>(
        ::SendMessageW(m_hWnd, LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_STATEIMAGEMASK));
    return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
  }
};
