// Reading another process's windows as the user sees them. Every read is a
// bounded message: a hung program fails the test instead of stopping it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "tests/e2e/app_session.h"

namespace e2e {

std::wstring ClassName(HWND window);
// The text the control holds now (WM_GETTEXT), not a cached caption.
std::wstring WindowText(HWND window);
LONG_PTR Style(HWND window);

int ComboSelection(HWND combo);
int ComboCount(HWND combo);
std::wstring ComboItem(HWND combo, int index);
bool ComboIsDropped(HWND combo);
// The text of the selected entry, empty without a selection.
std::wstring ComboSelectedText(HWND combo);

// The window holding the keyboard focus in that thread's input queue.
HWND FocusedWindow(DWORD threadId);

// Polls until done() holds or timeoutMs passes; returns the last done().
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kWaitMs);

std::wstring Widen(const std::string& ascii);
std::string Narrow(const std::wstring& ascii);

}  // namespace e2e
