// Conversions between a code page and UTF-16, with the code page's own default character.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace talvo {

std::wstring Widen(std::string_view bytes, UINT codePage);
std::string Narrow(std::wstring_view wide, UINT codePage);

}  // namespace talvo
