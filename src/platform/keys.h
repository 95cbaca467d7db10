// Asynchronous key state of the whole desktop, in Windows virtual-key codes.
#pragma once

#include <array>
#include <cstdint>

namespace talvo {

// One sample per virtual key 1..255 (index 0 unused). Negative: down now. Positive (low bit):
// up now but pressed since the previous sample. Zero: up.
using KeySample = std::array<std::int16_t, 256>;

class KeyStateSource {
 public:
  virtual ~KeyStateSource() = default;
  virtual void Sample(KeySample& out) = 0;
};

}  // namespace talvo
