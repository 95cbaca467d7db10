#include "platform/win32/com_util.h"

namespace talvo::com {

Dispatch CreateByProgId(const wchar_t* progId) {
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(progId, &clsid))) return Dispatch();
  IDispatch* object = nullptr;
  HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IDispatch,
                                reinterpret_cast<void**>(&object));
  if (hr == E_INVALIDARG)
    hr = CoCreateInstance(clsid, nullptr,
                          CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                          IID_IDispatch, reinterpret_cast<void**>(&object));
  if (FAILED(hr) || !object) return Dispatch();
  Dispatch result(object);
  if (FAILED(OleRun(object))) return Dispatch();
  return result;
}

HRESULT Invoke(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> arguments,
               VARIANT* result) {
  if (!object) return E_POINTER;
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  // DISPPARAMS takes the arguments last to first.
  std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  DISPID named = DISPID_PROPERTYPUT;
  if (flags & DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &named;
    params.cNamedArgs = 1;
  }
  EXCEPINFO exception{};
  UINT argError = 0;
  hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &exception,
                      &argError);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  return hr;
}

std::wstring FromAnsi(const std::string& text) {
  if (text.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0)
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

std::string ToAnsi(const wchar_t* text, int length) {
  if (!text || length <= 0) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, text, length, bytes.data(), n, nullptr, nullptr);
  return bytes;
}

}  // namespace talvo::com
