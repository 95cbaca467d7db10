#include "support/xtest_keyboard.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace talvo::testing {

namespace {

class Keyboard final : public XTestKeyboard {
 public:
  explicit Keyboard(Display* display) : display_(display) {}
  ~Keyboard() override { XCloseDisplay(display_); }
  void Key(const char* keysymName, bool down) override {
    const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysymName));
    XTestFakeKeyEvent(display_, code, down ? True : False, CurrentTime);
    XFlush(display_);
  }

 private:
  Display* display_;
};

}  // namespace

std::unique_ptr<XTestKeyboard> XTestKeyboard::Open() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return nullptr;
  return std::make_unique<Keyboard>(display);
}

}  // namespace talvo::testing
