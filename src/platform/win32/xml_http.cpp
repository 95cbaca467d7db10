#include <string>

#include "platform/win32/com_services.h"
#include "platform/win32/com_util.h"

namespace talvo {

namespace {

class XmlHttpClient final : public HttpClient {
 public:
  explicit XmlHttpClient(const wchar_t* progId) : progId_(progId) {}

  Text Post(const Text& url, const Text& body) override {
    com::Apartment apartment;
    com::Dispatch request = com::CreateByProgId(progId_.c_str());
    if (!request) return "error";

    const com::BStr verb(L"POST"), address(com::FromAnsi(url)), header(L"Content-Type"),
        type(L"application/x-www-form-urlencoded"), content(com::FromAnsi(body));
    VARIANT synchronous;
    VariantInit(&synchronous);
    V_VT(&synchronous) = VT_BOOL;
    V_BOOL(&synchronous) = VARIANT_FALSE;
    com::Invoke(request.get(), L"open", DISPATCH_METHOD,
                {com::StringArgument(verb), com::StringArgument(address), synchronous}, nullptr);
    com::Invoke(request.get(), L"setRequestHeader", DISPATCH_METHOD,
                {com::StringArgument(header), com::StringArgument(type)}, nullptr);
    com::Invoke(request.get(), L"send", DISPATCH_METHOD, {com::StringArgument(content)}, nullptr);

    com::Variant text;
    if (FAILED(com::Invoke(request.get(), L"responseText", DISPATCH_PROPERTYGET, {}, text.get())) ||
        V_VT(text.get()) != VT_BSTR)
      return Text();
    return com::ToAnsi(V_BSTR(text.get()), static_cast<int>(SysStringLen(V_BSTR(text.get()))));
  }

 private:
  std::wstring progId_;
};

}  // namespace

std::unique_ptr<HttpClient> MakeXmlHttpClient(const wchar_t* progId) {
  return std::make_unique<XmlHttpClient>(progId);
}

}  // namespace talvo
