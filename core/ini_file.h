#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexo {

// The text of a Windows profile (INI) file with the profile functions' semantics: sections and
// keys compare without regard to case, names and values are trimmed of blanks and tabs, the
// first of duplicate sections and keys wins, an update replaces the value in place and keeps
// the key's spelling, a missing key goes to the end of its section and a missing section to
// the end of the file. Lines end with CR LF when written.
class IniFile {
public:
    IniFile() = default;
    explicit IniFile(std::string_view text);

    // The value as stored, trimmed and cut to kMaxValueLength characters; nullopt when the
    // section or key is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

    static constexpr size_t kMaxValueLength = 2047;

private:
    // Index of the first line of the section's body, or npos.
    size_t FindSectionBody(std::string_view section) const;
    size_t FindKey(size_t body, std::string_view key) const;

    std::vector<std::string> lines_;
};

}  // namespace vexo
