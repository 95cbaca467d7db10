#include "platform/linux/qt_timer.h"

#include <QTimer>
#include <vector>

namespace talvo {

namespace {

class QtUiTimer final : public UiTimer {
 public:
  void StartPeriodic(std::uint32_t, int periodMs, std::function<void()> tick) override {
    // Qt picks its own timer ids; like a thread timer, a busy loop drops ticks instead of
    // queueing them.
    auto timer = std::make_unique<QTimer>();
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), std::move(tick));
    timer->start(periodMs);
    timers_.push_back(std::move(timer));
  }

 private:
  std::vector<std::unique_ptr<QTimer>> timers_;
};

}  // namespace

std::unique_ptr<UiTimer> MakeQtTimer() {
  return std::make_unique<QtUiTimer>();
}

}  // namespace talvo
