// Where this build put the files the driver needs, as Windows paths.
#pragma once

#include <string>

namespace e2e {

std::wstring BuiltProgramPath();
std::wstring SystemMenuHookPath();

}  // namespace e2e
