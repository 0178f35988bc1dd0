#include "addin_connection.h"

#include <cwchar>
#include <string>
#include <utility>

#include "addin_module.h"
#include "com_object.h"
#include "command_bar.h"
#include "dispatch.h"
#include "dispatch_office_host.h"
#include "event_sink.h"
#include "pictures.h"
#include "ribbon_xml.h"
#include "windows_ui_services.h"

namespace vexo::office {
namespace {

constexpr DISPID kFirstCallback = 1001;
constexpr const wchar_t* kCallbacks[] = {kOnLoad, kLoadImage, kGetEnabled, kOnAction};
enum Callback { kOnLoadId = kFirstCallback, kLoadImageId, kGetEnabledId, kOnActionId };

void Report(const std::string& message) noexcept {
    try {
        WindowsUiServices::ShowErrorBox(FormatAddInError(message));
    } catch (...) {
    }
}

// Runs an entry point's body; whatever it throws ends in the error box, never in the host.
template <class Body>
HRESULT Guard(HRESULT on_failure, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::exception& e) {
        Report(e.what());
    } catch (...) {
        Report("Unbekannter Fehler.");
    }
    return on_failure;
}

bool HasMember(IDispatch* object, const wchar_t* name) {
    DISPID id;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    return SUCCEEDED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
}

// The argument at position `index` (0 = first) of an Invoke.
const VARIANT* Argument(const DISPPARAMS* params, UINT index) {
    if (!params || index >= params->cArgs) return nullptr;
    const VARIANT* v = &params->rgvarg[params->cArgs - 1 - index];
    return V_VT(v) == (VT_VARIANT | VT_BYREF) ? V_VARIANTREF(v) : v;
}

ComPtr<IDispatch> ObjectArgument(const DISPPARAMS* params, UINT index) {
    const VARIANT* v = Argument(params, index);
    if (!v) return {};
    Variant copy;
    VariantCopy(copy.Get(), const_cast<VARIANT*>(v));
    return copy.ToObject();
}

std::string ControlId(IDispatch* control) {
    if (!control) return {};
    if (auto typed = ComPtr<IDispatch>(control).As<IRibbonControl>(IID_IRibbonControl)) {
        Bstr id;
        if (SUCCEEDED(typed->get_Id(id.Put()))) return id.Narrow();
    }
    return Get(control, L"Id").ToText("IRibbonControl.Id");
}

Symbol ImageSymbol(std::string_view name) {
    if (name == "vexoSave32") return Symbol::LargeSave;
    if (name == "vexoInsert32") return Symbol::LargeInsert;
    if (name == "vexoOptions16") return Symbol::Gear;
    if (name == "vexoLogfile16") return Symbol::Scroll;
    return Symbol::Info;
}

}  // namespace

// What lives from connection to disconnection, in the order it is built.
struct AddinConnection::Session : public CommandSurface {
    ComPtr<IDispatch> application;
    ComPtr<IDispatch> addin_inst;
    TadxOfficeHostApp kind = ohaExcel;
    std::unique_ptr<DispatchOfficeHost> host;
    std::unique_ptr<WindowsUiServices> ui;
    std::unique_ptr<TAddInModule> module;
    std::unique_ptr<OfficeCommandBar> bar;
    ComPtr<IRibbonUI> ribbon_ui;
    std::unique_ptr<EventConnection> events;

    void BarButtonChanged(int index) override {
        if (bar) bar->Show(index, module->BarButtonEnabled(index), module->BarButtonVisible(index));
    }
    void RibbonButtonChanged(int group, int button) override {
        const RibbonButtonSpec* spec = FindRibbonButton(group, button);
        if (!ribbon_ui || !spec) return;
        Bstr id = Bstr::FromUtf8(spec->id);
        Check(ribbon_ui->InvalidateControl(id.Get()), "IRibbonUI.InvalidateControl");
    }
};

