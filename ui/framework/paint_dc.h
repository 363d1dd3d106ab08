// BeginPaint for the life of the object, EndPaint when it goes.
#pragma once

#include <windows.h>

class CPaintDC {
 public:
  explicit CPaintDC(HWND window) : m_hWnd(window), m_hDC(::BeginPaint(window, &m_ps)) {}
  ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
  HDC GetSafeHdc() const { return m_hDC; }

 private:
  HWND m_hWnd;

 public:
  PAINTSTRUCT m_ps{};  // declared before m_hDC: BeginPaint fills it
  HDC m_hDC;
};
