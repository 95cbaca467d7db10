#include <windows.h>

#include <memory>

#include "platform/threads.h"

namespace talvo {

namespace {

DWORD WINAPI RunWork(LPVOID parameter) {
  std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
  (*work)();
  return 0;
}

class Win32Threads final : public ThreadStarter {
 public:
  bool StartDetached(std::function<void()> work) override {
    auto owned = std::make_unique<std::function<void()>>(std::move(work));
    HANDLE thread = CreateThread(nullptr, 0, RunWork, owned.get(), 0, nullptr);
    if (!thread) return false;
    owned.release();  // the thread owns it now
    CloseHandle(thread);
    return true;
  }
};

}  // namespace

ThreadStarter& SystemThreads() {
  static Win32Threads threads;
  return threads;
}

}  // namespace talvo