// IDTExtensibility2 of the add-in object: a part whose identity is the outer object's.
class AddinConnection::Extensibility : public ObjectPart<WithoutTypeInfo<IDTExtensibility2>> {
public:
    explicit Extensibility(AddinConnection& owner) : ObjectPart(owner.outer_), owner_(owner) {}

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        static constexpr const wchar_t* kNames[] = {L"OnConnection", L"OnDisconnection",
                                                    L"OnAddInsUpdate", L"OnStartupComplete",
                                                    L"OnBeginShutdown"};
        if (!names || !ids || count == 0) return E_INVALIDARG;
        for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
        for (DISPID i = 0; i < 5; ++i)
            if (_wcsicmp(names[0], kNames[i]) == 0) ids[0] = i + 1;
        return ids[0] == DISPID_UNKNOWN || count > 1 ? DISP_E_UNKNOWNNAME : S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                     EXCEPINFO*, UINT*) override {
        auto integer = [&](UINT index) -> LONG {
            const VARIANT* v = Argument(params, index);
            Variant copy;
            if (!v || FAILED(VariantChangeType(copy.Get(), const_cast<VARIANT*>(v), 0, VT_I4)))
                return 0;
            return V_I4(copy.Get());
        };
        switch (id) {
            case dispid::kOnConnection:
                if (!params || params->cArgs < 3) return DISP_E_BADPARAMCOUNT;
                return owner_.OnConnection(ObjectArgument(params, 0).Get(), integer(1),
                                           ObjectArgument(params, 2).Get());
            case dispid::kOnDisconnection: return owner_.OnDisconnection(integer(0));
            case dispid::kOnAddInsUpdate:
            case dispid::kOnStartupComplete:
            case dispid::kOnBeginShutdown: return S_OK;
            default: return DISP_E_MEMBERNOTFOUND;
        }
    }

    HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, LONG connect_mode,
                                           IDispatch* addin_inst, SAFEARRAY**) override {
        return owner_.OnConnection(application, connect_mode, addin_inst);
    }
    HRESULT STDMETHODCALLTYPE OnDisconnection(LONG remove_mode, SAFEARRAY**) override {
        return owner_.OnDisconnection(remove_mode);
    }
    HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY**) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY**) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY**) override { return S_OK; }

private:
    AddinConnection& owner_;
};

// IRibbonExtensibility of the add-in object. Office calls the ribbon's callbacks by name on
// the object it got from this QueryInterface, so this part serves them too.
class AddinConnection::Ribbon : public ObjectPart<WithoutTypeInfo<IRibbonExtensibility>> {
public:
    explicit Ribbon(AddinConnection& owner) : ObjectPart(owner.outer_), owner_(owner) {}

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        if (!names || !ids || count == 0) return E_INVALIDARG;
        for (UINT i = 1; i < count; ++i) ids[i] = DISPID_UNKNOWN;
        if (_wcsicmp(names[0], L"GetCustomUI") == 0) {
            ids[0] = dispid::kGetCustomUI;
            return count > 1 ? DISP_E_UNKNOWNNAME : S_OK;
        }
        HRESULT hr = owner_.GetIdOfName(names[0], ids);
        return SUCCEEDED(hr) && count > 1 ? DISP_E_UNKNOWNNAME : hr;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception,
                                     UINT* arg_error) override {
        if (id != dispid::kGetCustomUI)
            return owner_.Invoke(id, flags, params, result, exception, arg_error);
        const VARIANT* ribbon_id = Argument(params, 0);
        if (!ribbon_id || V_VT(ribbon_id) != VT_BSTR) return DISP_E_TYPEMISMATCH;
        BSTR xml = nullptr;
        HRESULT hr = owner_.GetCustomUI(V_BSTR(ribbon_id), &xml);
        if (SUCCEEDED(hr) && result) {
            VariantInit(result);
            V_VT(result) = VT_BSTR;
            V_BSTR(result) = xml;
        } else {
            SysFreeString(xml);
        }
        return hr;
    }
    HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR ribbon_id, BSTR* ribbon_xml) override {
        return owner_.GetCustomUI(ribbon_id, ribbon_xml);
    }

private:
    AddinConnection& owner_;
};

AddinConnection::AddinConnection(IDispatch* outer)
    : outer_(outer),
      extensibility_(std::make_unique<Extensibility>(*this)),
      ribbon_(std::make_unique<Ribbon>(*this)) {}

AddinConnection::~AddinConnection() {
    Disconnect(false);
}

IUnknown* AddinConnection::Find(REFIID iid) {
    if (IsEqualIID(iid, IID_IDTExtensibility2)) return extensibility_.get();
    if (IsEqualIID(iid, IID_IRibbonExtensibility)) return ribbon_.get();
    return nullptr;
}

