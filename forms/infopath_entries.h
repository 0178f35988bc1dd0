#pragma once

#include <string>

namespace vexo::forms {

// The two InfoPath settings as the dialog edits them (UTF-8, free text).
struct InfoPathEntries {
    std::string name_space;
    std::string path;
};

// Section "InfoPath", keys "xNameSpace" and "xPath"; missing ones read as empty.
InfoPathEntries LoadInfoPathEntries();

// Writes both keys in one update, as typed. A failed write throws SettingsWriteError.
void SaveInfoPathEntries(const InfoPathEntries& entries);

}  // namespace vexo::forms
