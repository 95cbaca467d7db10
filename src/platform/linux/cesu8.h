// JScript sees strings as UTF-16 code units; Duktape keeps a character above U+FFFF as one
// code point unless it is handed the two surrogates separately. These conversions make
// scripts on Duktape see what they see on Windows.
#pragma once

#include <string>
#include <string_view>

namespace talvo {

// UTF-8 → Duktape's internal form with every character above U+FFFF split into two
// surrogates of three bytes each; an invalid byte sequence becomes U+FFFD.
std::string Utf8ToEngine(std::string_view utf8);

// Duktape's string bytes → UTF-8: a high surrogate followed by a low one joins into one
// character; any other surrogate, and any invalid byte sequence, becomes "?".
std::string EngineToUtf8(std::string_view bytes);

}  // namespace talvo
