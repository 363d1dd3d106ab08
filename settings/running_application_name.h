// The application name of this process, from the running executable's path.
#pragma once

#include <string>

namespace menetkalk {

// The running executable's full path; empty when it cannot be found out.
std::wstring RunningExecutablePath();

// Empty when the executable's path cannot be found out.
std::wstring RunningApplicationName();

}  // namespace menetkalk
