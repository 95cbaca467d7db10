// The real Windows path: GetAsyncKeyState every tick, a thread timer dispatched by this
// thread's message loop, CreateThread per firing; the keys come from another process.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>

#include "hotkeys/hotkeys.h"
#include "platform/threads.h"
#include "platform/win32/win32_keys.h"
#include "support/native_paths.h"

namespace talvo {
namespace {

// Runs the message loop until the predicate holds or the time is up.
template <typename Done>
void PumpUntil(Done done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done() && GetTickCount() - start < timeoutMs) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

TEST(Win32Poller, CtrlCFromAnotherProcessFiresTheEntryOnce) {
  Hotkeys hotkeys(Win32KeyState(), Win32ThreadTimer(), SystemThreads());
  std::atomic<int> ctrlC{0}, plainC{0};
  std::atomic<DWORD> firingThread{0};
  hotkeys.RegisterHotkey(
      [&](std::intptr_t id) {
        EXPECT_EQ(id, 1000001);
        firingThread = GetCurrentThreadId();
        ++ctrlC;
      },
      'C', kCtrl);
  hotkeys.RegisterHotkey([&](std::intptr_t) { ++plainC; }, 'C');

  std::string command = "\"" + testing::SiblingPath("send_ctrl_c.exe") + "\" 500";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &si, &pi));
  // Keep polling until the sender is done and a little after, to see that holding the
  // keys does not repeat the firing.
  PumpUntil([&] { return WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0; }, 180000);
  PumpUntil([] { return false; }, 300);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);

  EXPECT_EQ(ctrlC.load(), 1);
  EXPECT_EQ(plainC.load(), 0);
  EXPECT_NE(firingThread.load(), GetCurrentThreadId());
}

}  // namespace
}  // namespace talvo
