// Message maps: each class lists, in order, which message (and for
// WM_COMMAND which notification from which control) goes to which of its
// handlers, and names the map of its base class for everything else.
#pragma once

#include <windows.h>

#include <span>
#include <type_traits>

class CCmdTarget;

struct MessageMapEntry {
  UINT message = 0;
  WORD code = 0;  // WM_COMMAND only: the notification code
  WORD id = 0;    // WM_COMMAND only: the control or command id
  LRESULT (*invoke)(CCmdTarget& target, WPARAM wParam, LPARAM lParam) = nullptr;
};

struct MessageMap {
  const MessageMap* base = nullptr;
  std::span<const MessageMapEntry> entries;
};

// The first entry for the message along the map and its bases, or null.
const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, WPARAM wParam);

namespace afx_detail {

template <class Member>
struct HandlerClass;
template <class C, class R, class... A>
struct HandlerClass<R (C::*)(A...)> {
  using type = C;
};

template <class R>
LRESULT ToResult(R value) {
  if constexpr (std::is_pointer_v<R>) {
    return reinterpret_cast<LRESULT>(value);
  } else {
    return static_cast<LRESULT>(value);
  }
}

// Calls the handler with what it takes of the message: nothing, the pair
// (UINT wParam, lParam), or lParam as a pointer.
template <auto Handler>
LRESULT Invoke(CCmdTarget& target, WPARAM wParam, LPARAM lParam) {
  using C = typename HandlerClass<decltype(Handler)>::type;
  C& object = static_cast<C&>(target);
  if constexpr (std::is_invocable_v<decltype(Handler), C&>) {
    using R = std::invoke_result_t<decltype(Handler), C&>;
    if constexpr (std::is_void_v<R>) {
      (object.*Handler)();
      return 0;
    } else {
      return ToResult((object.*Handler)());
    }
  } else if constexpr (std::is_invocable_v<decltype(Handler), C&, UINT, LPARAM>) {
    (object.*Handler)(static_cast<UINT>(wParam), lParam);
    return 0;
  } else {
    return ToResult((object.*Handler)(reinterpret_cast<HELPINFO*>(lParam)));
  }
}

}  // namespace afx_detail

// A window message, whatever its parameters.
template <UINT Message, auto Handler>
constexpr MessageMapEntry OnMessage() {
  return {Message, 0, 0, &afx_detail::Invoke<Handler>};
}

// A WM_COMMAND with this notification code from this control or command id.
template <auto Handler>
constexpr MessageMapEntry OnCommand(WORD code, WORD id) {
  return {WM_COMMAND, code, id, &afx_detail::Invoke<Handler>};
}
