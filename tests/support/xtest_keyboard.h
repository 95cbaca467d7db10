// Key injection through XTest, kept apart from Qt and GoogleTest because Xlib's macros
// (None, Bool, Status) collide with both.
#pragma once

#include <memory>

namespace talvo::testing {

class XTestKeyboard {
 public:
  // Keys by X keysym name: "c", "Control_L", "Shift_L", ...
  static std::unique_ptr<XTestKeyboard> Open();
  virtual ~XTestKeyboard() = default;
  virtual void Key(const char* keysymName, bool down) = 0;
};

}  // namespace talvo::testing
