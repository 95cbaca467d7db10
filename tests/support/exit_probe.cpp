// A program that ends through ExitProgram while detached threads are still busy: the exit
// code must come through and nothing may hang or crash on the way out.
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "app/startup.h"
#include "platform/folders.h"
#include "platform/process.h"
#include "platform/threads.h"
#include "support/fakes.h"

int main() {
  talvo::testing::FakeKeys keys;
  talvo::testing::FakeTimer timer;
  talvo::testing::FakeFileSystem fs;
  talvo::Program program({
      .keys = keys,
      .timer = timer,
      .threads = talvo::SystemThreads(),
      .fileSystem = fs,
      .prepareProcess = [] {},
      .endProcess = talvo::EndProcessNow,
      .fatalMessage = {},
  });
  static std::atomic<int> started{0};
  program.Start(
      [](talvo::Program& p) {
        p.hotkeys().RegisterHotkey([](std::intptr_t) {}, 67, talvo::kCtrl);
        for (int i = 0; i < 8; ++i)
          talvo::SystemThreads().StartDetached([] {
            ++started;
            std::vector<std::string> churn;
            for (;;) {
              churn.emplace_back(100, 'x');
              if (churn.size() > 1000) churn.clear();
            }
          });
        return true;
      },
      [] {
        while (started < 8) std::this_thread::yield();
      });
  std::printf("threads running\n");
  program.ExitProgram(7);
}
