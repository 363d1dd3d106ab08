// The command line of menetkalk-cli: what the call asks for.
#pragma once

#include <string>

#include "core/calculate.h"

namespace menetkalk::cli {

struct CommandLine {
  enum class Action { kCalculate, kShowUsage, kRefuse };
  Action action = Action::kRefuse;
  MarchRequest request;  // for kCalculate
  bool crlf = false;     // report lines end in "\r\n" as in the dialog's report field
  std::string text;      // the usage for kShowUsage, the one-line problem for kRefuse
};

CommandLine ParseCommandLine(int argc, const char* const* argv);

}  // namespace menetkalk::cli
