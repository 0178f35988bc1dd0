#include "fake_office.h"

#include <algorithm>

#include "error.h"
#include "files.h"
#include "settings.h"

namespace vexo::testing {
namespace {

class FakeProperties : public DocumentProperties {
public:
    explicit FakeProperties(FakeOfficeHost& host) : host_(host) {}

    void Add(const std::string& name, const std::string& value) override {
        host_.Call("Properties.Add");
        if (!host_.properties.emplace(name, value).second)
            throw Error("Die Eigenschaft " + name + " existiert bereits");
    }
    void SetValue(const std::string& name, const std::string& value) override {
        host_.Call("Properties.SetValue");
        Find(name)->second = value;
    }
    std::string Value(const std::string& name) override {
        host_.Call("Properties.Value");
        return Find(name)->second;
    }

private:
    std::map<std::string, std::string>::iterator Find(const std::string& name) {
        auto it = host_.properties.find(name);
        if (it == host_.properties.end()) throw Error("Ungültiger Prozeduraufruf");
        return it;
    }

    FakeOfficeHost& host_;
};

}  // namespace

void FakeOfficeHost::Call(const std::string& op) {
    calls.push_back(op);
    if (on_call) on_call(op);
    if (failing.count(op)) throw Error(op + " ist fehlgeschlagen");
}

bool FakeOfficeHost::Called(const std::string& op) const {
    return std::find(calls.begin(), calls.end(), op) != calls.end();
}

FakeOfficeHost::FormField& FakeOfficeHost::Field(const std::string& name) {
    for (auto& f : fields)
        if (f.name == name) return f;
    throw Error("Das angeforderte Element ist nicht vorhanden");
}

std::string FakeOfficeHost::Version() {
    Call("Version");
    return version;
}

std::unique_ptr<DocumentProperties> FakeOfficeHost::ActiveDocumentProperties() {
    Call("ActiveDocumentProperties");
    if (!has_active_document) return nullptr;
    return std::make_unique<FakeProperties>(*this);
}

int FakeOfficeHost::WorkbookCount() {
    Call("WorkbookCount");
    return workbooks;
}

void FakeOfficeHost::SetActiveCellFormula(const std::string& text) {
    Call("SetActiveCellFormula");
    cell = text;
}

void FakeOfficeHost::ShowExcelSaveAs(const std::string& name) {
    Call("ShowExcelSaveAs");
    save_as_name = name;
    ++save_as_dialogs;
}

int FakeOfficeHost::DocumentCount() {
    Call("DocumentCount");
    return documents;
}

int FakeOfficeHost::ProtectionType() {
    Call("ProtectionType");
    return protection;
}

int FakeOfficeHost::FormFieldCount() {
    Call("FormFieldCount");
    return static_cast<int>(fields.size());
}

std::string FakeOfficeHost::FormFieldName(int index) {
    Call("FormFieldName");
    if (index < 1 || index > static_cast<int>(fields.size()))
        throw Error("Das angeforderte Element ist nicht vorhanden");
    return fields[static_cast<size_t>(index - 1)].name;
}

bool FakeOfficeHost::FormFieldIsTextInput(const std::string& name) {
    Call("FormFieldIsTextInput");
    return Field(name).text_input;
}

void FakeOfficeHost::SetFormFieldResult(const std::string& name, const std::string& text) {
    Call("SetFormFieldResult");
    Field(name).result = text;
}

void FakeOfficeHost::TypeText(const std::string& text) {
    Call("TypeText");
    typed += text;
}

void FakeOfficeHost::ShowWordSaveAs(const std::string& name) {
    Call("ShowWordSaveAs");
    save_as_name = name;
    ++save_as_dialogs;
}

int FakeOfficeHost::FormCount() {
    Call("FormCount");
    return forms;
}

void FakeOfficeHost::SetSelectionNamespaces(const std::string& declaration) {
    Call("SetSelectionNamespaces");
    namespaces = declaration;
}

std::string FakeOfficeHost::NodeText(const std::string& path) {
    Call("NodeText");
    auto it = nodes.find(path);
    if (it == nodes.end()) throw Error("Objekt erforderlich");
    return it->second;
}

void FakeOfficeHost::SetNodeText(const std::string& path, const std::string& text) {
    Call("SetNodeText");
    auto it = nodes.find(path);
    if (it == nodes.end()) throw Error("Objekt erforderlich");
    it->second = text;
}

std::string FakeOfficeHost::FormUri() {
    Call("FormUri");
    return uri;
}

bool FakeOfficeHost::FormIsNew() {
    Call("FormIsNew");
    return is_new;
}

void FakeOfficeHost::SetSaveAsDialogFileName(const std::string& name) {
    Call("SetSaveAsDialogFileName");
    dialog_file_name = name;
}

void FakeOfficeHost::SetSaveAsDialogLocation(const std::string& folder) {
    Call("SetSaveAsDialogLocation");
    dialog_location = folder;
}

void FakeOfficeHost::SaveFormAs(const std::string& path) {
    Call("SaveFormAs");
    saved_forms.push_back(path);
}

void RecordingSurface::BarButtonChanged(int index) {
    changes.push_back("bar " + std::to_string(index));
    if (fails) throw Error("Die Befehlsleiste ist nicht erreichbar");
}

void RecordingSurface::RibbonButtonChanged(int group, int button) {
    changes.push_back("ribbon " + std::to_string(group) + " " + std::to_string(button));
    if (fails) throw Error("Die Befehlsleiste ist nicht erreichbar");
}

OverwriteAnswer RecordingUi::AskOverwrite(const std::string& text) {
    overwrite_questions.push_back(text);
    return overwrite_answer;
}

std::optional<std::string> RecordingUi::PickFolder(const std::string& initial_folder) {
    picker_starts.push_back(initial_folder);
    return picked_folder;
}

void RecordingUi::StartTimer(int ms) {
    if (timer_fails) throw Error("Es ist kein Zeitgeber mehr frei");
    timer_running = true;
    timer_ms = ms;
}

void RecordingUi::StopTimer() {
    timer_running = false;
}

void RecordingUi::ShowError(const std::string& text) {
    errors.push_back(text);
    if (error_box_fails) throw Error("Das Meldungsfenster kann nicht angezeigt werden");
}

void RecordingUi::Show(const std::string& dialog) {
    dialogs.push_back(dialog);
    if (on_show) on_show();
}

void RecordingUi::ShowOptionsDialog() {
    Show("Optionen");
}
void RecordingUi::ShowLogfileDialog() {
    Show("Logfile");
}
void RecordingUi::ShowInfoPathSettingsDialog() {
    Show("InfoPath");
}
void RecordingUi::ShowAboutDialog() {
    Show("Info");
}

void RecordingUi::FireTimer(TAddInModule& module) {
    if (timer_running) module.timResetInsertTimer();
}

bool DataLockHeld() {
    files::ExclusiveLock probe;
    return probe.Acquire(GetDataFolder() + "vexo.lock", 0) ==
           files::ExclusiveLock::Result::TimedOut;
}

}  // namespace vexo::testing