TAddInModule* AddinConnection::module() const {
    return session_ ? session_->module.get() : nullptr;
}

HRESULT AddinConnection::OnConnection(IDispatch* application, LONG, IDispatch* addin_inst) {
    if (!application) return E_INVALIDARG;
    if (session_) return S_OK;  // connected already
    return Guard(E_FAIL, [&] {
        try {
            Connect(application, addin_inst);
        } catch (...) {
            Disconnect(false);
            throw;
        }
        return S_OK;
    });
}

void AddinConnection::Connect(IDispatch* application, IDispatch* addin_inst) {
    TadxOfficeHostApp kind;
    if (!RecognizeHost(application, kind))
        throw Error("Vexo unterstützt nur Excel, Word und InfoPath.");
    auto session = std::make_unique<Session>();
    Session& s = *session;
    s.application = ComPtr<IDispatch>(application);
    s.kind = kind;
    s.host = std::make_unique<DispatchOfficeHost>(application, kind);
    s.ui = std::make_unique<WindowsUiServices>([this] {
        if (TAddInModule* m = module()) m->timResetInsertTimer();
    });
    s.module = std::make_unique<TAddInModule>(kind, *s.host, s, *s.ui);
    session_ = std::move(session);

    // A macro reaches this object as Application.COMAddIns("Vexo.VexoClass").Object. Only
    // macros need it: a host that refuses it still gets a working add-in.
    if (addin_inst) {
        try {
            Put(addin_inst, L"Object", Variant::Object(outer_));
            s.addin_inst = ComPtr<IDispatch>(addin_inst);
        } catch (const Error&) {
        }
    }

    // Classic menus before Office 2007; InfoPath keeps them (the tab is not offered there).
    std::string version = s.host->Version();
    if (MajorVersion(version) < 12 || kind == ohaInfoPath) {
        TAddInModule* m = s.module.get();
        s.bar = std::make_unique<OfficeCommandBar>(
            application, [m](int i) { return m->BarButtonEnabled(i); },
            [m](int i) { return m->BarButtonVisible(i); },
            [m](int i) { m->CommandBarButtonClick(i); });
    }

    TAddInModule* m = s.module.get();
    if (kind == ohaWord) {
        s.events = ConnectFirst(
            application,
            {DIID_WordApplicationEvents2, DIID_WordApplicationEvents3, DIID_WordApplicationEvents4},
            [m](DISPID event, DISPPARAMS*) {
                switch (event) {
                    case dispid::kWordDocumentOpen: m->adxWordAppEvents1DocumentOpen(); break;
                    case dispid::kWordDocumentBeforeClose:
                        m->adxWordAppEvents1DocumentBeforeClose();
                        break;
                    case dispid::kWordNewDocument: m->adxWordAppEvents1NewDocument(); break;
                    case dispid::kWordWindowSelectionChange:
                        m->adxWordAppEvents1WindowSelectionChange();
                        break;
                }
            });
    } else if (kind == ohaExcel) {
        s.events = std::make_unique<EventConnection>(
            application, DIID_ExcelAppEvents, [m](DISPID event, DISPPARAMS*) {
                switch (event) {
                    case dispid::kExcelWorkbookOpen: m->adxExcelAppEvents1WorkbookOpen(); break;
                    case dispid::kExcelWorkbookBeforeClose:
                        m->adxExcelAppEvents1WorkbookBeforeClose();
                        break;
                    case dispid::kExcelNewWorkbook: m->adxExcelAppEvents1NewWorkbook(); break;
                    case dispid::kExcelSheetSelectionChange:
                        m->adxExcelAppEvents1SheetSelectionChange();
                        break;
                }
            });
    }

    s.module->adxCOMAddInModuleAddInInitialize();
}

HRESULT AddinConnection::OnDisconnection(LONG remove_mode) {
    Disconnect(remove_mode == ext_dm_UserClosed);
    return S_OK;
}

