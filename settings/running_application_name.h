// The application name of this process, from the running executable's path.
#pragma once

#include <string>

namespace menetkalk {

// Empty when the executable's path cannot be found out.
std::wstring RunningApplicationName();

}  // namespace menetkalk
