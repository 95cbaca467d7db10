// One table of script cases, run on the platform's real engine: Duktape on Linux, the
// Script Control under Wine (code page 936) on Windows.
#include <gtest/gtest.h>

#include "support/services.h"
#include "translate/script_host.h"

namespace talvo {
namespace {

struct ScriptCase {
  const char* name;
  const char* script;
  const char* function;
  std::string argument;  // UTF-8; turned into the system's Text
  std::string expected;  // UTF-8
};

std::ostream& operator<<(std::ostream& os, const ScriptCase& c) {
  return os << c.name;
}

const ScriptCase kCases[] = {
    {"NumberOne", "function f(a){return 1;}", "f", "x", "1"},
    {"NumberZero", "function f(a){return 0;}", "f", "x", "0"},
    {"NegativeInteger", "function f(a){return -42;}", "f", "", "-42"},
    {"ArgumentCount", "function f(a){return arguments.length;}", "f", "x", "3"},
    {"SecondArgumentIsString", "function f(a){return typeof arguments[1];}", "f", "x", "string"},
    {"SecondArgumentIsEmpty", "function f(a){return '[' + arguments[2] + ']';}", "f", "x", "[]"},
    {"StringAsItIs", "function f(a){return 'a' + a + 'b';}", "f", "1&2", "a1&2b"},
    {"Throw", "function f(a){throw new Error('no');}", "f", "x", ""},
    {"UndefinedFunction", "function f(a){return 1;}", "g", "x", ""},
    {"NotAFunction", "var g = 5; function f(a){return 1;}", "g", "x", ""},
    {"SyntaxError", "function f(a){return 1;", "f", "x", ""},
    {"ReturnsUndefined", "function f(a){}", "f", "x", ""},
    {"ReturnsNull", "function f(a){return null;}", "f", "x", ""},
    {"TopLevelRunsAtLoad",
     "var k = (function(){return 'K' + (2 + 3);})(); function f(a){return k;}", "f", "", "K5"},
    {"ChineseLength", "function f(a){return a.length;}", "f", "中", "1"},
    {"ChineseRoundTrip", "function f(a){return a;}", "f", "你好，世界", "你好，世界"},
    {"ChineseCode", "function f(a){return a.charCodeAt(0);}", "f", "中", "20013"},
    {"EvalOfAnArray", "function f(a){var j = eval(a); return j[0][1];}", "f", "[[1,'二']]", "二"},
    {"BitwiseIs32Bit",
     "function f(a){return (4294967295 & 4294967295) + ',' + (1 << 31) + ',' + (-1 >>> 0);}", "f",
     "", "-1,-2147483648,4294967295"},
    {"ReplaceFirstOnly", "function f(a){return a.replace('<br/>', '');}", "f", "x<br/>y<br/>",
     "xy<br/>"},
    {"SubstrFromTwo", "function f(a){return a.substr(2);}", "f", "\r\nab", "ab"},
    {"ConcatOfUndefined", "function f(a){var t; t += 'x'; return t;}", "f", "", "undefinedx"},
    {"EvalDeclaresInFunction", "function f(a){eval('var json = ' + a); return json.k;}", "f",
     "{\"k\":\"v\"}", "v"},
#ifdef _WIN32
    // Outside GBK: comes back as the code page's default character.
    {"OutsideCodePage", "function f(a){return 'a' + String.fromCharCode(0x0E01) + 'b';}", "f", "",
     "a?b"},
#else
    {"EmojiIsTwoCodeUnits", "function f(a){return a.length;}", "f", "😀", "2"},
    {"EmojiFirstUnit", "function f(a){return a.charCodeAt(0);}", "f", "😀", "55357"},
    {"EmojiRoundTrip", "function f(a){return a + '!';}", "f", "😀", "😀!"},
    {"PairBuiltInScript", "function f(a){return String.fromCharCode(0xD83D, 0xDE00);}", "f", "",
     "😀"},
    {"LoneSurrogateOut", "function f(a){return 'a' + String.fromCharCode(0xD800) + 'b';}", "f", "",
     "a?b"},
    {"InvalidBytesIn", "function f(a){return a.charCodeAt(1);}", "f",
     "a\xff"
     "b",
     "65533"},
#endif
};

class RunScriptCase : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(RunScriptCase, Result) {
  const ScriptCase& c = GetParam();
  auto engine = testing::RealScriptEngine();
  EXPECT_EQ(RunScript(*engine, c.script, c.function, FromUtf8(c.argument)), FromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Table, RunScriptCase, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunScript, GlobalsDoNotSurviveTheCall) {
  const char* script =
      "function f(a){ if (typeof seen != 'undefined') return 'seen'; seen = 1; return 'fresh'; }";
  auto engine = testing::RealScriptEngine();
  EXPECT_EQ(RunScript(*engine, script, "f", "x"), "fresh");
  EXPECT_EQ(RunScript(*engine, script, "f", "x"), "fresh");
}

TEST(RunScript, NoEngineGivesEmptyAndTheProgramGoesOn) {
  auto engine = testing::MissingScriptEngine();
  EXPECT_EQ(RunScript(*engine, "function f(a){return 1;}", "f", "x"), "");
  EXPECT_EQ(RunScript(*engine, "function f(a){return 1;}", "f", "x"), "");
}

}  // namespace
}  // namespace talvo
