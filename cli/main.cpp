// menetkalk-cli: the calculate command from a terminal or a script.
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/command_line.h"
#include "cli/console_output.h"
#include "core/calculate.h"

namespace {

constexpr int kReported = 0;
constexpr int kCheckFailed = 1;
constexpr int kUsageError = 2;
// A report that never arrived must not pass for one.
constexpr int kOutputFailed = 3;

bool Write(std::FILE* stream, std::string_view text) {
  const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
  return std::fflush(stream) == 0 && written;
}

int Deliver(std::string_view text, int status) {
  if (Write(stdout, text)) return status;
  Write(stderr, "menetkalk-cli: cannot write to standard output\n");
  return kOutputFailed;
}

}  // namespace

int main(int argc, char** argv) {
  using menetkalk::cli::CommandLine;
  menetkalk::cli::UseBinaryStandardStreams();

  const CommandLine line = menetkalk::cli::ParseCommandLine(argc, argv);
  switch (line.action) {
    case CommandLine::Action::kShowUsage:
      return Deliver(line.text, kReported);
    case CommandLine::Action::kRefuse:
      Write(stderr, "menetkalk-cli: " + line.text + "\n");
      return kUsageError;
    case CommandLine::Action::kCalculate:
      break;
  }

  const menetkalk::CalculateOutcome outcome = menetkalk::RunCalculate(line.request);
  if (!outcome.message.empty()) {
    Write(stderr, outcome.message + "\n");
    return kCheckFailed;
  }
  return Deliver(line.crlf ? outcome.report : menetkalk::cli::WithLineFeeds(outcome.report), kReported);
}
