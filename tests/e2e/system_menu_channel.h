// What the driver and the hook inside the calculator agree on.
#pragma once

#include <cstddef>

namespace e2e {

inline constexpr wchar_t kReadSystemMenuMessage[] = L"Menetkalk.e2e.ReadSystemMenu";
inline constexpr wchar_t kSystemMenuBlockName[] = L"Local\\Menetkalk.e2e.SystemMenu";
inline constexpr std::size_t kSystemMenuBlockBytes = 8192;

}  // namespace e2e
