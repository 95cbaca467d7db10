#include "platform/linux/curl_http.h"

#include <curl/curl.h>
#include <iconv.h>
#include <strings.h>

#include <cctype>
#include <cerrno>
#include <mutex>
#include <string>

namespace talvo {

namespace {

struct EasyDeleter {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct ListDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

std::size_t Collect(char* data, std::size_t size, std::size_t count, void* userdata) {
  static_cast<std::string*>(userdata)->append(data, size * count);
  return size * count;
}

// The charset parameter of a Content-Type value, or "".
std::string CharsetOf(const char* contentType) {
  if (!contentType) return {};
  std::string value(contentType);
  for (char& c : value) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const auto at = value.find("charset=");
  if (at == std::string::npos) return {};
  std::string charset = value.substr(at + 8);
  if (!charset.empty() && charset.front() == '"') charset.erase(0, 1);
  const auto end = charset.find_first_of("\"; \t");
  if (end != std::string::npos) charset.resize(end);
  return charset;
}

// Converts to UTF-8; a character that cannot be converted becomes "?". An unknown
// charset leaves the bytes as they came.
std::string ToUtf8From(const std::string& bytes, const std::string& charset) {
  if (charset.empty() || charset == "utf-8" || charset == "utf8") return bytes;
  iconv_t cd = iconv_open("UTF-8", charset.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return bytes;
  std::string out;
  char buffer[4096];
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
      out += '?';  // invalid or incomplete sequence: skip one byte
      ++in;
      --inLeft;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  char* outPtr = buffer;
  std::size_t outLeft = sizeof buffer;
  iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
  out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
  iconv_close(cd);
  return out;
}

class CurlHttpClient final : public HttpClient {
 public:
  CurlHttpClient(long connectMs, long totalMs) : connectMs_(connectMs), totalMs_(totalMs) {
    InitHttpOnce();
  }

  Text Post(const Text& url, const Text& body) override {
    std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    if (!easy) return "error";
    std::unique_ptr<curl_slist, ListDeleter> headers(
        curl_slist_append(nullptr, "Content-Type: application/x-www-form-urlencoded"));
    std::string answer;
    CURL* h = easy.get();
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_POST, 1L);
    curl_easy_setopt(h, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &answer);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);  // exchanges run on many threads
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, connectMs_);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, totalMs_);
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(h, CURLOPT_ACCEPT_ENCODING, "");
    if (curl_easy_perform(h) != CURLE_OK) return Text();  // never a partial body
    char* contentType = nullptr;
    curl_easy_getinfo(h, CURLINFO_CONTENT_TYPE, &contentType);
    return ToUtf8From(answer, CharsetOf(contentType));
  }

 private:
  long connectMs_, totalMs_;
};

}  // namespace

void InitHttpOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::unique_ptr<HttpClient> MakeCurlHttpClient(long connectTimeoutMs, long totalTimeoutMs) {
  return std::make_unique<CurlHttpClient>(connectTimeoutMs, totalTimeoutMs);
}

}  // namespace talvo
