// A wide string that can be loaded from the string table and formatted.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <cwchar>
#include <string>

class CString {
 public:
  CString() = default;
  CString(const wchar_t* text) : m_text(text != nullptr ? text : L"") {}  // NOLINT: implicit like a literal
  explicit CString(std::wstring text) : m_text(std::move(text)) {}

  // False, and the string empty, when the resource is missing or empty.
  BOOL LoadString(HINSTANCE module, UINT id) {
    // With a zero buffer size LoadStringW hands out the resource's own
    // read-only text, which is not terminated: its length comes back.
    const wchar_t* resource = nullptr;
    const int length = ::LoadStringW(module, id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || resource == nullptr) {
      m_text.clear();
      return FALSE;
    }
    m_text.assign(resource, static_cast<std::size_t>(length));
    return TRUE;
  }

  void Format(const wchar_t* format, ...) {
    wchar_t buffer[256];
    va_list args;
    va_start(args, format);
    const int length = std::vswprintf(buffer, std::size(buffer), format, args);
    va_end(args);
    m_text.assign(length > 0 ? buffer : L"");
  }

  bool IsEmpty() const { return m_text.empty(); }
  int GetLength() const { return static_cast<int>(m_text.size()); }
  operator const wchar_t*() const { return m_text.c_str(); }  // NOLINT: used where Win32 wants text
  const std::wstring& str() const { return m_text; }

 private:
  std::wstring m_text;
};
