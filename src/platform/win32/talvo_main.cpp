// The Windows program.
#include <windows.h>

#include "app/startup.h"
#include "platform/folders.h"
#include "platform/process.h"
#include "platform/threads.h"
#include "platform/win32/win32_keys.h"

namespace {

void RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  talvo::Program program({
      .keys = talvo::Win32KeyState(),
      .timer = talvo::Win32ThreadTimer(),
      .threads = talvo::SystemThreads(),
      .fileSystem = talvo::SystemFileSystem(),
      .prepareProcess = talvo::PrepareProcess,
      .endProcess = talvo::EndProcessNow,
      .fatalMessage =
          [](const talvo::Text& caption, const talvo::Text& message) {
            MessageBoxA(nullptr, message.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
          },
  });
  const int rc = program.Start([](talvo::Program&) { return true; }, RunMessageLoop);
  program.ExitProgram(rc);
}
