// Keys and clicks as a user makes them. Posted to the window with the focus, they pass
// through the program's own modal loop, where the dialog manager turns Enter
// and Esc into commands exactly as it does for the real keyboard.
#pragma once

#include <windows.h>

namespace e2e {

// Key down and up, posted to the window that has the focus in that thread.
bool PressKey(DWORD threadId, WORD virtualKey);
// Alt held with the key (WM_SYSKEYDOWN), as for Alt+F4 or Alt+Space.
bool PressAltKey(DWORD threadId, WORD virtualKey);
// One typed character, as the keyboard's translation delivers it.
bool TypeChar(DWORD threadId, wchar_t character);

// Selects characters start to end of an edit field, as dragging over them
// would; end -1 selects to the end.
bool SelectFieldText(HWND field, int start, int end);

// A left click at a point of the window's client area, posted as the mouse
// buttons' own messages (default: near the top left corner, which every
// control of the dialog takes).
void ClickAt(HWND window, int x = 3, int y = 3);

}  // namespace e2e
