#include "cli/console_output.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace menetkalk::cli {

void UseBinaryStandardStreams() {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
}

std::string WithLineFeeds(std::string_view crlfText) {
  std::string text;
  text.reserve(crlfText.size());
  for (std::size_t i = 0; i < crlfText.size(); ++i) {
    if (crlfText[i] == '\r' && i + 1 < crlfText.size() && crlfText[i + 1] == '\n') continue;
    text += crlfText[i];
  }
  return text;
}

}  // namespace menetkalk::cli
