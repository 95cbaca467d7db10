// A second process that presses Ctrl+C with SendInput, as a user would in another
// application. Waits a little first so that the test's poller is running.
#include <windows.h>

#include <cstdlib>

namespace {

void Send(WORD vk, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

}  // namespace

int main(int argc, char** argv) {
  const int holdMs = argc > 1 ? std::atoi(argv[1]) : 300;
  Sleep(200);
  Send(VK_CONTROL, false);
  Sleep(50);
  Send('C', false);
  Sleep(holdMs);
  Send('C', true);
  Sleep(50);
  Send(VK_CONTROL, true);
  return 0;
}
