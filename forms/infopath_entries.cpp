#include "infopath_entries.h"

#include "settings.h"

namespace vexo::forms {

InfoPathEntries LoadInfoPathEntries() {
    Settings s = Settings::Load();
    return {s.Text(keys::kInfoPath, keys::kNameSpace, ""),
            s.Text(keys::kInfoPath, keys::kPath, "")};
}

void SaveInfoPathEntries(const InfoPathEntries& entries) {
    UpdateSettings([&](Settings& s) {
        s.SetText(keys::kInfoPath, keys::kNameSpace, entries.name_space);
        s.SetText(keys::kInfoPath, keys::kPath, entries.path);
    });
}

}  // namespace vexo::forms
