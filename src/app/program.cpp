#include "app/program.h"

namespace talvo {

void ExitRoutines::Register(std::function<void()> routine) {
  routines_.push_back(std::move(routine));
}

void ExitRoutines::RunOnce() {
  if (ran_.exchange(true)) return;
  for (auto& routine : routines_) routine();
}

int EnsureDataFolder(FileSystem& fs, Text& dataFolder) {
  const Text sep = fs.Separator();
  Text base = fs.UserDataFolder().value_or(Text());
  if (!base.empty() && base.compare(base.size() - sep.size(), sep.size(), sep) != 0) base += sep;
  // Without the special folder the path stays relative to the program's folder.
  dataFolder = base + FromUtf8("翻译") + sep;

  // The search is made on the path with its separator, which names no entry, so both
  // creations run at every start; creating an existing folder fails harmlessly.
  if (fs.FindEntry(dataFolder)) return 0;
  fs.CreateFolder(dataFolder);
  fs.CreateFolder(dataFolder + FromUtf8("音频") + sep);
  return 0;
}

}  // namespace talvo
