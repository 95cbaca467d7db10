// One synchronous form POST.
#pragma once

#include "platform/text.h"

namespace talvo {

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  // Sends the body unchanged with the one header
  // "Content-Type: application/x-www-form-urlencoded" and returns the answer's body
  // whatever its status; the empty Text when the exchange fails, "error" when no request
  // object can be made.
  virtual Text Post(const Text& url, const Text& body) = 0;
};

}  // namespace talvo
