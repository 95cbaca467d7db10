// Every Windows test program checks first that it runs under code page 936, so that a
// wrong locale setting cannot let the GBK cases pass silently.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

namespace talvo::testing {

class CodePageEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_EQ(GetACP(), 936u) << "run under LANG=zh_CN.UTF-8"; }
};

}  // namespace talvo::testing