void AddinConnection::Disconnect(bool remove_bar) noexcept {
    std::unique_ptr<Session> s = std::move(session_);
    if (!s) return;
    // Teardown must finish: each step reports its own failure and the next one runs.
    auto step = [](auto&& body) {
        Guard(S_OK, [&] {
            body();
            return S_OK;
        });
    };
    step([&] { s->events.reset(); });
    step([&] {
        if (s->bar && remove_bar) s->bar->Delete();
    });
    step([&] { s->bar.reset(); });
    step([&] { s->ui->StopTimer(); });
    s->ribbon_ui.Reset();
    s->module.reset();
    step([&] { s->ui.reset(); });
    s->host.reset();
    // The host may be past caring while it shuts down; a refusal here is no news to the user.
    if (s->addin_inst) {
        try {
            Put(s->addin_inst.Get(), L"Object", Variant::Object(nullptr));
        } catch (const Error&) {
        }
    }
}

HRESULT AddinConnection::GetCustomUI(BSTR ribbon_id, BSTR* ribbon_xml) {
    if (!ribbon_xml) return E_POINTER;
    *ribbon_xml = nullptr;
    return Guard(E_FAIL, [&] {
        std::wstring_view id(ribbon_id ? ribbon_id : L"", ribbon_id ? SysStringLen(ribbon_id) : 0);
        // Other ribbons get no XML at all: an empty text would be invalid XML.
        if (IsVexoRibbon(id)) *ribbon_xml = Bstr::FromUtf8(RibbonXml()).Detach();
        return S_OK;
    });
}

HRESULT AddinConnection::GetIdOfName(const wchar_t* name, DISPID* id) {
    if (!name || !id) return E_INVALIDARG;
    for (DISPID i = 0; i < 4; ++i) {
        if (_wcsicmp(name, kCallbacks[i]) == 0) {
            *id = kFirstCallback + i;
            return S_OK;
        }
    }
    *id = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT AddinConnection::Invoke(DISPID id, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                UINT*) {
    if (id < kOnLoadId || id > kOnActionId) return DISP_E_MEMBERNOTFOUND;
    return Guard(E_FAIL, [&] {
        RunCallback(id, params, result);
        return S_OK;
    });
}

void AddinConnection::RunCallback(DISPID id, DISPPARAMS* params, VARIANT* result) {
    Variant value;
    switch (id) {
        case kOnLoadId:
            if (session_)
                session_->ribbon_ui = ObjectArgument(params, 0).As<IRibbonUI>(IID_IRibbonUI);
            return;  // a void callback leaves pVarResult alone
        case kLoadImageId: {
            const VARIANT* name = Argument(params, 0);
            Symbol symbol =
                ImageSymbol(name && V_VT(name) == VT_BSTR ? BstrUtf8(V_BSTR(name)) : std::string());
            value = Variant::Object(RibbonPicture(symbol).Get());
            break;
        }
        case kGetEnabledId: {
            const RibbonButtonSpec* spec =
                FindRibbonButton(ControlId(ObjectArgument(params, 0).Get()));
            TAddInModule* m = module();
            value = Variant::Bool(spec && m && m->RibbonButtonEnabled(spec->group, spec->button));
            break;
        }
        case kOnActionId: {
            const RibbonButtonSpec* spec =
                FindRibbonButton(ControlId(ObjectArgument(params, 0).Get()));
            if (TAddInModule* m = module(); spec && m)
                m->RibbonButtonClick(spec->group, spec->button);
            return;
        }
    }
    if (result) {
        VariantInit(result);
        std::swap(*result, *value.Get());
    }
}

bool RecognizeHost(IDispatch* application, TadxOfficeHostApp& kind) {
    std::string name;
    try {
        name = Get(application, L"Name").ToText("Name");
    } catch (const Error&) {
    }
    if (name.find("InfoPath") != std::string::npos) return kind = ohaInfoPath, true;
    if (name.find("Excel") != std::string::npos) return kind = ohaExcel, true;
    if (name.find("Word") != std::string::npos) return kind = ohaWord, true;
    if (HasMember(application, L"XDocuments")) return kind = ohaInfoPath, true;
    if (HasMember(application, L"Workbooks")) return kind = ohaExcel, true;
    if (HasMember(application, L"Documents")) return kind = ohaWord, true;
    return false;
}

int MajorVersion(const std::string& version) {
    int major = 0;
    for (char c : version) {
        if (c < '0' || c > '9') break;
        major = major * 10 + (c - '0');
        if (major > 1000) break;
    }
    return major;
}

}  // namespace vexo::office
