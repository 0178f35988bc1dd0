#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "ini_file.h"

namespace vexo {

// The per-user data folder: application data + "Ostrak\Vexo\", always ending with a separator.
std::string GetDataFolder();
// The same, for a given application-data path (empty gives the root "\Ostrak\Vexo\").
std::string ComposeDataFolder(std::string app_data);
std::string SettingsPath();  // data folder + "vexo.ini"

// One reading of the settings file with the value forms that Vexo stores: text, integer,
// boolean and quoted text. Readers fall back to the caller's default.
class Settings {
public:
    // The file as it is now; a missing file reads as empty. An unreadable one throws.
    static Settings Load();
    explicit Settings(IniFile ini = {}) : ini_(std::move(ini)) {}

    std::string Text(std::string_view section, std::string_view key,
                     std::string_view fallback) const;
    int32_t Integer(std::string_view section, std::string_view key, int32_t fallback) const;
    bool Boolean(std::string_view section, std::string_view key, bool fallback) const;
    // Text written with QuotedText keeps its leading and trailing blanks and its quotes.
    std::string QuotedText(std::string_view section, std::string_view key,
                           std::string_view fallback) const;

    void SetText(std::string_view section, std::string_view key, std::string_view value);
    void SetInteger(std::string_view section, std::string_view key, int64_t value);
    void SetBoolean(std::string_view section, std::string_view key, bool value);
    void SetQuotedText(std::string_view section, std::string_view key, std::string_view value);

    const IniFile& ini() const { return ini_; }

private:
    IniFile ini_;
};

// Changes the settings file all at once: under the data lock, reads it, lets `edit` change
// it, and swaps the new content in. Throws SettingsWriteError when it cannot be written,
// leaving the file as it was.
void UpdateSettings(const std::function<void(Settings&)>& edit);

// Namespace declaration and node path for InfoPath forms, as stored. False, after telling the
// user, when either is empty or blank.
bool ReadInfoPathSettings(std::string& name_space, std::string& path);
std::string ReadSaveFolder();
void WriteSaveFolder(const std::string& folder);

// Sections and keys of "vexo.ini".
namespace keys {
inline constexpr std::string_view kOptions = "Optionen";
inline constexpr std::string_view kTextBefore = "TextBefore";
inline constexpr std::string_view kPrefix = "Prefix";
inline constexpr std::string_view kSep = "Sep";
inline constexpr std::string_view kTextAfter = "TextAfter";
inline constexpr std::string_view kPadding = "Padding";
inline constexpr std::string_view kLeadingText = "LeadingText";
inline constexpr std::string_view kCounterSection = "Zaehler";
inline constexpr std::string_view kCounter = "Counter";
inline constexpr std::string_view kInfoPath = "InfoPath";
inline constexpr std::string_view kNameSpace = "xNameSpace";
inline constexpr std::string_view kPath = "xPath";
inline constexpr std::string_view kSaveFolder = "SaveFolder";
}  // namespace keys

}  // namespace vexo
