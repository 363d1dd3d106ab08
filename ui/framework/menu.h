// A menu by handle; the program only appends to its window's system menu.
#pragma once

#include <windows.h>

class CMenu {
 public:
  CMenu() = default;
  explicit CMenu(HMENU menu) : m_hMenu(menu) {}

  HMENU GetSafeHmenu() const { return m_hMenu; }

  BOOL AppendMenu(UINT flags, UINT_PTR idNewItem = 0, LPCWSTR newItem = nullptr) {
    return ::AppendMenuW(m_hMenu, flags, idNewItem, newItem);
  }

  HMENU m_hMenu = nullptr;
};
