#include "platform/linux/x11_vk.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

namespace talvo {
namespace {

TEST(VirtualKeysForKeysym, Table) {
  struct Case {
    unsigned long keysym;
    std::vector<std::uint8_t> vks;
  } cases[] = {
      {XK_c, {67}},
      {XK_C, {67}},
      {XK_a, {65}},
      {XK_z, {90}},
      {XK_0, {48}},
      {XK_9, {57}},
      {XK_F1, {112}},
      {XK_F12, {123}},
      {XK_Shift_L, {16, 160}},
      {XK_Shift_R, {16, 161}},
      {XK_Control_L, {17, 162}},
      {XK_Control_R, {17, 163}},
      {XK_Alt_L, {18, 164}},
      {XK_Alt_R, {18, 165}},
      {XK_ISO_Level3_Shift, {17, 162, 18, 165}},
      {XK_Super_L, {91}},
      {XK_Super_R, {92}},
      {XK_Return, {13}},
      {XK_space, {32}},
      {XK_Escape, {27}},
      {XK_Left, {37}},
      {XK_KP_0, {96}},
      {XK_semicolon, {186}},
      {XK_apostrophe, {222}},
      {XK_Hangul, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(VirtualKeysForKeysym(c.keysym), c.vks) << c.keysym;
}

}  // namespace
}  // namespace talvo
