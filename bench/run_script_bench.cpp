// RunScript with a fresh engine per call, beside the bare Duktape loop it is built on:
// create heap, compile and run the script, call the function, destroy the heap.
#include <benchmark/benchmark.h>
#include <duktape.h>

#include "platform/linux/duktape_engine.h"
#include "translate/script_host.h"

namespace {

// A token-sized script: a key built at load time and a small byte-mixing function.
const char* kScript =
    "var TKK = (function(){ return '406398' + '.' + (561666268 + 1526272306); })();"
    "function b(a, ops){ for (var d = 0; d < ops.length - 2; d += 3) {"
    "  var c = ops.charAt(d + 2); c = c >= 'a' ? c.charCodeAt(0) - 87 : Number(c);"
    "  c = ops.charAt(d + 1) == '+' ? a >>> c : a << c;"
    "  a = ops.charAt(d) == '+' ? (a + c) & 4294967295 : a ^ c; } return a; }"
    "function tk(a){ var h = Number(TKK.split('.')[0]) || 0; var x = h;"
    "  for (var i = 0; i < a.length; i++) { x += a.charCodeAt(i) & 255; x = b(x, '+-a^+6'); }"
    "  x = b(x, '+-3^+b+-f'); x ^= Number(TKK.split('.')[1]) || 0;"
    "  if (x < 0) x = (x & 2147483647) + 2147483648; x %= 1E6;"
    "  return x.toString() + '.' + (x ^ h); }";
const char* kArgument = "hello world";

void BM_BareDuktape(benchmark::State& state) {
  for (auto _ : state) {
    duk_context* ctx = duk_create_heap_default();
    duk_peval_string_noresult(ctx, kScript);
    duk_get_global_string(ctx, "tk");
    duk_push_string(ctx, kArgument);
    duk_push_string(ctx, "");
    duk_push_string(ctx, "");
    duk_pcall(ctx, 3);
    benchmark::DoNotOptimize(duk_safe_to_string(ctx, -1));
    duk_destroy_heap(ctx);
  }
}
BENCHMARK(BM_BareDuktape)->Unit(benchmark::kMicrosecond);

void BM_RunScript(benchmark::State& state) {
  auto engine = talvo::MakeDuktapeEngine();
  for (auto _ : state) {
    benchmark::DoNotOptimize(talvo::RunScript(*engine, kScript, "tk", kArgument));
  }
}
BENCHMARK(BM_RunScript)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
