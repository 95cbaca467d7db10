#pragma once

#include <memory>

#include "platform/timer.h"

namespace talvo {

// Periodic timers on the Qt event loop of the calling (user-interface) thread.
std::unique_ptr<UiTimer> MakeQtTimer();

}  // namespace talvo
