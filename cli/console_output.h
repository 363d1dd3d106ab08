// What menetkalk-cli writes, byte for byte on every platform.
#pragma once

#include <string>
#include <string_view>

namespace menetkalk::cli {

// Windows' C runtime would turn each "\n" into "\r\n" on its way out.
void UseBinaryStandardStreams();

// The report as the dialog gets it, with "\r\n" line ends, turned into "\n" ones.
std::string WithLineFeeds(std::string_view crlfText);

}  // namespace menetkalk::cli
