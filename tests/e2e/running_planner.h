// Test fixture: the calculator started fresh, nothing stored, its main
// dialog found and in front.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/app_session.h"

namespace e2e {

// Names a parameterised case after its name field.
template <class Case>
std::string CaseName(const testing::TestParamInfo<Case>& param) {
  return param.param.name;
}

class RunningPlanner : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(app_.Start()); }

  AppSession app_;
};

}  // namespace e2e
