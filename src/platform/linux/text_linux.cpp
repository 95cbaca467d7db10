// On Linux the system's text is UTF-8 already.
#include "platform/text.h"

namespace talvo {

Text FromUtf8(std::string_view utf8) {
  return Text(utf8);
}
std::string ToUtf8(const Text& text) {
  return text;
}

}  // namespace talvo
