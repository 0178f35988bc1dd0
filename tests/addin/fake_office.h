#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "addin_module.h"
#include "command_surface.h"
#include "office_host.h"
#include "ui_services.h"

namespace vexo::testing {

// One configurable Office host of any kind. Each operation is recorded by its member name in
// `calls`, runs `on_call` first and throws vexo::Error when its name is in `failing`.
class FakeOfficeHost : public OfficeHost {
public:
    std::string version = "11.0";

    // Excel and Word
    int workbooks = 1;
    int documents = 1;
    bool has_active_document = true;
    std::map<std::string, std::string> properties;  // the active document's custom properties
    std::string cell;                               // the active cell's input
    std::string typed;                              // text typed at the selection
    std::string save_as_name;                       // the name a host Save As dialog was shown with
    int save_as_dialogs = 0;

    // Word forms
    int protection = -1;
    struct FormField {
        std::string name;
        bool text_input = true;
        std::string result;
    };
    std::vector<FormField> fields;

    // InfoPath
    int forms = 1;
    std::string namespaces;
    std::map<std::string, std::string> nodes;  // node path -> text; other paths select none
    std::string uri;
    bool is_new = true;
    std::string dialog_file_name, dialog_location;
    std::vector<std::string> saved_forms;

    std::set<std::string> failing;
    std::vector<std::string> calls;
    std::function<void(const std::string&)> on_call;

    bool Called(const std::string& op) const;

    std::string Version() override;
    std::unique_ptr<DocumentProperties> ActiveDocumentProperties() override;
    int WorkbookCount() override;
    void SetActiveCellFormula(const std::string& text) override;
    void ShowExcelSaveAs(const std::string& name) override;
    int DocumentCount() override;
    int ProtectionType() override;
    int FormFieldCount() override;
    std::string FormFieldName(int index) override;
    bool FormFieldIsTextInput(const std::string& name) override;
    void SetFormFieldResult(const std::string& name, const std::string& text) override;
    void TypeText(const std::string& text) override;
    void ShowWordSaveAs(const std::string& name) override;
    int FormCount() override;
    void SetSelectionNamespaces(const std::string& declaration) override;
    std::string NodeText(const std::string& path) override;
    void SetNodeText(const std::string& path, const std::string& text) override;
    std::string FormUri() override;
    bool FormIsNew() override;
    void SetSaveAsDialogFileName(const std::string& name) override;
    void SetSaveAsDialogLocation(const std::string& folder) override;
    void SaveFormAs(const std::string& path) override;

    // Runs one operation's bookkeeping; public for the document properties.
    void Call(const std::string& op);

private:
    FormField& Field(const std::string& name);
};

// Records each change it is told about: "bar 1", "ribbon 1 0".
class RecordingSurface : public CommandSurface {
public:
    std::vector<std::string> changes;
    bool fails = false;  // each notification throws after it is recorded
    void BarButtonChanged(int index) override;
    void RibbonButtonChanged(int group, int button) override;
};

// Answers questions as configured and records what was shown; the timer fires by hand.
class RecordingUi : public UiServices {
public:
    OverwriteAnswer overwrite_answer = OverwriteAnswer::Yes;
    std::vector<std::string> overwrite_questions;
    std::optional<std::string> picked_folder;
    std::vector<std::string> picker_starts;  // initial folder of each picker shown
    bool timer_running = false;
    int timer_ms = 0;
    std::vector<std::string> errors;
    std::vector<std::string> dialogs;
    std::function<void()> on_show;  // runs as a dialog is shown
    bool timer_fails = false;       // StartTimer throws
    bool error_box_fails = false;   // ShowError throws after recording

    OverwriteAnswer AskOverwrite(const std::string& text) override;
    std::optional<std::string> PickFolder(const std::string& initial_folder) override;
    void StartTimer(int ms) override;
    void StopTimer() override;
    void ShowError(const std::string& text) override;
    void ShowOptionsDialog() override;
    void ShowLogfileDialog() override;
    void ShowInfoPathSettingsDialog() override;
    void ShowAboutDialog() override;

    // The tick, when the timer is running.
    void FireTimer(TAddInModule& module);

private:
    void Show(const std::string& dialog);
};

// True while some holder other than a probe has the data folder's cross-process lock.
bool DataLockHeld();

}  // namespace vexo::testing
