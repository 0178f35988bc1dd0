#include "cp1252.h"

#include <cstdint>

namespace vexo {
namespace {

// 0x80..0x9F; 0 marks the five bytes that 1252 leaves undefined (mapped like Windows does,
// to the C1 control of the same value).
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t ByteToCodePoint(unsigned char b) {
    if (b < 0x80 || b >= 0xA0) return b;
    char16_t c = kHigh[b - 0x80];
    return c ? c : b;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one code point at `i`; malformed input yields U+FFFD and advances one byte.
char32_t NextCodePoint(std::string_view s, size_t& i) {
    auto b = static_cast<unsigned char>(s[i++]);
    if (b < 0x80) return b;
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + extra > s.size()) return 0xFFFD;
    char32_t c = b & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        auto t = static_cast<unsigned char>(s[i + k]);
        if ((t & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (t & 0x3F);
    }
    i += extra;
    return c;
}

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        char32_t c = NextCodePoint(utf8, i);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        char byte = '?';
        for (unsigned k = 0; k < 32; ++k) {
            if (ByteToCodePoint(static_cast<unsigned char>(0x80 + k)) == c) {
                byte = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += byte;
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (char ch : cp1252) AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(ch)));
    return out;
}

}  // namespace vexo
