#include "platform/linux/duktape_engine.h"

#include <duktape.h>

#include <cstdio>
#include <cstdlib>

#include "platform/linux/arena.h"
#include "platform/linux/cesu8.h"

namespace talvo {

namespace {

// Reached only by an error outside a protected call (out of memory while making or
// destroying a heap); Duktape requires that it does not return.
void Fatal(void*, const char* message) {
  std::fprintf(stderr, "talvo: script engine fatal error: %s\n", message ? message : "");
  std::abort();
}

duk_context* ArenaHeap(ScriptArena& arena) {
  return duk_create_heap(ScriptArena::Alloc, ScriptArena::Realloc, ScriptArena::Free, &arena,
                         Fatal);
}

struct HeapDeleter {
  void operator()(duk_context* ctx) const { duk_destroy_heap(ctx); }
};

struct Call {
  std::string script, functionName, arguments[3];
  Text result;
};

// Runs inside duk_safe_call: every error thrown here, a script's own included, ends the
// call with an error status instead of reaching the fatal handler.
duk_ret_t LoadAndCall(duk_context* ctx, void* udata) {
  Call& call = *static_cast<Call*>(udata);
  duk_compile_lstring(ctx, 0, call.script.data(), call.script.size());
  duk_call(ctx, 0);  // top-level statements
  duk_pop(ctx);
  duk_get_global_lstring(ctx, call.functionName.data(), call.functionName.size());
  if (!duk_is_function(ctx, -1)) return DUK_RET_TYPE_ERROR;
  for (const std::string& argument : call.arguments)
    duk_push_lstring(ctx, argument.data(), argument.size());
  duk_call(ctx, 3);
  if (duk_is_number(ctx, -1)) duk_to_string(ctx, -1);
  if (duk_is_string(ctx, -1)) {
    duk_size_t n = 0;
    const char* s = duk_get_lstring(ctx, -1, &n);
    call.result = EngineToUtf8(std::string_view(s, n));
  }
  return 0;
}

class DuktapeEngine final : public ScriptEngine {
 public:
  explicit DuktapeEngine(DuktapeHeapFactory factory) : factory_(factory) {}

  Text Run(const Text& script, const Text& functionName, const Text& argument1,
           const Text& argument2, const Text& argument3) override {
    // The arena outlives the heap that allocates from it.
    ScriptArena arena;
    std::unique_ptr<duk_context, HeapDeleter> heap(factory_ ? factory_() : ArenaHeap(arena));
    if (!heap) return Text();
    Call call{Utf8ToEngine(script),
              Utf8ToEngine(functionName),
              {Utf8ToEngine(argument1), Utf8ToEngine(argument2), Utf8ToEngine(argument3)},
              {}};
    if (duk_safe_call(heap.get(), LoadAndCall, &call, 0, 1) != DUK_EXEC_SUCCESS) return Text();
    return call.result;
  }

 private:
  DuktapeHeapFactory factory_;
};

}  // namespace

std::unique_ptr<ScriptEngine> MakeDuktapeEngine(DuktapeHeapFactory factory) {
  return std::make_unique<DuktapeEngine>(factory);
}

}  // namespace talvo
