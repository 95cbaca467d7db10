#include "platform/win32/win32_keys.h"

#include <windows.h>

#include <map>

namespace talvo {

namespace {

class AsyncKeyState final : public KeyStateSource {
 public:
  void Sample(KeySample& out) override {
    out[0] = 0;
    for (int vk = 1; vk < 256; ++vk) out[vk] = GetAsyncKeyState(vk);
  }
};

// With a null window the platform ignores the identifier passed in and hands out its own,
// so the ticks are found again by that returned identifier.
std::map<UINT_PTR, std::function<void()>>& Ticks() {
  static std::map<UINT_PTR, std::function<void()>> ticks;
  return ticks;
}

void CALLBACK TimerRoutine(HWND, UINT, UINT_PTR id, DWORD) {
  auto found = Ticks().find(id);
  if (found != Ticks().end()) found->second();
}

class ThreadTimer final : public UiTimer {
 public:
  void StartPeriodic(std::uint32_t timerId, int periodMs, std::function<void()> tick) override {
    const UINT_PTR id = SetTimer(nullptr, timerId, static_cast<UINT>(periodMs), TimerRoutine);
    if (id != 0) Ticks()[id] = std::move(tick);
  }
};

}  // namespace

KeyStateSource& Win32KeyState() {
  static AsyncKeyState keys;
  return keys;
}

UiTimer& Win32ThreadTimer() {
  static ThreadTimer timer;
  return timer;
}

}  // namespace talvo
