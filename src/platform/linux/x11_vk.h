// Windows virtual-key codes for X keysyms, so that the poller sees the same codes on both
// platforms.
#pragma once

#include <cstdint>
#include <vector>

namespace talvo {

// The virtual keys that the key with this (unshifted) keysym holds down: either Shift key
// is 16 and its own 160/161, and so on; AltGr counts as Ctrl and Alt, as Windows reports
// it. Empty for keysyms without a virtual key.
std::vector<std::uint8_t> VirtualKeysForKeysym(unsigned long keysym);

}  // namespace talvo
