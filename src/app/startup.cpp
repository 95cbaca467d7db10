#include "app/startup.h"

#include <cstdlib>

namespace talvo {

Program::Program(ProgramServices services) : services_(std::move(services)) {}

int Program::Start(const std::function<bool(Program&)>& loadStartupWindow,
                   const std::function<void()>& runMessageLoop) {
  if (services_.prepareProcess) services_.prepareProcess();
  hotkeys_ = std::make_unique<Hotkeys>(services_.keys, services_.timer, services_.threads);
  exitRoutines_.Register([this] { ExitCleanup(); });
  EnsureDataFolder(services_.fileSystem, dataFolder_);

  if (!loadStartupWindow(*this)) {
    if (services_.fatalMessage)
      services_.fatalMessage(FromUtf8("Talvo翻译"), FromUtf8("无法加载启动窗口，程序即将退出。"));
    End(-1);
  }
  runMessageLoop();
  return 0;
}

void Program::ExitProgram(int exitCode) {
  exitRoutines_.RunOnce();
  End(exitCode);
}

void Program::End(int exitCode) {
  services_.endProcess(exitCode);
  std::abort();  // endProcess never returns; this keeps the promise if a backend breaks it
}

void Program::ExitCleanup() {
  if (hotkeys_) hotkeys_->table().Release();
  dataFolder_.clear();
  dataFolder_.shrink_to_fit();
}

}  // namespace talvo
