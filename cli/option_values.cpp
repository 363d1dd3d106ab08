#include "cli/option_values.h"

#include <string_view>

namespace menetkalk::cli {
namespace {

bool IsLongOption(std::string_view word) { return word.size() > 2 && word.starts_with("--"); }

}  // namespace

SeparatedArguments SeparateOptionValues(const std::vector<std::string>& words,
                                        const std::set<std::string, std::less<>>& valueOptions) {
  SeparatedArguments result;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    const auto equals = word.find('=');
    const std::string name = word.substr(0, equals);
    if (!IsLongOption(word) || !valueOptions.contains(name)) {
      result.words.push_back(word);
      continue;
    }
    result.words.push_back(name);
    if (equals != std::string::npos) {
      result.words.push_back(word.substr(equals + 1));
    } else if (i + 1 < words.size() && !IsLongOption(words[i + 1])) {
      result.words.push_back(words[++i]);
    } else {
      result.problem = name + ": value missing";
      return result;
    }
  }
  return result;
}

}  // namespace menetkalk::cli
