// The unit list of another process. List-view messages that carry a pointer
// need it in the list's own process, so those go through a buffer there.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

int ListRowCount(HWND list);
std::wstring ListItemText(HWND list, int row, int column);
bool IsRowChecked(HWND list, int row);
bool IsRowSelected(HWND list, int row);
// Sets the tick as the check box would (LVM_SETITEMSTATE).
bool SetRowChecked(HWND list, int row, bool checked);
// Clicks the row's check box with the mouse buttons' own messages; false if
// no point of the row hits the check box.
bool ClickRowCheckBox(HWND list, int row);

}  // namespace e2e
