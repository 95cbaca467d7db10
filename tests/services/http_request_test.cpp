// The form POST against a fake service on the loopback interface, on the platform's real
// HTTP component: libcurl on Linux, Microsoft.XMLHTTP under Wine on Windows.
#include <gtest/gtest.h>

#include "support/loopback_server.h"
#include "support/services.h"
#include "translate/script_host.h"

namespace talvo {
namespace {

using testing::Answer;
using testing::LoopbackServer;

TEST(HttpRequest, SendsThePostAsItIs) {
  struct Case {
    const char* target;
    std::string body;
  } cases[] = {
      {"/translate_a/single?client=t&sl=auto&tk=1.2", "q=hello"},
      {"/ajax.php?a=fy", ""},
      {"/ajax.php?a=fy", "w=AT&T=1&x=%26"},
  };
  LoopbackServer server([](const auto&) { return Answer{200, "text/plain", "ok"}; });
  auto client = testing::RealHttpClient();
  for (const Case& c : cases) {
    EXPECT_EQ(HttpRequest(*client, server.url(c.target), c.body), "ok");
    ASSERT_FALSE(server.requests().empty());
    const auto seen = server.requests().back();
    EXPECT_EQ(seen.method, "POST");
    EXPECT_EQ(seen.target, c.target);
    EXPECT_EQ(seen.contentType, "application/x-www-form-urlencoded");
    EXPECT_EQ(seen.body, c.body);
  }
  EXPECT_EQ(server.requests().size(), 3u);
}

TEST(HttpRequest, ErrorStatusGivesTheBody) {
  const std::string page = "<html><body><h1>404 Not Found</h1></body></html>";
  LoopbackServer server([&](const auto&) { return Answer{404, "text/html", page}; });
  auto client = testing::RealHttpClient();
  EXPECT_EQ(HttpRequest(*client, server.url("/missing"), "q=x"), page);
}

TEST(HttpRequest, UnicodeAnswerIsConvertedToTheSystemText) {
  LoopbackServer server([](const auto&) {
    return Answer{200, "application/json; charset=utf-8", "{\"out\":\"你好，世界\"}"};
  });
  auto client = testing::RealHttpClient();
  EXPECT_EQ(HttpRequest(*client, server.url("/"), "w=hello"), FromUtf8("{\"out\":\"你好，世界\"}"));
}

TEST(HttpRequest, RefusedConnectionGivesEmpty) {
  auto client = testing::RealHttpClient();
  const std::string url = "http://127.0.0.1:" + std::to_string(testing::ClosedPort()) + "/x";
  EXPECT_EQ(HttpRequest(*client, url, "q=x"), "");
}

TEST(HttpRequest, EmptyAnswerGivesEmpty) {
  LoopbackServer server([](const auto&) { return Answer{200, "text/plain", ""}; });
  auto client = testing::RealHttpClient();
  EXPECT_EQ(HttpRequest(*client, server.url("/"), "q=x"), "");
}

#ifdef _WIN32
TEST(HttpRequest, CharacterOutsideGbkBecomesQuestionMark) {
  LoopbackServer server([](const auto&) {
    return Answer{200, "text/plain; charset=utf-8",
                  "a\xe0\xb8\x81"
                  "b"};  // Thai ko kai
  });
  auto client = testing::RealHttpClient();
  EXPECT_EQ(HttpRequest(*client, server.url("/"), "q=x"), "a?b");
}
#else
TEST(HttpRequest, DeclaredCharsetIsDecodedIntoUtf8) {
  struct Case {
    std::string contentType, body, expected;
  } cases[] = {
      {"text/plain; charset=GBK", "\xc4\xe3\xba\xc3", "你好"},
      {"text/html; charset=\"iso-8859-1\"", "caf\xe9", "café"},
      {"text/plain; charset=gbk",
       "a\xff"
       "b",
       "a?b"},  // not GBK: replaced
      {"text/plain", "plain", "plain"},
  };
  for (const Case& c : cases) {
    LoopbackServer server([&](const auto&) { return Answer{200, c.contentType, c.body}; });
    auto client = testing::RealHttpClient();
    EXPECT_EQ(HttpRequest(*client, server.url("/"), "q=x"), c.expected) << c.contentType;
  }
}
#endif

}  // namespace
}  // namespace talvo
