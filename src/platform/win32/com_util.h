// Small RAII pieces for COM late binding.
#pragma once

#include <ole2.h>
#include <oleauto.h>
#include <windows.h>

#include <string>
#include <vector>

namespace talvo::com {

// One apartment for the length of a call: CoInitialize on entry, CoUninitialize on exit
// (on a thread that is already in an apartment the pair only counts up and down).
class Apartment {
 public:
  Apartment() { CoInitialize(nullptr); }
  ~Apartment() { CoUninitialize(); }
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;
};

class Dispatch {
 public:
  Dispatch() = default;
  explicit Dispatch(IDispatch* p) : p_(p) {}
  ~Dispatch() { Reset(); }
  Dispatch(const Dispatch&) = delete;
  Dispatch& operator=(const Dispatch&) = delete;
  Dispatch(Dispatch&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
  Dispatch& operator=(Dispatch&& other) noexcept {
    if (this != &other) {
      Reset();
      p_ = other.p_;
      other.p_ = nullptr;
    }
    return *this;
  }
  void Reset() {
    if (p_) p_->Release();
    p_ = nullptr;
  }
  IDispatch* get() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  IDispatch* p_ = nullptr;
};

class Variant {
 public:
  Variant() { VariantInit(&v_); }
  ~Variant() { VariantClear(&v_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT* get() { return &v_; }
  const VARIANT* get() const { return &v_; }

 private:
  VARIANT v_;
};

// A BSTR owned for the length of a scope.
class BStr {
 public:
  explicit BStr(const std::wstring& s)
      : b_(SysAllocStringLen(s.data(), static_cast<UINT>(s.size()))) {}
  ~BStr() { SysFreeString(b_); }
  BStr(const BStr&) = delete;
  BStr& operator=(const BStr&) = delete;
  BSTR get() const { return b_; }

 private:
  BSTR b_;
};

// A VARIANT that borrows the string of s (the BStr keeps ownership).
inline VARIANT StringArgument(const BStr& s) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_BSTR;
  V_BSTR(&v) = s.get();
  return v;
}

// Creates the object of a ProgID in any context the platform offers (retrying with the
// in-process server, handler and local server when that set is refused as invalid) and
// puts it into its running state. Empty when any of it fails.
Dispatch CreateByProgId(const wchar_t* progId);

// Calls a member by name (names match without regard to case). Arguments in their natural
// order; result may be null.
HRESULT Invoke(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> arguments,
               VARIANT* result);

// ANSI code page <-> UTF-16, with the code page's own default character.
std::wstring FromAnsi(const std::string& text);
std::string ToAnsi(const wchar_t* text, int length);

}  // namespace talvo::com
