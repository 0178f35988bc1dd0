#pragma once

#include <string>
#include <string_view>

namespace vexo::com {

// UTF-8, the text of the core, to and from the UTF-16 of COM and the wide Win32 API.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

}  // namespace vexo::com
