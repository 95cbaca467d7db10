#include "platform/linux/curl_http.h"
#include "platform/linux/duktape_engine.h"
#include "support/services.h"

namespace talvo::testing {

std::unique_ptr<ScriptEngine> RealScriptEngine() {
  return MakeDuktapeEngine();
}
std::unique_ptr<ScriptEngine> MissingScriptEngine() {
  return MakeDuktapeEngine([]() -> duk_hthread* { return nullptr; });
}
std::unique_ptr<HttpClient> RealHttpClient() {
  return MakeCurlHttpClient();
}

}  // namespace talvo::testing
