#pragma once

#include <memory>

#include "platform/script.h"

struct duk_hthread;

namespace talvo {

// Creates the heap for one call; nullptr means no engine could be made.
using DuktapeHeapFactory = duk_hthread* (*)();

// Duktape, a fresh heap per call, destroyed before the call returns.
std::unique_ptr<ScriptEngine> MakeDuktapeEngine(DuktapeHeapFactory factory = nullptr);

}  // namespace talvo
