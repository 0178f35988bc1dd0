#include "settings.h"

#include "data_lock.h"
#include "error.h"
#include "files.h"
#include "platform.h"
#include "text.h"

namespace vexo {

SettingsWriteError::SettingsWriteError(const std::string& path)
    : Error("In " + path + " kann nicht geschrieben werden") {}

std::string ComposeDataFolder(std::string app_data) {
    if (app_data.empty() || app_data.back() != kPathSeparator) app_data += kPathSeparator;
    app_data += "Ostrak";
    app_data += kPathSeparator;
    app_data += "Vexo";
    app_data += kPathSeparator;
    return app_data;
}

std::string GetDataFolder() {
    return ComposeDataFolder(CurrentPlatform().AppDataFolder());
}

std::string SettingsPath() {
    return GetDataFolder() + "vexo.ini";
}

Settings Settings::Load() {
    auto bytes = files::ReadAll(SettingsPath());
    return Settings(bytes ? IniFile(FromAnsi(*bytes)) : IniFile());
}

std::string Settings::Text(std::string_view section, std::string_view key,
                           std::string_view fallback) const {
    auto v = ini_.Value(section, key);
    if (!v) return std::string(fallback);
    // The profile functions drop one pair of enclosing quotes.
    if (v->size() >= 2 && (v->front() == '"' || v->front() == '\'') && v->back() == v->front())
        return v->substr(1, v->size() - 2);
    return *v;
}

int32_t Settings::Integer(std::string_view section, std::string_view key, int32_t fallback) const {
    auto v = ini_.Value(section, key);
    if (!v) return fallback;
    return ParseInt32(*v).value_or(fallback);
}

bool Settings::Boolean(std::string_view section, std::string_view key, bool fallback) const {
    return Integer(section, key, fallback ? 1 : 0) != 0;
}

std::string Settings::QuotedText(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
    auto v = ini_.Value(section, key);
    if (!v) return std::string(fallback);
    const std::string& s = *v;
    if (s.empty() || s[0] != '"') return s;
    std::string out;
    for (size_t i = 1; i < s.size(); ++i) {
        if (s[i] != '"') {
            out += s[i];
        } else if (i + 1 < s.size() && s[i + 1] == '"') {
            out += '"';
            ++i;
        } else {
            return out;  // the closing quote
        }
    }
    return s;  // no closing quote: taken unchanged
}

void Settings::SetText(std::string_view section, std::string_view key, std::string_view value) {
    ini_.SetValue(section, key, value);
}

void Settings::SetInteger(std::string_view section, std::string_view key, int64_t value) {
    ini_.SetValue(section, key, std::to_string(value));
}

void Settings::SetBoolean(std::string_view section, std::string_view key, bool value) {
    ini_.SetValue(section, key, value ? "1" : "0");
}

void Settings::SetQuotedText(std::string_view section, std::string_view key,
                             std::string_view value) {
    ini_.SetValue(section, key, Quote(value));
}

void UpdateSettings(const std::function<void(Settings&)>& edit) {
    DataLock lock;
    Settings settings = Settings::Load();
    edit(settings);
    std::string path = SettingsPath();
    if (!files::ReplaceAtomically(path, ToAnsi(settings.ini().Text())))
        throw SettingsWriteError(path);
}

bool ReadInfoPathSettings(std::string& name_space, std::string& path) {
    Settings s = Settings::Load();
    name_space = s.Text(keys::kInfoPath, keys::kNameSpace, "");
    path = s.Text(keys::kInfoPath, keys::kPath, "");
    auto blank = [](const std::string& t) { return t.find_first_not_of(' ') == std::string::npos; };
    if (blank(name_space) || blank(path)) {
        CurrentPlatform().ShowMessage(
            "Namespace oder Pfad für InfoPath sind nicht gültig. Überprüfen Sie die "
            "InfoPath-Einstellungen.",
            MessageKind::Plain);
        return false;
    }
    return true;
}

std::string ReadSaveFolder() {
    return Settings::Load().Text(keys::kInfoPath, keys::kSaveFolder, "C:\\");
}

void WriteSaveFolder(const std::string& folder) {
    UpdateSettings([&](Settings& s) { s.SetText(keys::kInfoPath, keys::kSaveFolder, folder); });
}

}  // namespace vexo
