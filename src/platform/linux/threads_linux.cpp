#include <system_error>
#include <thread>

#include "platform/threads.h"

namespace talvo {

namespace {

class LinuxThreads final : public ThreadStarter {
 public:
  bool StartDetached(std::function<void()> work) override {
    try {
      std::thread(std::move(work)).detach();
      return true;
    } catch (const std::system_error&) {
      return false;  // no thread could be made: this firing is lost
    }
  }
};

}  // namespace

ThreadStarter& SystemThreads() {
  static LinuxThreads threads;
  return threads;
}

}  // namespace talvo
