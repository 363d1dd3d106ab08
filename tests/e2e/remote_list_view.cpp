#include "tests/e2e/remote_list_view.h"

#include <commctrl.h>

#include <cstddef>

#include "tests/e2e/app_session.h"
#include "tests/e2e/user_input.h"

namespace e2e {
namespace {

// A block of memory inside the process that owns a window.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, std::size_t size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool Valid() const { return address_ != nullptr; }
  char* At(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
  LPARAM Param(std::size_t offset = 0) const { return reinterpret_cast<LPARAM>(At(offset)); }
  bool Write(std::size_t offset, const void* data, std::size_t size) const {
    return offset + size <= size_ && WriteProcessMemory(process_, At(offset), data, size, nullptr);
  }
  bool Read(std::size_t offset, void* data, std::size_t size) const {
    return offset + size <= size_ && ReadProcessMemory(process_, At(offset), data, size, nullptr);
  }

 private:
  std::size_t size_;
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kWaitMs, &result)) return -1;
  return static_cast<LRESULT>(result);
}

constexpr int kTextChars = 260;

}  // namespace

int ListRowCount(HWND list) { return static_cast<int>(Ask(list, LVM_GETITEMCOUNT, 0, 0)); }

std::wstring ListItemText(HWND list, int row, int column) {
  const std::size_t textOffset = sizeof(LVITEMW);
  RemoteBuffer buffer(list, textOffset + kTextChars * sizeof(wchar_t));
  if (!buffer.Valid()) return L"<no remote buffer>";
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<LPWSTR>(buffer.At(textOffset));
  item.cchTextMax = kTextChars;
  buffer.Write(0, &item, sizeof item);
  const LRESULT length = Ask(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), buffer.Param());
  if (length < 0) return L"<no answer>";
  wchar_t text[kTextChars] = {};
  buffer.Read(textOffset, text, sizeof text);
  text[kTextChars - 1] = L'\0';
  return text;
}

bool IsRowChecked(HWND list, int row) {
  const LRESULT state = Ask(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
  return state >= 0 && ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

bool IsRowSelected(HWND list, int row) {
  const LRESULT state = Ask(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED);
  return state > 0 && (state & LVIS_SELECTED) != 0;
}

bool SetRowChecked(HWND list, int row, bool checked) {
  RemoteBuffer buffer(list, sizeof(LVITEMW));
  if (!buffer.Valid()) return false;
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
  buffer.Write(0, &item, sizeof item);
  return Ask(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), buffer.Param()) == TRUE;
}

bool ClickRowCheckBox(HWND list, int row) {
  RemoteBuffer buffer(list, sizeof(LVHITTESTINFO) + sizeof(RECT));
  if (!buffer.Valid()) return false;
  const std::size_t rectOffset = sizeof(LVHITTESTINFO);
  RECT bounds{};
  bounds.left = LVIR_BOUNDS;
  buffer.Write(rectOffset, &bounds, sizeof bounds);
  if (Ask(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), buffer.Param(rectOffset)) != TRUE) return false;
  buffer.Read(rectOffset, &bounds, sizeof bounds);
  const int y = (bounds.top + bounds.bottom) / 2;
  // The check box sits at the row's left end; find it by asking the list.
  for (int x = bounds.left; x < bounds.left + 40; ++x) {
    LVHITTESTINFO hit{};
    hit.pt = {x, y};
    buffer.Write(0, &hit, sizeof hit);
    if (Ask(list, LVM_HITTEST, 0, buffer.Param()) != row) continue;
    buffer.Read(0, &hit, sizeof hit);
    if (!(hit.flags & LVHT_ONITEMSTATEICON)) continue;
    ClickAt(list, x + 5, y);  // inside the box, off its edge
    return true;
  }
  return false;
}

}  // namespace e2e
