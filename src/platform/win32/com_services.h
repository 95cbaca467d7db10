#pragma once

#include <memory>

#include "platform/http.h"
#include "platform/script.h"

namespace talvo {

// The Microsoft Script Control ("ScriptControl", language "javascript"), one instance per
// call. The ProgID can be replaced to test a machine without the control.
std::unique_ptr<ScriptEngine> MakeScriptControlEngine(const wchar_t* progId = L"ScriptControl");

// Microsoft.XMLHTTP, synchronous, one object per call.
std::unique_ptr<HttpClient> MakeXmlHttpClient(const wchar_t* progId = L"Microsoft.XMLHTTP");

}  // namespace talvo
