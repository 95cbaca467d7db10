// A periodic timer whose ticks run on the user-interface thread. Missed ticks are dropped,
// never queued.
#pragma once

#include <cstdint>
#include <functional>

namespace talvo {

class UiTimer {
 public:
  virtual ~UiTimer() = default;
  virtual void StartPeriodic(std::uint32_t timerId, int periodMs, std::function<void()> tick) = 0;
};

}  // namespace talvo
