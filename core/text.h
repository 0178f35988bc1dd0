#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexo {

bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// At most `count` characters (code points) of UTF-8 text.
std::string_view Utf8Prefix(std::string_view text, size_t count);

// `text` in double quotes with every double quote inside doubled.
std::string Quote(std::string_view text);

// Integer text as the settings file reads it: optional sign and decimal digits, or "0x"
// followed by up to eight hexadecimal digits (taken as 32 bits); nullopt for anything else or
// a decimal beyond the 32-bit range.
std::optional<int32_t> ParseInt32(std::string_view text);

}  // namespace vexo
