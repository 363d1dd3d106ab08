#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include <array>
#include <set>
#include <vector>

#include "cli/catalogue_lookup.h"
#include "cli/march_arguments.h"
#include "cli/option_values.h"

namespace menetkalk::cli {
namespace {

struct ValueOption {
  const char* name;
  std::string MarchArguments::*value;
  const char* typeName;
  const char* description;
  bool required;
};

const std::array<ValueOption, 7> kValueOptions = {{
    {"--people", &MarchArguments::people, "P", "the people: index or name", true},
    {"--units", &MarchArguments::units, "LIST", "the ticked units: comma-separated indices or names, may be empty",
     true},
    {"--own", &MarchArguments::own, "X,Y", "own village's coordinates as typed in the dialog", true},
    {"--target", &MarchArguments::target, "X,Y", "target village's coordinates as typed in the dialog", true},
    {"--level", &MarchArguments::level, "L", "training-ground level 0..20 (default 0)", false},
    {"--arrival", &MarchArguments::arrival, "H:M:S", "arrival time: three integers", true},
    {"--day", &MarchArguments::day, "D", "arrival weekday: index or name (default 0)", false},
}};

std::string UsageFooter() {
  std::string text = "Peoples: " + PeopleChoices() + "\n";
  for (People people = 0; people < kPeopleCount; ++people) {
    text += "Units of " + std::string(PeopleNames[static_cast<std::size_t>(people)]) + ": " +
            UnitChoices(people) + "\n";
  }
  text += "Weekdays: " + WeekdayChoices() + "\n";
  text += "A report goes to standard output (exit status 0), a failed check's message to standard\n"
          "error (exit status 1), a malformed command line to standard error (exit status 2).";
  return text;
}

// A message must stay one line whatever the user typed into it.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

CommandLine Refusal(std::string problem) {
  CommandLine line;
  line.action = CommandLine::Action::kRefuse;
  line.text = OneLine(std::move(problem));
  return line;
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  CLI::App app("Works out when to send troops off so that they arrive at the given moment.", "menetkalk-cli");
  MarchArguments arguments;
  std::set<std::string, std::less<>> valueOptionNames;
  for (const ValueOption& option : kValueOptions) {
    CLI::Option* added = app.add_option(option.name, arguments.*option.value, option.description);
    added->type_name(option.typeName);
    if (option.required) added->required();
    valueOptionNames.insert(option.name);
  }
  bool crlf = false;
  app.add_flag("--crlf", crlf, "end report lines in \\r\\n, as in the dialog's report field");
  app.footer(UsageFooter());

  const SeparatedArguments separated =
      SeparateOptionValues(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), valueOptionNames);
  if (!separated.problem.empty()) return Refusal(separated.problem);
  std::vector<const char*> words = {"menetkalk-cli"};
  for (const std::string& word : separated.words) words.push_back(word.c_str());

  try {
    app.parse(static_cast<int>(words.size()), words.data());
  } catch (const CLI::CallForHelp&) {
    CommandLine line;
    line.action = CommandLine::Action::kShowUsage;
    line.text = app.help();
    return line;
  } catch (const CLI::ParseError& error) {
    return Refusal(error.what());
  }

  const RequestOrProblem built = BuildRequest(arguments);
  if (!built.problem.empty()) return Refusal(built.problem);
  CommandLine line;
  line.action = CommandLine::Action::kCalculate;
  line.request = built.request;
  line.crlf = crlf;
  return line;
}

}  // namespace menetkalk::cli
