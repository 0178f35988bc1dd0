#pragma once

#include <string>
#include <string_view>

namespace vexo {

// Windows code page 1252, the file encoding on every platform without an ANSI code page.
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);

}  // namespace vexo
