// A JavaScript engine: one named global function of a script text, run in a fresh engine.
#pragma once

#include "platform/text.h"

namespace talvo {

class ScriptEngine {
 public:
  virtual ~ScriptEngine() = default;
  // Loads the script (its top-level statements run), calls the function with exactly the
  // three string arguments and returns its result as a Text: a string as it is, a number
  // as its decimal text, anything else, and every failure, as the empty Text. Nothing
  // survives the call.
  virtual Text Run(const Text& script, const Text& functionName, const Text& argument1,
                   const Text& argument2, const Text& argument3) = 0;
};

}  // namespace talvo
