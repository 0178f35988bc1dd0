#pragma once

#include <memory>
#include <string>

namespace vexo {

// The custom document properties of the active workbook or document.
class DocumentProperties {
public:
    virtual ~DocumentProperties() = default;
    // CustomDocumentProperties.Add(name, False, 4 (text), value, <missing>); fails when the
    // name exists.
    virtual void Add(const std::string& name, const std::string& value) = 0;
    // CustomDocumentProperties(name).Value = value
    virtual void SetValue(const std::string& name, const std::string& value) = 0;
    // CustomDocumentProperties(name).Value as text; fails when missing.
    virtual std::string Value(const std::string& name) = 0;
};

// The operations of the Office object models that the add-in performs, one member each. A
// failing operation throws (vexo::Error or a type derived from it) with a message for the
// user; an operation that yields no object where the next step needs one fails the same way.
class OfficeHost {
public:
    virtual ~OfficeHost() = default;

    virtual std::string Version() = 0;  // Application.Version

    // Excel and Word: the active workbook's (document's) properties; nullptr when the host
    // has no active one (hidden workbooks only).
    virtual std::unique_ptr<DocumentProperties> ActiveDocumentProperties() = 0;

    // Excel
    virtual int WorkbookCount() = 0;                                 // Workbooks.Count
    virtual void SetActiveCellFormula(const std::string& text) = 0;  // ActiveCell.FormulaR1C1 =
    virtual void ShowExcelSaveAs(const std::string& name) = 0;       // Dialogs(5).Show(name)

    // Word
    virtual int DocumentCount() = 0;                   // Documents.Count
    virtual int ProtectionType() = 0;                  // ActiveDocument.ProtectionType
    virtual int FormFieldCount() = 0;                  // ActiveDocument.FormFields.Count
    virtual std::string FormFieldName(int index) = 0;  // FormFields.Item(index).Name, 1-based
    virtual bool FormFieldIsTextInput(
        const std::string& name) = 0;  // FormFields.Item(name).TextInput.Valid
    virtual void SetFormFieldResult(const std::string& name, const std::string& text) = 0;
    virtual void TypeText(const std::string& text) = 0;        // Selection.TypeText Text:=text
    virtual void ShowWordSaveAs(const std::string& name) = 0;  // Dialogs(84): Name = name, Show()

    // InfoPath, on ActiveWindow.XDocument
    virtual int FormCount() = 0;                                              // XDocuments.Count
    virtual void SetSelectionNamespaces(const std::string& declaration) = 0;  // DOM.setProperty
    virtual std::string NodeText(const std::string& path) = 0;  // DOM.selectSingleNode(path).Text
    virtual void SetNodeText(const std::string& path, const std::string& text) = 0;
    virtual std::string FormUri() = 0;  // URI
    virtual bool FormIsNew() = 0;       // IsNew
    virtual void SetSaveAsDialogFileName(
        const std::string& name) = 0;  // UI.SetSaveAsDialogFileName
    virtual void SetSaveAsDialogLocation(
        const std::string& folder) = 0;                    // UI.SetSaveAsDialogLocation
    virtual void SaveFormAs(const std::string& path) = 0;  // SaveAs(path)
};

}  // namespace vexo
