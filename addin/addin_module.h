#pragma once

#include <array>
#include <exception>
#include <string>

#include "command_surface.h"
#include "host_state.h"
#include "office_host.h"
#include "ui_services.h"

namespace vexo {

// One of the module's actions: executing it runs its handler only while it is enabled. Only
// acInsert ever changes its state.
class TAction {
public:
    bool Enabled() const { return enabled_; }

private:
    friend class TAddInModule;
    bool enabled_ = true;
};

// Command-bar buttons: 0 "Speichern unter...", 1 "Einfügen...", 2 "Einstellungen...",
// 3 "Logfile...", 4 "InfoPath...", 5 "Info...".
inline constexpr int kBarButtonCount = 6;
// Ribbon: group 0 "Speichern" holds button 0 "Speichern"; group 1 "Rechnungsnummer" holds
// 0 "Einfügen", 1 "Einstellungen", 2 "Logfile", 3 "Über Vexo".
inline constexpr int kRibbonGroupCount = 2;
inline constexpr int kRibbonButtonCounts[kRibbonGroupCount] = {1, 4};

inline constexpr int kInsertRearmMs = 500;
inline constexpr char kNumberProperty[] = "VexoCounter";
inline constexpr char kNumberPropertyFallback[] = "Rechnung";

// The text of the error box for a failure that escaped a handler:
// "Vexo Add-In error: the add-in has fired an exception." CR LF and the failure's message.
std::string FormatAddInError(const std::string& message);

// The add-in module inside one Office host: owns the state of the command bar and ribbon
// buttons and of the actions, and carries out the commands on the host. Everything runs on the
// host's user-interface thread.
//
// The handlers the glue calls (start-up, clicks, ribbon, host events, timer, actions) are
// noexcept: a failure ends the handler at the failing step, keeps what was done and is shown
// through UiServices::ShowError with FormatAddInError's text.
class TAddInModule {
public:
    TAddInModule(TadxOfficeHostApp host_kind, OfficeHost& host, CommandSurface& surface,
                 UiServices& ui);
    TAddInModule(const TAddInModule&) = delete;
    TAddInModule& operator=(const TAddInModule&) = delete;

    TadxOfficeHostApp host_kind() const { return host_kind_; }

    // Start-up: records HostKind and HostVersion, creates the data folder and shows the button
    // "InfoPath..." in InfoPath only; stops at the first failing step.
    void adxCOMAddInModuleAddInInitialize() noexcept;

    // Command-bar button `index` was clicked: runs its handler directly, as the classic bar
    // does (no action consulted; Insert goes through its gate).
    void CommandBarButtonClick(int index) noexcept;
    // The ribbon handlers; each executes its action.
    void adxRibbonTab1Controls1Controls0Controls0Click() noexcept;  // Speichern: acSave
    void adxRibbonTab1Controls0Controls0Controls0Click() noexcept;  // Einfügen: acCallInsert
    void adxRibbonTab1Controls0Controls0Controls1Click() noexcept;  // Einstellungen: acOptions
    void adxRibbonTab1Controls1Controls0Controls2Click() noexcept;  // Logfile: acLogfile
    void adxRibbonTab1Controls0Controls0Controls2Click() noexcept;  // Über Vexo: acInfo
    // The same by position; unknown positions do nothing.
    void RibbonButtonClick(int group, int button) noexcept;

    // Host events: a closing document disables Save and Insert, the others enable them.
    void adxWordAppEvents1DocumentBeforeClose() noexcept;
    void adxWordAppEvents1NewDocument() noexcept;
    void adxWordAppEvents1DocumentOpen() noexcept;
    void adxWordAppEvents1WindowSelectionChange() noexcept;
    void adxExcelAppEvents1WorkbookBeforeClose() noexcept;
    void adxExcelAppEvents1NewWorkbook() noexcept;
    void adxExcelAppEvents1WorkbookOpen() noexcept;
    void adxExcelAppEvents1SheetSelectionChange() noexcept;

    // The one-shot re-arm tick, kInsertRearmMs after an insert started.
    void timResetInsertTimer() noexcept;

    // Action handlers. acCallInsertExecute is the gate: it inserts only while acInsert is
    // enabled.
    void acSaveExecute() noexcept;
    void acCallInsertExecute() noexcept;
    void acInsertExecute() noexcept;
    void acOptionsExecute() noexcept;
    void acLogfileExecute() noexcept;
    void acInfoPathSettingsExecute() noexcept;
    void acInfoExecute() noexcept;

    TAction acSave, acInsert, acCallInsert, acOptions, acLogfile, acInfoPathSettings, acInfo;

    // Button states for the surface; false for positions that do not exist.
    bool BarButtonEnabled(int index) const noexcept;
    bool BarButtonVisible(int index) const noexcept;
    bool RibbonButtonEnabled(int group, int button) const noexcept;

    // Enables (Disable false) or disables command-bar button BarIndex and ribbon button
    // ButtonIndex of group GroupIndex; each is written, and the surface told, only when its
    // state changes. A failing notification passes to the caller.
    void SetCommandState(int BarIndex, int GroupIndex, int ButtonIndex, bool Disable);

    // The custom text property `name` of the active workbook or document. The write replaces
    // an existing value; failures of the replacement pass to the caller. The read gives
    // "Rechnung" when the property or the active document is missing.
    void WriteDocumentProperty(const std::string& name, const std::string& value);
    std::string ReadDocumentProperty(const std::string& name);

private:
    template <typename Step>
    void Guarded(Step&& step) noexcept {
        try {
            step();
        } catch (...) {
            ReportFailure(std::current_exception());
        }
    }
    void ReportFailure(std::exception_ptr failure) noexcept;
    void Execute(const TAction& action, void (TAddInModule::*handler)() noexcept) noexcept;

    void Initialize();
    void SetBarButtonVisible(int index, bool visible);

    void InsertNumber();
    void InsertIntoWorkbook();
    void InsertIntoDocument();
    void InsertIntoForm();
    bool HasVexoTextField();
    template <typename Place>
    std::string Issue(const std::string& label, Place&& place);

    void SaveUnderNumber();
    void SaveWorkbook();
    void SaveDocument();
    void SaveForm();

    struct BarButton {
        bool enabled = true;
        bool visible = true;
    };

    TadxOfficeHostApp host_kind_;
    OfficeHost& host_;
    CommandSurface& surface_;
    UiServices& ui_;
    std::array<BarButton, kBarButtonCount> bar_;
    std::array<std::array<bool, 4>, kRibbonGroupCount> ribbon_enabled_;
};

}  // namespace vexo
