#pragma once

// Fake Office hosts as real COM objects: Excel, Word and InfoPath application objects with
// documents that hold what the add-in writes, command bars with click events, built-in
// dialogs that record how they were shown, COMAddIns, application events, a ribbon that
// calls its callbacks by name, and for InfoPath a real MSXML document. The host loads an
// add-in as Office does: ProgID, CoCreateInstance, IDTExtensibility2, IRibbonExtensibility.
#include <map>
#include <string>
#include <vector>

#include "dispatch_object.h"
#include "office_interfaces.h"

namespace vexo::fake {

struct DocumentProperty {
    std::string value;
    long type = 4;
};

struct Document {  // an Excel workbook or a Word document
    std::string name;
    std::string text;             // Word: what was typed
    std::string cell;             // Excel: the active cell's formula
    bool has_active_cell = true;  // Excel: false while a chart sheet is active
    long protection = -1;         // Word: ProtectionType
    struct FormField {
        std::string name;
        bool text_input = true;
        std::string result;
    };
    std::vector<FormField> fields;
    std::map<std::string, DocumentProperty> properties;
    bool last_add_omitted_link_source = false;  // Add's fifth argument arrived as missing
};

struct Form {               // an InfoPath form
    ComPtr<IDispatch> dom;  // MSXML DOMDocument 3.0
    std::string uri;
    bool is_new = false;
    std::string dialog_file_name, dialog_location, saved_as;
};

struct ShownDialog {
    long id;           // 5 (Excel Save As), 84 (Word File Save As)
    std::string name;  // Excel: Show's first argument; Word: Name
};

class FakeOffice {
public:
    enum class Kind { Excel, Word, InfoPath };
    FakeOffice(Kind kind, std::string version);
    ~FakeOffice();
    FakeOffice(const FakeOffice&) = delete;
    FakeOffice& operator=(const FakeOffice&) = delete;

    IDispatch* application() const { return app_.Get(); }
    bool has_ribbon() const;

    // --- documents
    std::vector<Document> documents;     // the last one is active
    bool hidden_workbooks_only = false;  // Excel: no ActiveWorkbook
    std::vector<Form> forms;             // the last one is active
    std::vector<ShownDialog> dialogs_shown;
    Document& active() { return documents.back(); }
    Document& Open(const std::string& name) {
        documents.emplace_back();
        documents.back().name = name;
        return documents.back();
    }
    // An InfoPath form with `xml` loaded into a real MSXML document.
    Form& OpenForm(const std::string& xml, const std::string& uri, bool is_new);
    std::string FormXml(size_t index) const;

    // --- the add-in, as Office loads it
    HRESULT LoadAddin(const std::wstring& prog_id);  // through the registry
    HRESULT ConnectAddin(IUnknown* addin);           // an object at hand
    HRESULT DisconnectAddin(LONG mode = office::ext_dm_HostShutdown);
    IUnknown* addin() const { return addin_.Get(); }
    ComPtr<IDispatch> AddinObject() const;  // COMAddIns("Vexo.VexoClass").Object

    // --- events and clicks
    void FireApplicationEvent(DISPID id);  // with a document (and Cancel) as arguments
    int ApplicationSinks() const;          // advised on any event interface
    // Command bars
    ComPtr<DispatchObject> Bar(const std::wstring& name) const;  // empty when missing
    int BarCount(const std::wstring& name) const;
    int BarsAdded() const { return bars_added_; }
    std::vector<ComPtr<DispatchObject>> Controls(const std::wstring& bar) const;
    void Click(const std::wstring& bar, int index);  // through the button's click sinks
    int ClickSinks(const std::wstring& bar) const;
    // Ribbon
    const std::wstring& ribbon_xml() const { return ribbon_xml_; }
    std::vector<std::wstring> invalidated;                         // InvalidateControl, in order
    bool RibbonEnabled(const std::string& id);                     // getEnabled
    void ClickRibbon(const std::string& id);                       // onAction
    ComPtr<IDispatch> RibbonImage(const std::string& control_id);  // loadImage of its image

private:
    struct BarState;
    ComPtr<DispatchObject> MakeApplication();
    ComPtr<DispatchObject> MakeCommandBars();
    ComPtr<DispatchObject> MakeBar(BarState& bar);
    ComPtr<DispatchObject> MakeDocument(size_t index);
    ComPtr<DispatchObject> MakeProperties(size_t index);
    ComPtr<DispatchObject> MakeDialogs();
    ComPtr<DispatchObject> MakeInfoPathWindow();
    Variant CallRibbon(const std::wstring& callback, const std::vector<Variant>& args);
    std::wstring RibbonAttribute(const std::string& control_id, const wchar_t* name) const;

    Kind kind_;
    std::string version_;
    ComPtr<DispatchObject> app_;
    ComPtr<DispatchObject> com_addin_;
    ComPtr<IDispatch> com_addin_object_;
    ComPtr<IUnknown> addin_;
    ComPtr<IDispatch> ribbon_;  // the add-in's IRibbonExtensibility
    ComPtr<IDispatch> ribbon_ui_;
    std::wstring ribbon_xml_;
    std::vector<BarState*> bars_;
    int bars_added_ = 0;
};

// CoInitialize for one thread's life.
class ComApartment {
public:
    ComApartment() { OleInitialize(nullptr); }
    ~ComApartment() { OleUninitialize(); }
};

// Runs the thread's message loop for `ms` (timers fire meanwhile).
void PumpMessages(int ms);

// Every host a test should see Vexo in, with the application text its log lines carry.
struct HostCase {
    FakeOffice::Kind kind;
    const char* version;
    const char* application;
};
inline const HostCase kEveryHost[] = {
    {FakeOffice::Kind::Excel, "11.0", "Excel 11.0"},
    {FakeOffice::Kind::Excel, "12.0", "Excel 12.0"},
    {FakeOffice::Kind::Word, "11.0", "Word 11.0"},
    {FakeOffice::Kind::Word, "12.0", "Word 12.0"},
    {FakeOffice::Kind::InfoPath, "12.0", "InfoPath 12.0"},
};

}  // namespace vexo::fake
