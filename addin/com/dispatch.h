#pragma once

// Late-bound calls on Office objects by member name (GetIDsOfNames + Invoke). A failing call
// throws ComError with the host's own description when it gives one.
#include <initializer_list>
#include <string>

#include "com_types.h"
#include "error.h"

namespace vexo::office {

class ComError : public Error {
public:
    ComError(const std::string& message, HRESULT hr) : Error(message), hr_(hr) {}
    HRESULT hr() const { return hr_; }

private:
    HRESULT hr_;
};

// Throws ComError when `hr` failed: the EXCEPINFO description when there is one, else a German
// text naming `what` and the code. Frees the EXCEPINFO strings either way.
void Check(HRESULT hr, const std::string& what, EXCEPINFO* info = nullptr);

DISPID GetDispId(IDispatch* object, const wchar_t* member);

// Arguments are given first to last, as in the host's documentation.
Variant Get(IDispatch* object, const wchar_t* member, std::initializer_list<Variant> args = {});
void Put(IDispatch* object, const wchar_t* member, const Variant& value,
         std::initializer_list<Variant> index = {});
Variant Call(IDispatch* object, const wchar_t* member, std::initializer_list<Variant> args = {});
// A method call with one argument passed by its name (e.g. TypeText Text:=...).
Variant CallNamed(IDispatch* object, const wchar_t* member, const wchar_t* arg_name,
                  const Variant& value);

// Get, where the next step needs an object: a result without one throws Error(`missing`).
ComPtr<IDispatch> GetObject(IDispatch* object, const wchar_t* member,
                            std::initializer_list<Variant> args, const std::string& missing);
ComPtr<IDispatch> GetObject(IDispatch* object, const wchar_t* member);

}  // namespace vexo::office
