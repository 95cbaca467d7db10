// The translation engines' two doors to the outside.
#pragma once

#include "platform/http.h"
#include "platform/script.h"

namespace talvo {

Text RunScript(ScriptEngine& engine, const Text& script, const Text& functionName,
               const Text& argument1, const Text& argument2 = Text(),
               const Text& argument3 = Text());

Text HttpRequest(HttpClient& client, const Text& url, const Text& body);

}  // namespace talvo
