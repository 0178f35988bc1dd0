#include "ini_file.h"

#include <algorithm>

#include "text.h"

namespace vexo {
namespace {

constexpr size_t npos = std::string::npos;

std::string_view Trim(std::string_view s) {
    const char* blanks = " \t";
    size_t b = s.find_first_not_of(blanks);
    if (b == npos) return {};
    return s.substr(b, s.find_last_not_of(blanks) - b + 1);
}

// The name of a section line "[name]", or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    size_t close = t.find(']');
    return Trim(t.substr(1, close == npos ? npos : close - 1));
}

// Splits an entry line at its first '='; nullopt when there is none.
std::optional<std::pair<std::string_view, std::string_view>> Entry(std::string_view line) {
    size_t eq = line.find('=');
    if (eq == npos) return std::nullopt;
    return std::make_pair(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
}

// Values are one line: a line break inside would turn the rest into a line of its own.
std::string OneLine(std::string_view value) {
    std::string v(value);
    std::replace_if(
        v.begin(), v.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return v;
}

}  // namespace

IniFile::IniFile(std::string_view text) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == npos ? npos : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.emplace_back(line);
        if (end == npos) break;
        start = end + 1;
    }
}

size_t IniFile::FindSectionBody(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        auto name = SectionName(lines_[i]);
        if (name && EqualsIgnoreCase(*name, section)) return i + 1;
    }
    return npos;
}

size_t IniFile::FindKey(size_t body, std::string_view key) const {
    for (size_t i = body; i < lines_.size() && !SectionName(lines_[i]); ++i) {
        auto entry = Entry(lines_[i]);
        if (entry && EqualsIgnoreCase(entry->first, key)) return i;
    }
    return npos;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    size_t body = FindSectionBody(section);
    if (body == npos) return std::nullopt;
    size_t at = FindKey(body, key);
    if (at == npos) return std::nullopt;
    return std::string(Utf8Prefix(Entry(lines_[at])->second, kMaxValueLength));
}

void IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    std::string v = OneLine(value);
    size_t body = FindSectionBody(section);
    if (body == npos) {
        if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + v);
        return;
    }
    size_t at = FindKey(body, key);
    if (at != npos) {
        lines_[at] = std::string(Entry(lines_[at])->first) + "=" + v;
        return;
    }
    // After the section's last non-blank line, so a blank line before the next section stays.
    size_t insert = body;
    for (size_t i = body; i < lines_.size() && !SectionName(lines_[i]); ++i) {
        if (!Trim(lines_[i]).empty()) insert = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert), std::string(key) + "=" + v);
}

std::string IniFile::Text() const {
    std::string out;
    for (const auto& line : lines_) {
        out += line;
        out += "\r\n";
    }
    return out;
}

}  // namespace vexo
