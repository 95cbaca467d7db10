#pragma once

#include <memory>

#include "platform/keys.h"
#include "platform/timer.h"

namespace talvo {

// GetAsyncKeyState for every key.
KeyStateSource& Win32KeyState();

// Thread timers without a window, dispatched by the calling thread's message loop.
UiTimer& Win32ThreadTimer();

}  // namespace talvo
