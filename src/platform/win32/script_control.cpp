#include <string>

#include "platform/win32/com_services.h"
#include "platform/win32/com_util.h"

namespace talvo {

namespace {

Text ResultText(VARIANT* value) {
  switch (V_VT(value)) {
    case VT_BSTR:
      return com::ToAnsi(V_BSTR(value), static_cast<int>(SysStringLen(V_BSTR(value))));
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_INT:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
    case VT_R4:
    case VT_R8:
    case VT_DECIMAL:
    case VT_CY: {
      com::Variant text;
      if (FAILED(VariantChangeTypeEx(text.get(), value, LOCALE_INVARIANT, 0, VT_BSTR)))
        return Text();
      return ResultText(text.get());
    }
    default:
      return Text();  // undefined, null, objects, ...
  }
}

class ScriptControlEngine final : public ScriptEngine {
 public:
  explicit ScriptControlEngine(const wchar_t* progId) : progId_(progId) {}

  Text Run(const Text& script, const Text& functionName, const Text& argument1,
           const Text& argument2, const Text& argument3) override {
    com::Apartment apartment;
    com::Dispatch control = com::CreateByProgId(progId_.c_str());
    if (!control) return Text();  // every later step would fail the same way

    const com::BStr language(L"javascript"), code(com::FromAnsi(script)),
        name(com::FromAnsi(functionName)), a1(com::FromAnsi(argument1)),
        a2(com::FromAnsi(argument2)), a3(com::FromAnsi(argument3));
    com::Invoke(control.get(), L"Language", DISPATCH_PROPERTYPUT, {com::StringArgument(language)},
                nullptr);
    com::Invoke(control.get(), L"AddCode", DISPATCH_METHOD, {com::StringArgument(code)}, nullptr);

    com::Variant result;
    HRESULT hr = com::Invoke(control.get(), L"run", DISPATCH_METHOD,
                             {com::StringArgument(name), com::StringArgument(a1),
                              com::StringArgument(a2), com::StringArgument(a3)},
                             result.get());
    if (hr == DISP_E_BADPARAMCOUNT)
      hr = RunWithArgumentArray(control, name, {&a1, &a2, &a3}, result);
    if (FAILED(hr)) return Text();
    return ResultText(result.get());
  }

 private:
  // Windows' control takes the arguments after the name as trailing parameters; Wine's
  // refuses that and wants them as one by-reference array of VARIANTs.
  static HRESULT RunWithArgumentArray(const com::Dispatch& control, const com::BStr& name,
                                      std::initializer_list<const com::BStr*> arguments,
                                      com::Variant& result) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(arguments.size()));
    if (!array) return E_OUTOFMEMORY;
    LONG index = 0;
    for (const com::BStr* argument : arguments) {
      VARIANT element = com::StringArgument(*argument);
      SafeArrayPutElement(array, &index, &element);  // copies the string
      ++index;
    }
    VARIANT byRef;
    VariantInit(&byRef);
    V_VT(&byRef) = VT_BYREF | VT_ARRAY | VT_VARIANT;
    V_ARRAYREF(&byRef) = &array;
    VariantClear(result.get());
    const HRESULT hr = com::Invoke(control.get(), L"run", DISPATCH_METHOD,
                                   {com::StringArgument(name), byRef}, result.get());
    SafeArrayDestroy(array);
    return hr;
  }

  std::wstring progId_;
};

}  // namespace

std::unique_ptr<ScriptEngine> MakeScriptControlEngine(const wchar_t* progId) {
  return std::make_unique<ScriptControlEngine>(progId);
}

}  // namespace talvo
