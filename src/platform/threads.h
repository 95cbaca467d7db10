// Detached threads: nobody waits for them, and they may still run when the process ends.
#pragma once

#include <functional>

namespace talvo {

class ThreadStarter {
 public:
  virtual ~ThreadStarter() = default;
  // Returns false when no thread could be made; the work is then dropped.
  virtual bool StartDetached(std::function<void()> work) = 0;
};

// The backend's real threads.
ThreadStarter& SystemThreads();

}  // namespace talvo
