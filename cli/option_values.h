// Brings "--name=value" and "--name value" to one form before the argument
// library sees them. It takes the word after a value option whatever it looks
// like, which lets "--own -500,-500" through, but it would also read
// "--units= --own 1,2" as units "--own"; here "--units=" is the empty list and
// a value option followed by another option or by nothing lacks its value.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace menetkalk::cli {

struct SeparatedArguments {
  std::vector<std::string> words;  // each value option followed by its value
  std::string problem;             // one line, when a value is missing
};

SeparatedArguments SeparateOptionValues(const std::vector<std::string>& words,
                                        const std::set<std::string, std::less<>>& valueOptions);

}  // namespace menetkalk::cli
