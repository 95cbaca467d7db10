// Process start and end: the exit routines, the data folder and the start-up sequence.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/folders.h"
#include "platform/text.h"

namespace talvo {

// Routines run once, in registration order, when the process ends through ExitProgram.
class ExitRoutines {
 public:
  void Register(std::function<void()> routine);
  // Runs the routines the first time only; later calls (from any thread) do nothing.
  void RunOnce();

 private:
  std::vector<std::function<void()>> routines_;
  std::atomic<bool> ran_{false};
};

// The data folder ("翻译" with "音频" inside) under the per-user data folder. The path,
// separator at the end, is kept in dataFolder.
int EnsureDataFolder(FileSystem& fs, Text& dataFolder);

}  // namespace talvo
