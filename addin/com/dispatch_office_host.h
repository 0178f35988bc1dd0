#pragma once

#include "com_types.h"
#include "host_state.h"
#include "office_host.h"

namespace vexo::office {

// The host operations over Office's object model, by member name on `Application`.
class DispatchOfficeHost : public OfficeHost {
public:
    DispatchOfficeHost(IDispatch* application, TadxOfficeHostApp kind);

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

private:
    ComPtr<IDispatch> ActiveDocument();
    ComPtr<IDispatch> FormField(const Variant& index);
    ComPtr<IDispatch> Form();  // ActiveWindow.XDocument
    ComPtr<IDispatch> Node(const std::string& path);

    ComPtr<IDispatch> app_;
    TadxOfficeHostApp kind_;
};

}  // namespace vexo::office
