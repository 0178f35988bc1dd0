#include "addin_module.h"
#include "counter.h"
#include "data_lock.h"
#include "issue_log.h"
#include "messages.h"
#include "platform.h"
#include "settings.h"

namespace vexo {
namespace {

// Word's ActiveDocument.ProtectionType
constexpr int kWdAllowOnlyRevisions = 0;
constexpr int kWdAllowOnlyComments = 1;
constexpr int kWdAllowOnlyFormFields = 2;

constexpr char kVexoField[] = "Vexo";

void Refuse(const char* text) {
    CurrentPlatform().ShowMessage(text, MessageKind::Plain);
}

}  // namespace

void TAddInModule::acCallInsertExecute() noexcept {
    Execute(acInsert, &TAddInModule::acInsertExecute);
}

void TAddInModule::acInsertExecute() noexcept {
    Guarded([this] { InsertNumber(); });
}

void TAddInModule::timResetInsertTimer() noexcept {
    Guarded([this] {
        acInsert.enabled_ = true;
        // Stopped before anything can fail, so a failing tick is not repeated every 500 ms.
        ui_.StopTimer();
        SetCommandState(1, 1, 0, false);
    });
}

// The guard comes first: acInsert stays disabled until the tick, and the tick is armed before
// anything can fail, so a failed run never leaves Insert dead.
void TAddInModule::InsertNumber() {
    acInsert.enabled_ = false;
    try {
        ui_.StartTimer(kInsertRearmMs);
    } catch (...) {
        acInsert.enabled_ = true;
        throw;
    }
    SetCommandState(1, 1, 0, true);
    switch (host_kind_) {
        case ohaExcel: InsertIntoWorkbook(); break;
        case ohaWord: InsertIntoDocument(); break;
        case ohaInfoPath: InsertIntoForm(); break;
        default: break;
    }
}

// The refusals run before the number is drawn, so no message box waits while the data lock is
// held. From drawing the number until its log line the lock keeps every other process from
// issuing the same number. The first failing step ends the issue; what was done stays done.
template <typename Place>
std::string TAddInModule::Issue(const std::string& label, Place&& place) {
    DataLock lock;
    std::string number = ReadNumberToIssue();
    place(number);
    CommitCounter();
    LocalTime time = CurrentPlatform().Now();
    AppendIssueLog(number, label + host_.Version(), time);
    return number;
}

void TAddInModule::InsertIntoWorkbook() {
    if (host_.WorkbookCount() == 0) return Refuse(messages::kNoWorkbook);
    std::string number =
        Issue("Excel ", [this](const std::string& n) { host_.SetActiveCellFormula(n); });
    WriteDocumentProperty(kNumberProperty, number);
}

void TAddInModule::InsertIntoDocument() {
    if (host_.DocumentCount() == 0) return Refuse(messages::kNoDocument);
    int protection = host_.ProtectionType();
    std::string number;
    if (protection == kWdAllowOnlyFormFields) {
        if (!HasVexoTextField()) return Refuse(messages::kNoVexoField);
        number = Issue("Word Formular ",
                       [this](const std::string& n) { host_.SetFormFieldResult(kVexoField, n); });
    } else if (protection == kWdAllowOnlyRevisions || protection == kWdAllowOnlyComments ||
               protection > kWdAllowOnlyFormFields) {
        return Refuse(messages::kProtectedDocument);
    } else {
        number = Issue("Word ", [this](const std::string& n) { host_.TypeText(n); });
    }
    WriteDocumentProperty(kNumberProperty, number);
}

// A text form field named exactly "Vexo"; Word finds a field by name as the first of that name.
bool TAddInModule::HasVexoTextField() {
    bool found = false;
    int count = host_.FormFieldCount();
    for (int i = 1; i <= count; ++i) {
        if (host_.FormFieldName(i) == kVexoField && host_.FormFieldIsTextInput(kVexoField))
            found = true;
    }
    return found;
}

void TAddInModule::InsertIntoForm() {
    if (host_.FormCount() == 0) return Refuse(messages::kNoForm);
    std::string name_space, path;
    if (!ReadInfoPathSettings(name_space, path)) return;
    host_.SetSelectionNamespaces(name_space);
    Issue("InfoPath ", [&](const std::string& n) { host_.SetNodeText(path, n); });
}

}  // namespace vexo
