#include "translate/script_host.h"

namespace talvo {

Text RunScript(ScriptEngine& engine, const Text& script, const Text& functionName,
               const Text& argument1, const Text& argument2, const Text& argument3) {
  return engine.Run(script, functionName, argument1, argument2, argument3);
}

Text HttpRequest(HttpClient& client, const Text& url, const Text& body) {
  return client.Post(url, body);
}

}  // namespace talvo
