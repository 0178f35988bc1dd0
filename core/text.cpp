#include "text.h"

namespace vexo {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = Lower(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

std::string_view Utf8Prefix(std::string_view text, size_t count) {
    size_t i = 0;
    for (size_t n = 0; i < text.size() && n < count; ++n) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    }
    return text.substr(0, i);
}

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::optional<int32_t> ParseInt32(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::string_view digits = text.substr(2);
        if (digits.size() > 8) return std::nullopt;
        uint32_t v = 0;
        for (char c : digits) {
            int d = HexDigit(c);
            if (d < 0) return std::nullopt;
            v = v * 16 + static_cast<uint32_t>(d);
        }
        return static_cast<int32_t>(v);
    }
    bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > int64_t{INT32_MAX} + 1) return std::nullopt;
    }
    if (negative) v = -v;
    if (v > INT32_MAX || v < INT32_MIN) return std::nullopt;
    return static_cast<int32_t>(v);
}

}  // namespace vexo
