#include "save_paths.h"

#include <cstring>

#include "platform.h"

namespace vexo {

std::string FormFileName(const std::string& number) {
    std::string name = number;
    for (char& c : name) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || std::strchr("\\/:*?\"<>|", c)) c = '_';
    }
    return name + ".xml";
}

std::string LocationFolder(const std::string& location) {
    const char separators[] = {'\\', ':', kPathSeparator, '\0'};
    size_t last = location.find_last_of(separators);
    return last == std::string::npos ? std::string() : location.substr(0, last + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == kPathSeparator) return folder + name;
    return folder + kPathSeparator + name;
}

std::string OverwriteQuestion(const std::string& path) {
    std::string quoted;
    for (char c : path) {
        quoted += c;
        if (c == '\'') quoted += '\'';
    }
    return "Die Datei '" + quoted + "' existiert bereits.\r\nSoll die Datei überschrieben werden?";
}

}  // namespace vexo
