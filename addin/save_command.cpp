#include "addin_module.h"
#include "files.h"
#include "messages.h"
#include "platform.h"
#include "save_paths.h"
#include "settings.h"

namespace vexo {
namespace {

void Refuse(const std::string& text) {
    CurrentPlatform().ShowMessage(text, MessageKind::Information);
}

}  // namespace

void TAddInModule::acSaveExecute() noexcept {
    Guarded([this] { SaveUnderNumber(); });
}

void TAddInModule::SaveUnderNumber() {
    switch (host_kind_) {
        case ohaExcel: SaveWorkbook(); break;
        case ohaWord: SaveDocument(); break;
        case ohaInfoPath: SaveForm(); break;
        default: break;
    }
}

// Excel's and Word's own Save As dialogs get the number unchanged: they check the name
// themselves.
void TAddInModule::SaveWorkbook() {
    if (host_.WorkbookCount() == 0) return Refuse(messages::kNoWorkbook);
    host_.ShowExcelSaveAs(ReadDocumentProperty(kNumberProperty));
}

void TAddInModule::SaveDocument() {
    if (host_.DocumentCount() == 0) return Refuse(messages::kNoDocument);
    host_.ShowWordSaveAs(ReadDocumentProperty(kNumberProperty));
}

void TAddInModule::SaveForm() {
    if (host_.FormCount() == 0) return Refuse(messages::kNoForm);
    std::string name_space, path;
    if (!ReadInfoPathSettings(name_space, path)) return;
    host_.SetSelectionNamespaces(name_space);
    std::string number = host_.NodeText(path);
    if (number.empty()) return Refuse(messages::kNoNumberInForm + path);
    std::string file_name = FormFileName(number);

    // The form's own folder when it was opened from one, else the one the user picks.
    std::string folder = LocationFolder(host_.FormUri());
    if (host_.FormIsNew() || folder.empty() || !files::IsDirectory(folder)) {
        auto picked = ui_.PickFolder(ReadSaveFolder());
        if (!picked) return;
        folder = *picked;
        WriteSaveFolder(folder);
    }

    std::string full_path = JoinPath(folder, file_name);
    if (files::Exists(full_path) &&
        ui_.AskOverwrite(OverwriteQuestion(full_path)) != OverwriteAnswer::Yes)
        return;
    host_.SetSaveAsDialogFileName(file_name);
    host_.SetSaveAsDialogLocation(folder);
    host_.SaveFormAs(full_path);
}

}  // namespace vexo
