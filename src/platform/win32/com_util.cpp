#include "platform/win32/com_util.h"

#include "platform/win32/codepage.h"

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
  return Widen(text, CP_ACP);
}

std::string ToAnsi(const wchar_t* text, int length) {
  if (!text || length <= 0) return {};
  return Narrow(std::wstring_view(text, static_cast<std::size_t>(length)), CP_ACP);
}

}  // namespace talvo::com
