// The platform's real script engine and HTTP component, for tests that run them.
#pragma once

#include <memory>

#include "platform/http.h"
#include "platform/script.h"

namespace talvo::testing {

std::unique_ptr<ScriptEngine> RealScriptEngine();
// An engine that cannot be created: no script engine on the machine.
std::unique_ptr<ScriptEngine> MissingScriptEngine();
std::unique_ptr<HttpClient> RealHttpClient();

}  // namespace talvo::testing
