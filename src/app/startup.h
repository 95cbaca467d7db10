// The program's life: start-up in a fixed order, the message loop, and the one way out.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/program.h"
#include "hotkeys/hotkeys.h"
#include "platform/folders.h"
#include "platform/keys.h"
#include "platform/threads.h"
#include "platform/timer.h"

namespace talvo {

struct ProgramServices {
  KeyStateSource& keys;
  UiTimer& timer;
  ThreadStarter& threads;
  FileSystem& fileSystem;
  std::function<void()> prepareProcess;      // OLE, current directory
  std::function<void(int code)> endProcess;  // must not return
  std::function<void(const Text& caption, const Text& message)> fatalMessage;
};

class Program {
 public:
  explicit Program(ProgramServices services);

  // Runs start-up, then the message loop; returns 0 when the loop ends by itself. When the
  // start-up window cannot be loaded the process ends with -1 and no exit routine runs.
  int Start(const std::function<bool(Program&)>& loadStartupWindow,
            const std::function<void()>& runMessageLoop);

  // Runs the exit routines once and ends the process with the code.
  [[noreturn]] void ExitProgram(int exitCode);

  Hotkeys& hotkeys() { return *hotkeys_; }
  bool hasHotkeyTable() const { return hotkeys_ != nullptr; }
  const Text& dataFolder() const { return dataFolder_; }

  // Remembers a Ctrl+C for the second-C mode. Plain loads and stores only: the flow's
  // sequences rely on a lost update being possible, just not on a data race.
  std::atomic<std::int32_t> copyPending{0};

 private:
  void ExitCleanup();
  [[noreturn]] void End(int exitCode);

  ProgramServices services_;
  std::unique_ptr<Hotkeys> hotkeys_;
  Text dataFolder_;
  ExitRoutines exitRoutines_;
};

}  // namespace talvo
