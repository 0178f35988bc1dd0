#include "dispatch_office_host.h"

#include "dispatch.h"

namespace vexo::office {
namespace {

class DispatchDocumentProperties : public DocumentProperties {
public:
    explicit DispatchDocumentProperties(ComPtr<IDispatch> properties)
        : properties_(std::move(properties)) {}

    void Add(const std::string& name, const std::string& value) override {
        constexpr long kText = 4;  // msoPropertyTypeString
        Call(properties_.Get(), L"Add",
             {Variant::Text(name), Variant::Bool(false), Variant::Int(kText), Variant::Text(value),
              Variant::Missing()});
    }
    void SetValue(const std::string& name, const std::string& value) override {
        Put(Item(name).Get(), L"Value", Variant::Text(value));
    }
    std::string Value(const std::string& name) override {
        return Get(Item(name).Get(), L"Value").ToText("Value");
    }

private:
    ComPtr<IDispatch> Item(const std::string& name) {
        return GetObject(properties_.Get(), L"Item", {Variant::Text(name)},
                         "Das Dokument hat keine Eigenschaft \"" + name + "\".");
    }

    ComPtr<IDispatch> properties_;
};

}  // namespace

DispatchOfficeHost::DispatchOfficeHost(IDispatch* application, TadxOfficeHostApp kind)
    : app_(application), kind_(kind) {}

std::string DispatchOfficeHost::Version() {
    return Get(app_.Get(), L"Version").ToText("Version");
}

std::unique_ptr<DocumentProperties> DispatchOfficeHost::ActiveDocumentProperties() {
    // Excel has no active workbook while only hidden ones are open: no error, no object.
    ComPtr<IDispatch> document =
        Get(app_.Get(), kind_ == ohaExcel ? L"ActiveWorkbook" : L"ActiveDocument").ToObject();
    if (!document) return nullptr;
    return std::make_unique<DispatchDocumentProperties>(
        GetObject(document.Get(), L"CustomDocumentProperties", {},
                  "Das Dokument hat keine benutzerdefinierten Eigenschaften."));
}

int DispatchOfficeHost::WorkbookCount() {
    return Get(GetObject(app_.Get(), L"Workbooks").Get(), L"Count").ToInt("Workbooks.Count");
}

void DispatchOfficeHost::SetActiveCellFormula(const std::string& text) {
    ComPtr<IDispatch> cell =
        GetObject(app_.Get(), L"ActiveCell", {},
                  "Es gibt keine aktive Zelle. Bitte wählen Sie eine Zelle in einem Arbeitsblatt.");
    Put(cell.Get(), L"FormulaR1C1", Variant::Text(text));
}

void DispatchOfficeHost::ShowExcelSaveAs(const std::string& name) {
    constexpr long kSaveAs = 5;  // xlDialogSaveAs
    ComPtr<IDispatch> dialog =
        GetObject(GetObject(app_.Get(), L"Dialogs").Get(), L"Item", {Variant::Int(kSaveAs)},
                  "Excel hat keinen Dialog \"Speichern unter\" geliefert.");
    Call(dialog.Get(), L"Show", {Variant::Text(name)});
}

int DispatchOfficeHost::DocumentCount() {
    return Get(GetObject(app_.Get(), L"Documents").Get(), L"Count").ToInt("Documents.Count");
}

ComPtr<IDispatch> DispatchOfficeHost::ActiveDocument() {
    return GetObject(app_.Get(), L"ActiveDocument", {}, "Es gibt kein aktives Dokument.");
}

int DispatchOfficeHost::ProtectionType() {
    return Get(ActiveDocument().Get(), L"ProtectionType").ToInt("ProtectionType");
}

int DispatchOfficeHost::FormFieldCount() {
    return Get(GetObject(ActiveDocument().Get(), L"FormFields").Get(), L"Count")
        .ToInt("FormFields.Count");
}

ComPtr<IDispatch> DispatchOfficeHost::FormField(const Variant& index) {
    return GetObject(GetObject(ActiveDocument().Get(), L"FormFields").Get(), L"Item", {index},
                     "Word hat das Formularfeld " + index.ToText("Item") + " nicht geliefert.");
}

std::string DispatchOfficeHost::FormFieldName(int index) {
    return Get(FormField(Variant::Int(index)).Get(), L"Name").ToText("FormField.Name");
}

bool DispatchOfficeHost::FormFieldIsTextInput(const std::string& name) {
    ComPtr<IDispatch> input = GetObject(FormField(Variant::Text(name)).Get(), L"TextInput", {},
                                        "Das Formularfeld \"" + name + "\" hat keine Texteingabe.");
    return Get(input.Get(), L"Valid").ToBool("TextInput.Valid");
}

void DispatchOfficeHost::SetFormFieldResult(const std::string& name, const std::string& text) {
    Put(FormField(Variant::Text(name)).Get(), L"Result", Variant::Text(text));
}

void DispatchOfficeHost::TypeText(const std::string& text) {
    ComPtr<IDispatch> selection =
        GetObject(app_.Get(), L"Selection", {}, "Word hat keine Markierung geliefert.");
    CallNamed(selection.Get(), L"TypeText", L"Text", Variant::Text(text));
}

void DispatchOfficeHost::ShowWordSaveAs(const std::string& name) {
    constexpr long kFileSaveAs = 84;  // wdDialogFileSaveAs
    ComPtr<IDispatch> dialog =
        GetObject(GetObject(app_.Get(), L"Dialogs").Get(), L"Item", {Variant::Int(kFileSaveAs)},
                  "Word hat keinen Dialog \"Speichern unter\" geliefert.");
    Put(dialog.Get(), L"Name", Variant::Text(name));
    Call(dialog.Get(), L"Show");
}

int DispatchOfficeHost::FormCount() {
    return Get(GetObject(app_.Get(), L"XDocuments").Get(), L"Count").ToInt("XDocuments.Count");
}

ComPtr<IDispatch> DispatchOfficeHost::Form() {
    ComPtr<IDispatch> window =
        GetObject(app_.Get(), L"ActiveWindow", {}, "InfoPath hat kein aktives Fenster.");
    return GetObject(window.Get(), L"XDocument", {}, "Im aktiven Fenster ist kein Formular.");
}

void DispatchOfficeHost::SetSelectionNamespaces(const std::string& declaration) {
    ComPtr<IDispatch> dom =
        GetObject(Form().Get(), L"DOM", {}, "Das Formular hat kein XML-Dokument.");
    // MSXML 3 and later accept XPath; older defaults (XSL patterns) reject some paths.
    Call(dom.Get(), L"setProperty", {Variant::Text("SelectionLanguage"), Variant::Text("XPath")});
    Call(dom.Get(), L"setProperty",
         {Variant::Text("SelectionNamespaces"), Variant::Text(declaration)});
}

ComPtr<IDispatch> DispatchOfficeHost::Node(const std::string& path) {
    ComPtr<IDispatch> dom =
        GetObject(Form().Get(), L"DOM", {}, "Das Formular hat kein XML-Dokument.");
    return GetObject(dom.Get(), L"selectSingleNode", {Variant::Text(path)},
                     "Der Pfad \"" + path + "\" bezeichnet kein Element des Formulars.");
}

std::string DispatchOfficeHost::NodeText(const std::string& path) {
    return Get(Node(path).Get(), L"Text").ToText("Text");
}

void DispatchOfficeHost::SetNodeText(const std::string& path, const std::string& text) {
    Put(Node(path).Get(), L"Text", Variant::Text(text));
}

std::string DispatchOfficeHost::FormUri() {
    return Get(Form().Get(), L"URI").ToText("URI");
}

bool DispatchOfficeHost::FormIsNew() {
    return Get(Form().Get(), L"IsNew").ToBool("IsNew");
}

void DispatchOfficeHost::SetSaveAsDialogFileName(const std::string& name) {
    Call(GetObject(Form().Get(), L"UI").Get(), L"SetSaveAsDialogFileName", {Variant::Text(name)});
}

void DispatchOfficeHost::SetSaveAsDialogLocation(const std::string& folder) {
    Call(GetObject(Form().Get(), L"UI").Get(), L"SetSaveAsDialogLocation", {Variant::Text(folder)});
}

void DispatchOfficeHost::SaveFormAs(const std::string& path) {
    Call(Form().Get(), L"SaveAs", {Variant::Text(path)});
}

}  // namespace vexo::office
