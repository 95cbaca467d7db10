#include "platform/linux/cesu8.h"

#include <cstdint>

namespace talvo {

namespace {

// Decodes one extended-UTF-8 sequence at pos (surrogates allowed, overlongs refused).
// Returns the code point and advances pos, or returns -1 and advances by one byte.
long Decode(std::string_view s, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
  const std::uint8_t b0 = byte(pos);
  int length = 0;
  long cp = 0, min = 0;
  if (b0 < 0x80) {
    ++pos;
    return b0;
  } else if ((b0 & 0xE0) == 0xC0) {
    length = 2, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    ++pos;
    return -1;
  }
  if (pos + length > s.size()) {
    ++pos;
    return -1;
  }
  for (int i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) {
      ++pos;
      return -1;
    }
    cp = (cp << 6) | (byte(pos + i) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF) {
    ++pos;
    return -1;
  }
  pos += length;
  return cp;
}

void Encode(std::string& out, long cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsHigh(long cp) {
  return cp >= 0xD800 && cp <= 0xDBFF;
}
bool IsLow(long cp) {
  return cp >= 0xDC00 && cp <= 0xDFFF;
}

}  // namespace

std::string Utf8ToEngine(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const long cp = Decode(utf8, pos);
    if (cp < 0 || IsHigh(cp) || IsLow(cp)) {
      Encode(out, 0xFFFD);  // surrogates are not characters in UTF-8
    } else if (cp >= 0x10000) {
      Encode(out, 0xD800 + ((cp - 0x10000) >> 10));
      Encode(out, 0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      Encode(out, cp);
    }
  }
  return out;
}

std::string EngineToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) {
    const long cp = Decode(bytes, pos);
    if (cp < 0 || IsLow(cp)) {
      out += '?';
    } else if (IsHigh(cp)) {
      std::size_t next = pos;
      const long low = next < bytes.size() ? Decode(bytes, next) : -1;
      if (IsLow(low)) {
        Encode(out, 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00));
        pos = next;
      } else {
        out += '?';
      }
    } else {
      Encode(out, cp);
    }
  }
  return out;
}

}  // namespace talvo
