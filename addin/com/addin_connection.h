#pragma once

// The add-in object's life inside an Office host: connection and disconnection
// (IDTExtensibility2), the ribbon description and its callbacks (IRibbonExtensibility and
// IDispatch by name), and everything the connected module needs: the host operations, the
// command bar, the host's event sinks, the timer and the dialogs.
#include <memory>

#include "com_types.h"
#include "dispatch_extension.h"
#include "host_state.h"
#include "office_interfaces.h"

namespace vexo {
class TAddInModule;
}

namespace vexo::office {

class AddinConnection : public com::DispatchExtension {
public:
    // `outer` is the add-in object that holds this one: its IUnknown answers for the parts,
    // and its IDispatch becomes the COMAddIn's Object. Not owned.
    explicit AddinConnection(IDispatch* outer);
    ~AddinConnection() override;
    AddinConnection(const AddinConnection&) = delete;
    AddinConnection& operator=(const AddinConnection&) = delete;

    // The part that answers `iid` (IDTExtensibility2, IRibbonExtensibility), without a new
    // reference; nullptr for any other interface.
    IUnknown* Find(REFIID iid);

    // IDTExtensibility2. Any failure is shown in the add-in's error box; none escapes.
    HRESULT OnConnection(IDispatch* application, LONG connect_mode, IDispatch* addin_inst);
    HRESULT OnDisconnection(LONG remove_mode);
    // IRibbonExtensibility
    HRESULT GetCustomUI(BSTR ribbon_id, BSTR* ribbon_xml);

    // Ribbon callbacks by name.
    HRESULT GetIdOfName(const wchar_t* name, DISPID* id) override;
    HRESULT Invoke(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                   UINT* arg_error) override;

    bool connected() const { return session_ != nullptr; }
    TAddInModule* module() const;

private:
    class Extensibility;
    class Ribbon;
    struct Session;

    void Connect(IDispatch* application, IDispatch* addin_inst);
    void Disconnect(bool remove_bar) noexcept;
    void RunCallback(DISPID id, DISPPARAMS* params, VARIANT* result);

    IDispatch* outer_;
    std::unique_ptr<Extensibility> extensibility_;
    std::unique_ptr<Ribbon> ribbon_;
    std::unique_ptr<Session> session_;
};

// The host kind of an Office application object: by its Name, else by the collections it
// has (XDocuments, Workbooks, Documents); false for any other application.
bool RecognizeHost(IDispatch* application, TadxOfficeHostApp& kind);
// The major version of a version text ("11.0" gives 11); 0 when it has none.
int MajorVersion(const std::string& version);

}  // namespace vexo::office
