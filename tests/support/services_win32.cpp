#include "platform/win32/com_services.h"
#include "support/services.h"

namespace talvo::testing {

std::unique_ptr<ScriptEngine> RealScriptEngine() {
  return MakeScriptControlEngine();
}
std::unique_ptr<ScriptEngine> MissingScriptEngine() {
  return MakeScriptControlEngine(L"Talvo.NoSuchScriptControl");
}
std::unique_ptr<HttpClient> RealHttpClient() {
  return MakeXmlHttpClient();
}

}  // namespace talvo::testing
