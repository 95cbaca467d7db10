#include "wine_fixture.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new talvo::testing::CodePageEnvironment);
  return RUN_ALL_TESTS();
}
