// The option values of one call as typed, turned into the request that the
// calculate command takes. Only what the command line itself cannot carry is
// refused here; every check of the inputs is left to RunCalculate.
#pragma once

#include <string>

#include "core/calculate.h"

namespace menetkalk::cli {

struct MarchArguments {
  std::string people;
  std::string units;    // comma-separated indices or names; empty ticks nothing
  std::string own;      // "X,Y", the two coordinate texts
  std::string target;   // "X,Y"
  std::string level = "0";
  std::string arrival;  // "H:M:S"
  std::string day = "0";
};

// Exactly one of the two holds: problem is empty when request is usable.
struct RequestOrProblem {
  MarchRequest request;
  std::string problem;  // one line naming what is wrong
};

RequestOrProblem BuildRequest(const MarchArguments& arguments);

}  // namespace menetkalk::cli
