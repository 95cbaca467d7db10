// Text: the byte string every part of the program passes around. Its bytes are in the
// running system's ANSI code page (GBK on Chinese Windows, UTF-8 on Linux).
#pragma once

#include <string>
#include <string_view>

namespace talvo {

using Text = std::string;

// The program's own literals are written in UTF-8; these turn them into Texts of the
// running system and back. Implemented by each platform backend.
Text FromUtf8(std::string_view utf8);
std::string ToUtf8(const Text& text);

}  // namespace talvo
