#pragma once

#include <memory>

#include "platform/http.h"

namespace talvo {

// Once, on the user-interface thread, before any other thread can start an exchange.
void InitHttpOnce();

// libcurl: a fresh easy handle per call. connectTimeoutMs/totalTimeoutMs end a dead
// exchange instead of leaving the caller waiting for ever.
std::unique_ptr<HttpClient> MakeCurlHttpClient(long connectTimeoutMs = 10000,
                                               long totalTimeoutMs = 30000);

}  // namespace talvo
