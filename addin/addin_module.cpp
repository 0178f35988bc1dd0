#include "addin_module.h"

#include "files.h"
#include "settings.h"

namespace vexo {
namespace {

constexpr int kInfoPathBarButton = 4;

bool ValidRibbonButton(int group, int button) {
    return group >= 0 && group < kRibbonGroupCount && button >= 0 &&
           button < kRibbonButtonCounts[group];
}

}  // namespace

std::string FormatAddInError(const std::string& message) {
    return "Vexo Add-In error: the add-in has fired an exception.\r\n" + message;
}

TAddInModule::TAddInModule(TadxOfficeHostApp host_kind, OfficeHost& host, CommandSurface& surface,
                           UiServices& ui)
    : host_kind_(host_kind), host_(host), surface_(surface), ui_(ui) {
    bar_[kInfoPathBarButton].visible = false;  // start-up shows it in InfoPath
    for (auto& group : ribbon_enabled_) group.fill(true);
}

void TAddInModule::ReportFailure(std::exception_ptr failure) noexcept {
    std::string message;
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "Unbekannter Fehler";
    }
    // Nothing may unwind into the host, not even a failing error box.
    try {
        ui_.ShowError(FormatAddInError(message));
    } catch (...) {
    }
}

void TAddInModule::Execute(const TAction& action,
                           void (TAddInModule::*handler)() noexcept) noexcept {
    if (action.enabled_) (this->*handler)();
}

// Start-up

void TAddInModule::adxCOMAddInModuleAddInInitialize() noexcept {
    Guarded([this] { Initialize(); });
}

void TAddInModule::Initialize() {
    HostKind = host_kind_;
    HostVersion = host_.Version();
    // A folder that cannot be made is reported later by the settings and log operations.
    files::CreateDirectories(GetDataFolder());
    SetBarButtonVisible(kInfoPathBarButton, host_kind_ == ohaInfoPath);
}

// Command state

bool TAddInModule::BarButtonEnabled(int index) const noexcept {
    return index >= 0 && index < kBarButtonCount && bar_[index].enabled;
}

bool TAddInModule::BarButtonVisible(int index) const noexcept {
    return index >= 0 && index < kBarButtonCount && bar_[index].visible;
}

bool TAddInModule::RibbonButtonEnabled(int group, int button) const noexcept {
    return ValidRibbonButton(group, button) && ribbon_enabled_[group][button];
}

void TAddInModule::SetBarButtonVisible(int index, bool visible) {
    if (bar_[index].visible == visible) return;
    bar_[index].visible = visible;
    surface_.BarButtonChanged(index);
}

void TAddInModule::SetCommandState(int BarIndex, int GroupIndex, int ButtonIndex, bool Disable) {
    if (BarIndex >= 0 && BarIndex < kBarButtonCount && bar_[BarIndex].enabled == Disable) {
        bar_[BarIndex].enabled = !Disable;
        surface_.BarButtonChanged(BarIndex);
    }
    if (ValidRibbonButton(GroupIndex, ButtonIndex) &&
        ribbon_enabled_[GroupIndex][ButtonIndex] == Disable) {
        ribbon_enabled_[GroupIndex][ButtonIndex] = !Disable;
        surface_.RibbonButtonChanged(GroupIndex, ButtonIndex);
    }
}

// Clicks

void TAddInModule::CommandBarButtonClick(int index) noexcept {
    switch (index) {
        case 0: acSaveExecute(); break;
        case 1: acCallInsertExecute(); break;
        case 2: acOptionsExecute(); break;
        case 3: acLogfileExecute(); break;
        case 4: acInfoPathSettingsExecute(); break;
        case 5: acInfoExecute(); break;
        default: break;
    }
}

void TAddInModule::adxRibbonTab1Controls1Controls0Controls0Click() noexcept {
    Execute(acSave, &TAddInModule::acSaveExecute);
}

void TAddInModule::adxRibbonTab1Controls0Controls0Controls0Click() noexcept {
    Execute(acCallInsert, &TAddInModule::acCallInsertExecute);
}

void TAddInModule::adxRibbonTab1Controls0Controls0Controls1Click() noexcept {
    Execute(acOptions, &TAddInModule::acOptionsExecute);
}

void TAddInModule::adxRibbonTab1Controls1Controls0Controls2Click() noexcept {
    Execute(acLogfile, &TAddInModule::acLogfileExecute);
}

void TAddInModule::adxRibbonTab1Controls0Controls0Controls2Click() noexcept {
    Execute(acInfo, &TAddInModule::acInfoExecute);
}

void TAddInModule::RibbonButtonClick(int group, int button) noexcept {
    if (group == 0 && button == 0) return adxRibbonTab1Controls1Controls0Controls0Click();
    if (group != 1) return;
    switch (button) {
        case 0: adxRibbonTab1Controls0Controls0Controls0Click(); break;
        case 1: adxRibbonTab1Controls0Controls0Controls1Click(); break;
        case 2: adxRibbonTab1Controls1Controls0Controls2Click(); break;
        case 3: adxRibbonTab1Controls0Controls0Controls2Click(); break;
        default: break;
    }
}

// Host events. (0, 0, 0) is the Save pair, (1, 1, 0) the Insert pair. They never touch
// acInsert: only the re-arm tick enables it.

void TAddInModule::adxWordAppEvents1DocumentBeforeClose() noexcept {
    Guarded([this] {
        SetCommandState(0, 0, 0, true);
        SetCommandState(1, 1, 0, true);
    });
}

void TAddInModule::adxWordAppEvents1NewDocument() noexcept {
    Guarded([this] {
        SetCommandState(0, 0, 0, false);
        SetCommandState(1, 1, 0, false);
    });
}

void TAddInModule::adxWordAppEvents1DocumentOpen() noexcept {
    adxWordAppEvents1NewDocument();
}

void TAddInModule::adxWordAppEvents1WindowSelectionChange() noexcept {
    adxWordAppEvents1NewDocument();
}

void TAddInModule::adxExcelAppEvents1WorkbookBeforeClose() noexcept {
    adxWordAppEvents1DocumentBeforeClose();
}

void TAddInModule::adxExcelAppEvents1NewWorkbook() noexcept {
    adxWordAppEvents1NewDocument();
}

void TAddInModule::adxExcelAppEvents1WorkbookOpen() noexcept {
    adxWordAppEvents1NewDocument();
}

void TAddInModule::adxExcelAppEvents1SheetSelectionChange() noexcept {
    adxWordAppEvents1NewDocument();
}

// Dialogs

void TAddInModule::acOptionsExecute() noexcept {
    Guarded([this] { ui_.ShowOptionsDialog(); });
}

void TAddInModule::acLogfileExecute() noexcept {
    Guarded([this] { ui_.ShowLogfileDialog(); });
}

void TAddInModule::acInfoPathSettingsExecute() noexcept {
    Guarded([this] { ui_.ShowInfoPathSettingsDialog(); });
}

void TAddInModule::acInfoExecute() noexcept {
    Guarded([this] { ui_.ShowAboutDialog(); });
}

}  // namespace vexo
