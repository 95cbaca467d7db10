// The desktop's key state under X11, as Windows virtual keys.
#pragma once

#include <memory>

#include "platform/keys.h"

namespace talvo {

// Opens its own connections to the display (nullptr: $DISPLAY). Returns nothing when the
// display cannot be opened.
std::unique_ptr<KeyStateSource> OpenX11KeyState(const char* displayName = nullptr);

}  // namespace talvo
