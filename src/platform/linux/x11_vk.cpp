#include "platform/linux/x11_vk.h"

#include <X11/keysym.h>

namespace talvo {

namespace {

struct Range {
  unsigned long first, last;
  std::uint8_t vk;
};

constexpr Range kRanges[] = {
    {XK_a, XK_z, 'A'},     {XK_A, XK_Z, 'A'},        {XK_0, XK_9, '0'},
    {XK_F1, XK_F24, 0x70}, {XK_KP_0, XK_KP_9, 0x60},
};

struct Single {
  unsigned long keysym;
  std::uint8_t vk;
};

constexpr Single kSingles[] = {
    {XK_BackSpace, 8},     {XK_Tab, 9},           {XK_ISO_Left_Tab, 9},
    {XK_Clear, 12},        {XK_Return, 13},       {XK_KP_Enter, 13},
    {XK_Pause, 19},        {XK_Caps_Lock, 20},    {XK_Escape, 27},
    {XK_space, 32},        {XK_KP_Space, 32},     {XK_Prior, 33},
    {XK_KP_Prior, 33},     {XK_Next, 34},         {XK_KP_Next, 34},
    {XK_End, 35},          {XK_KP_End, 35},       {XK_Home, 36},
    {XK_KP_Home, 36},      {XK_Left, 37},         {XK_KP_Left, 37},
    {XK_Up, 38},           {XK_KP_Up, 38},        {XK_Right, 39},
    {XK_KP_Right, 39},     {XK_Down, 40},         {XK_KP_Down, 40},
    {XK_Select, 41},       {XK_Execute, 43},      {XK_Print, 44},
    {XK_Insert, 45},       {XK_KP_Insert, 45},    {XK_Delete, 46},
    {XK_KP_Delete, 46},    {XK_Help, 47},         {XK_KP_Begin, 12},
    {XK_Super_L, 91},      {XK_Super_R, 92},      {XK_Menu, 93},
    {XK_KP_Multiply, 106}, {XK_KP_Add, 107},      {XK_KP_Separator, 108},
    {XK_KP_Subtract, 109}, {XK_KP_Decimal, 110},  {XK_KP_Divide, 111},
    {XK_Num_Lock, 144},    {XK_Scroll_Lock, 145}, {XK_semicolon, 186},
    {XK_equal, 187},       {XK_comma, 188},       {XK_minus, 189},
    {XK_period, 190},      {XK_slash, 191},       {XK_grave, 192},
    {XK_bracketleft, 219}, {XK_backslash, 220},   {XK_bracketright, 221},
    {XK_apostrophe, 222},  {XK_less, 226},
};

}  // namespace

std::vector<std::uint8_t> VirtualKeysForKeysym(unsigned long keysym) {
  switch (keysym) {
    case XK_Shift_L:
      return {16, 160};
    case XK_Shift_R:
      return {16, 161};
    case XK_Control_L:
      return {17, 162};
    case XK_Control_R:
      return {17, 163};
    case XK_Alt_L:
    case XK_Meta_L:
      return {18, 164};
    case XK_Alt_R:
    case XK_Meta_R:
      return {18, 165};
    case XK_ISO_Level3_Shift:
    case XK_Mode_switch:
      return {17, 162, 18, 165};
    default:
      break;
  }
  for (const Range& r : kRanges)
    if (keysym >= r.first && keysym <= r.last)
      return {static_cast<std::uint8_t>(r.vk + (keysym - r.first))};
  for (const Single& s : kSingles)
    if (keysym == s.keysym) return {s.vk};
  return {};
}

}  // namespace talvo
