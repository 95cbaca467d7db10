// Literals are UTF-8 in the source; the running system's Texts are in its ANSI code page
// (936 on Chinese Windows, 65001 with Windows' UTF-8 option).
#include <windows.h>

#include "platform/text.h"
#include "platform/win32/codepage.h"

namespace talvo {

std::wstring Widen(std::string_view bytes, UINT codePage) {
  if (bytes.empty()) return {};
  const int n =
      MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0)
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
  return wide;
}

std::string Narrow(std::wstring_view wide, UINT codePage) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), n,
                        nullptr, nullptr);
  return bytes;
}

Text FromUtf8(std::string_view utf8) {
  return Narrow(Widen(utf8, CP_UTF8), CP_ACP);
}
std::string ToUtf8(const Text& text) {
  return Narrow(Widen(text, CP_ACP), CP_UTF8);
}

}  // namespace talvo
