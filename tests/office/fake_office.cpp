#include "fake_office.h"

#include <algorithm>
#include <cstdlib>

#include "com_object.h"
#include "dispatch.h"

namespace vexo::fake {

using office::Bstr;
using office::Narrow;
using office::Wide;

namespace {

// MinGW declares it but no library defines it.
constexpr CLSID CLSID_DOMDocument30 = {
    0xF5078F32, 0xC551, 0x11D3, {0x89, 0xB9, 0x00, 0x00, 0xF8, 0x1F, 0xE2, 0x21}};

Variant Nothing() {
    return Variant::Object(nullptr);
}

Variant Of(const ComPtr<DispatchObject>& object) {
    return Variant::Object(object.Get());
}

// IRibbonUI as Office hands it to onLoad: records the controls it is told to refresh.
class RibbonUI final : public office::ComObject<office::WithoutTypeInfo<office::IRibbonUI>> {
public:
    explicit RibbonUI(std::vector<std::wstring>& log) : log_(log) {}
    HRESULT STDMETHODCALLTYPE Invalidate() override { return log_.push_back(L"*"), S_OK; }
    HRESULT STDMETHODCALLTYPE InvalidateControl(BSTR id) override {
        log_.push_back(id ? id : L"");
        return S_OK;
    }

private:
    bool Answers(REFIID iid) const override {
        return IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, office::IID_IRibbonUI);
    }

    std::vector<std::wstring>& log_;
};

class RibbonControl final
    : public office::ComObject<office::WithoutTypeInfo<office::IRibbonControl>> {
public:
    explicit RibbonControl(std::string id) : id_(std::move(id)) {}
    HRESULT STDMETHODCALLTYPE get_Id(BSTR* id) override {
        *id = Bstr::FromUtf8(id_).Detach();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Context(IDispatch** context) override {
        *context = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Tag(BSTR* tag) override {
        *tag = nullptr;
        return S_OK;
    }

private:
    bool Answers(REFIID iid) const override {
        return IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, office::IID_IRibbonControl);
    }

    std::string id_;
};

}  // namespace

struct FakeOffice::BarState {
    std::wstring name;
    long position = 0;
    bool temporary = true;
    ComPtr<DispatchObject> object;
    std::vector<ComPtr<DispatchObject>> controls;
};

FakeOffice::FakeOffice(Kind kind, std::string version) : kind_(kind), version_(std::move(version)) {
    com_addin_ = DispatchObject::New();
    com_addin_->Property(L"ProgId", [](const Args&) { return Variant::Text("Vexo.VexoClass"); })
        .Property(
            L"Object", [this](const Args&) { return Variant::Object(com_addin_object_.Get()); },
            [this](const Args&, const VARIANT& v) { com_addin_object_ = Object(&v); }, 7);
    app_ = MakeApplication();
}

FakeOffice::~FakeOffice() {
    if (addin_) DisconnectAddin();
    com_addin_object_.Reset();
    for (BarState* bar : bars_) delete bar;
}

bool FakeOffice::has_ribbon() const {
    return kind_ != Kind::InfoPath && std::atoi(version_.c_str()) >= 12;
}

ComPtr<DispatchObject> FakeOffice::MakeApplication() {
    auto app = DispatchObject::New();
    const char* name = kind_ == Kind::Excel  ? "Microsoft Excel"
                       : kind_ == Kind::Word ? "Microsoft Word"
                                             : "Microsoft Office InfoPath";
    app->Property(L"Name", [name](const Args&) { return Variant::Text(name); })
        .Property(L"Version", [this](const Args&) { return Variant::Text(version_); })
        .Property(L"CommandBars", [this](const Args&) { return Of(MakeCommandBars()); })
        .Property(L"COMAddIns", [this](const Args&) {
            auto list = DispatchObject::New();
            list->Property(L"Count", [](const Args&) { return Variant::Int(1); })
                .Function(
                    L"Item",
                    [this](const Args& a) {
                        const VARIANT* i = Arg(a, 0);
                        if (V_VT(i) == VT_BSTR ? Text(i) != "Vexo.VexoClass" : Int(i) != 1)
                            throw HostError{"Index außerhalb des gültigen Bereichs"};
                        return Of(com_addin_);
                    },
                    {}, 0);
            return Of(list);
        });
    if (kind_ == Kind::Excel) {
        app->AddEvents(office::DIID_ExcelAppEvents);
        app->Property(L"Workbooks",
                      [this](const Args&) {
                          auto list = DispatchObject::New();
                          list->Property(L"Count", [this](const Args&) {
                              return Variant::Int(static_cast<long>(documents.size()));
                          });
                          return Of(list);
                      })
            .Property(L"ActiveWorkbook",
                      [this](const Args&) {
                          if (documents.empty() || hidden_workbooks_only) return Nothing();
                          return Of(MakeDocument(documents.size() - 1));
                      })
            .Property(L"ActiveCell",
                      [this](const Args&) {
                          if (documents.empty() || !active().has_active_cell) return Nothing();
                          auto cell = DispatchObject::New();
                          cell->Property(
                              L"FormulaR1C1",
                              [this](const Args&) { return Variant::Text(active().cell); },
                              [this](const Args&, const VARIANT& v) { active().cell = Text(&v); });
                          return Of(cell);
                      })
            .Property(L"Dialogs", [this](const Args&) { return Of(MakeDialogs()); });
    } else if (kind_ == Kind::Word) {
        app->AddEvents(office::DIID_WordApplicationEvents2);
        app->AddEvents(office::DIID_WordApplicationEvents3);
        app->AddEvents(office::DIID_WordApplicationEvents4);
        app->Property(L"Documents",
                      [this](const Args&) {
                          auto list = DispatchObject::New();
                          list->Property(L"Count", [this](const Args&) {
                              return Variant::Int(static_cast<long>(documents.size()));
                          });
                          return Of(list);
                      })
            .Property(L"ActiveDocument",
                      [this](const Args&) {
                          if (documents.empty())
                              throw HostError{
                                  "Dieser Befehl ist nicht verfügbar, weil kein "
                                  "Dokument geöffnet ist."};
                          return Of(MakeDocument(documents.size() - 1));
                      })
            .Property(L"Selection",
                      [this](const Args&) {
                          auto selection = DispatchObject::New();
                          selection->Function(L"TypeText",
                                              [this](const Args& a) {
                                                  active().text += Text(Arg(a, 0));
                                                  return Variant();
                                              },
                                              {L"Text"});
                          return Of(selection);
                      })
            .Property(L"Dialogs", [this](const Args&) { return Of(MakeDialogs()); });
    } else {
        app->Property(L"XDocuments",
                      [this](const Args&) {
                          auto list = DispatchObject::New();
                          list->Property(L"Count", [this](const Args&) {
                              return Variant::Int(static_cast<long>(forms.size()));
                          });
                          return Of(list);
                      })
            .Property(L"ActiveWindow", [this](const Args&) { return Of(MakeInfoPathWindow()); });
    }
    return app;
}

ComPtr<DispatchObject> FakeOffice::MakeDocument(size_t index) {
    auto doc = DispatchObject::New();
    doc->Property(L"Name",
                  [this, index](const Args&) { return Variant::Text(documents[index].name); })
        .Property(L"CustomDocumentProperties",
                  [this, index](const Args&) { return Of(MakeProperties(index)); });
    if (kind_ != Kind::Word) return doc;
    doc->Property(L"ProtectionType",
                  [this, index](const Args&) { return Variant::Int(documents[index].protection); })
        .Property(L"FormFields", [this, index](const Args&) {
            auto fields = DispatchObject::New();
            auto& list = documents[index].fields;
            fields
                ->Property(
                    L"Count",
                    [&list](const Args&) { return Variant::Int(static_cast<long>(list.size())); })
                .Function(
                    L"Item",
                    [&list](const Args& a) {
                        const VARIANT* key = Arg(a, 0);
                        Document::FormField* field = nullptr;
                        if (V_VT(key) == VT_BSTR) {
                            for (auto& f : list)
                                if (f.name == Text(key)) field = &f;
                        } else if (long i = Int(key); i >= 1 && i <= (long)list.size()) {
                            field = &list[i - 1];
                        }
                        if (!field) throw HostError{"Das angeforderte Element existiert nicht."};
                        auto object = DispatchObject::New();
                        object
                            ->Property(L"Name",
                                       [field](const Args&) { return Variant::Text(field->name); })
                            .Property(L"TextInput",
                                      [field](const Args&) {
                                          auto input = DispatchObject::New();
                                          input->Property(L"Valid", [field](const Args&) {
                                              return Variant::Bool(field->text_input);
                                          });
                                          return Of(input);
                                      })
                            .Property(
                                L"Result",
                                [field](const Args&) { return Variant::Text(field->result); },
                                [field](const Args&, const VARIANT& v) {
                                    field->result = Text(&v);
                                });
                        return Of(object);
                    },
                    {}, 0);
            return Of(fields);
        });
    return doc;
}

ComPtr<DispatchObject> FakeOffice::MakeProperties(size_t index) {
    auto props = DispatchObject::New();
    props->Property(L"Count", [this, index](const Args&) {
        return Variant::Int(static_cast<long>(documents[index].properties.size()));
    });
    props->Function(L"Add",
                    [this, index](const Args& a) {
                        Document& d = documents[index];
                        std::string name = Text(Arg(a, 0));
                        if (d.properties.count(name)) throw HostError{"Ungültiger Prozeduraufruf"};
                        d.last_add_omitted_link_source =
                            a.size() == 5 && IsMissing(Arg(a, 4)) && V_VT(Arg(a, 4)) == VT_ERROR;
                        d.properties[name] = {Text(Arg(a, 3)), Int(Arg(a, 2))};
                        return Variant();
                    },
                    {L"Name", L"LinkToContent", L"Type", L"Value", L"LinkSource"});
    props->Function(
        L"Item",
        [this, index](const Args& a) {
            std::string name = Text(Arg(a, 0));
            auto& all = documents[index].properties;
            if (!all.count(name)) throw HostError{"Ungültiger Prozeduraufruf"};
            auto item = DispatchObject::New();
            item->Property(
                L"Value", [&all, name](const Args&) { return Variant::Text(all[name].value); },
                [&all, name](const Args&, const VARIANT& v) { all[name].value = Text(&v); });
            return Of(item);
        },
        {}, 0);
    return props;
}

ComPtr<DispatchObject> FakeOffice::MakeDialogs() {
    auto dialogs = DispatchObject::New();
    dialogs->Function(
        L"Item",
        [this](const Args& a) {
            long id = Int(Arg(a, 0));
            auto dialog = DispatchObject::New();
            dialog->AcceptAnyProperty();
            DispatchObject* self = dialog.Get();
            dialog->Function(L"Show", [this, id, self](const Args& args) {
                std::string name =
                    kind_ == Kind::Excel ? Text(Arg(args, 0)) : Text(self->Stored(L"Name").Get());
                dialogs_shown.push_back({id, name});
                return kind_ == Kind::Excel ? Variant::Bool(false) : Variant::Int(0);
            });
            return Of(dialog);
        },
        {}, 0);
    return dialogs;
}

ComPtr<DispatchObject> FakeOffice::MakeInfoPathWindow() {
    auto window = DispatchObject::New();
    window->Property(L"XDocument", [this](const Args&) {
        if (forms.empty()) throw HostError{"Im Fenster ist kein Formular geöffnet."};
        Form* form = &forms.back();
        auto xdoc = DispatchObject::New();
        xdoc->Property(L"DOM", [form](const Args&) { return Variant::Object(form->dom.Get()); })
            .Property(L"URI", [form](const Args&) { return Variant::Text(form->uri); })
            .Property(L"IsNew", [form](const Args&) { return Variant::Bool(form->is_new); })
            .Property(L"UI",
                      [form](const Args&) {
                          auto ui = DispatchObject::New();
                          ui->Function(L"SetSaveAsDialogFileName", [form](const Args& a) {
                                form->dialog_file_name = Text(Arg(a, 0));
                                return Variant();
                            }).Function(L"SetSaveAsDialogLocation", [form](const Args& a) {
                              form->dialog_location = Text(Arg(a, 0));
                              return Variant();
                          });
                          return Of(ui);
                      })
            .Function(L"SaveAs", [form](const Args& a) {
                form->saved_as = Text(Arg(a, 0));
                office::Call(form->dom.Get(), L"save", {Variant::Text(form->saved_as)});
                form->uri = form->saved_as;
                form->is_new = false;
                return Variant();
            });
        return Of(xdoc);
    });
    return window;
}

Form& FakeOffice::OpenForm(const std::string& xml, const std::string& uri, bool is_new) {
    Form form;
    HRESULT hr = CoCreateInstance(CLSID_DOMDocument30, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                  reinterpret_cast<void**>(form.dom.Put()));
    office::Check(hr, "CoCreateInstance(DOMDocument30)");
    office::Call(form.dom.Get(), L"loadXML", {Variant::Text(xml)});
    form.uri = uri;
    form.is_new = is_new;
    forms.push_back(std::move(form));
    return forms.back();
}

std::string FakeOffice::FormXml(size_t index) const {
    return office::Get(forms[index].dom.Get(), L"xml").ToText("xml");
}

// --- command bars

ComPtr<DispatchObject> FakeOffice::MakeCommandBars() {
    auto bars = DispatchObject::New();
    bars->Property(L"Count", [this](const Args&) { return Variant::Int((long)bars_.size()); })
        .Function(
            L"Item",
            [this](const Args& a) {
                const VARIANT* key = Arg(a, 0);
                if (V_VT(key) == VT_BSTR) {
                    for (BarState* b : bars_)
                        if (_wcsicmp(b->name.c_str(), Wide(Text(key)).c_str()) == 0)
                            return Of(b->object);
                } else if (long i = Int(key); i >= 1 && i <= (long)bars_.size()) {
                    return Of(bars_[i - 1]->object);
                }
                throw HostError{"Ungültiger Prozeduraufruf oder ungültiges Argument"};
            },
            {}, 0)
        .Function(L"Add",
                  [this](const Args& a) {
                      std::wstring name = Wide(Text(Arg(a, 0)));
                      for (BarState* b : bars_)
                          if (_wcsicmp(b->name.c_str(), name.c_str()) == 0)
                              throw HostError{"Ungültiger Prozeduraufruf oder ungültiges Argument"};
                      auto* bar = new BarState;
                      bar->name = name;
                      bar->position = IsMissing(Arg(a, 1)) ? 0 : Int(Arg(a, 1));
                      bar->temporary = IsMissing(Arg(a, 3)) ? false : Bool(Arg(a, 3));
                      bar->object = MakeBar(*bar);
                      bars_.push_back(bar);
                      ++bars_added_;
                      return Of(bar->object);
                  },
                  {L"Name", L"Position", L"MenuBar", L"Temporary"});
    return bars;
}

ComPtr<DispatchObject> FakeOffice::MakeBar(BarState& bar) {
    auto object = DispatchObject::New();
    BarState* b = &bar;
    object->AcceptAnyProperty()
        .Property(L"Name", [b](const Args&) { return Variant::Text(Narrow(b->name)); })
        .Property(
            L"Controls",
            [b](const Args&) {
                auto controls = DispatchObject::New();
                controls
                    ->Property(L"Count",
                               [b](const Args&) { return Variant::Int((long)b->controls.size()); })
                    .Function(
                        L"Item",
                        [b](const Args& a) {
                            long i = Int(Arg(a, 0));
                            if (i < 1 || i > (long)b->controls.size())
                                throw HostError{"Ungültiger Index"};
                            return Of(b->controls[i - 1]);
                        },
                        {}, 0)
                    .Function(
                        L"Add",
                        [b](const Args& a) {
                            if (Int(Arg(a, 0)) != 1) throw HostError{"Nur Schaltflächen"};
                            auto button = DispatchObject::New();
                            DispatchObject* self = button.Get();
                            button->AcceptAnyProperty()
                                .Property(L"Type", [](const Args&) { return Variant::Int(1); })
                                .Function(L"Delete", [b, self](const Args&) {
                                    auto& c = b->controls;
                                    c.erase(
                                        std::remove_if(c.begin(), c.end(),
                                                       [self](auto& p) { return p.Get() == self; }),
                                        c.end());
                                    return Variant();
                                });
                            button->AddEvents(office::DIID_CommandBarButtonEvents);
                            b->controls.push_back(button);
                            return Of(button);
                        },
                        {L"Type", L"Id", L"Parameter", L"Before", L"Temporary"});
                return Of(controls);
            })
        .Function(L"FindControl",
                  [b](const Args& a) {
                      std::string tag = IsMissing(Arg(a, 2)) ? "" : Text(Arg(a, 2));
                      for (auto& c : b->controls)
                          if (Text(c->Stored(L"Tag").Get()) == tag) return Of(c);
                      return Nothing();
                  },
                  {L"Type", L"Id", L"Tag", L"Visible", L"Recursive"})
        .Function(L"Delete", [this, b](const Args&) {
            bars_.erase(std::find(bars_.begin(), bars_.end(), b));
            b->controls.clear();
            // The object stays alive while the add-in holds it; the state goes with it.
            ComPtr<DispatchObject> keep = b->object;
            delete b;
            return Variant();
        });
    return object;
}

ComPtr<DispatchObject> FakeOffice::Bar(const std::wstring& name) const {
    for (BarState* b : bars_)
        if (b->name == name) return b->object;
    return {};
}

int FakeOffice::BarCount(const std::wstring& name) const {
    return static_cast<int>(
        std::count_if(bars_.begin(), bars_.end(), [&](BarState* b) { return b->name == name; }));
}

std::vector<ComPtr<DispatchObject>> FakeOffice::Controls(const std::wstring& name) const {
    for (BarState* b : bars_)
        if (b->name == name) return b->controls;
    return {};
}

void FakeOffice::Click(const std::wstring& bar, int index) {
    auto controls = Controls(bar);
    ComPtr<DispatchObject> button = controls.at(index);
    VARIANT_BOOL cancel = VARIANT_FALSE;
    Variant cancel_ref;
    V_VT(cancel_ref.Get()) = VT_BOOL | VT_BYREF;
    V_BOOLREF(cancel_ref.Get()) = &cancel;
    button->Fire(office::DIID_CommandBarButtonEvents, office::dispid::kButtonClick,
                 {Variant::Object(button.Get()), cancel_ref});
}

int FakeOffice::ClickSinks(const std::wstring& bar) const {
    int n = 0;
    for (auto& c : Controls(bar)) n += c->Sinks(office::DIID_CommandBarButtonEvents);
    return n;
}

// --- application events

void FakeOffice::FireApplicationEvent(DISPID id) {
    Variant doc = documents.empty() ? Nothing() : Of(MakeDocument(documents.size() - 1));
    VARIANT_BOOL cancel = VARIANT_FALSE;
    Variant cancel_ref;
    V_VT(cancel_ref.Get()) = VT_BOOL | VT_BYREF;
    V_BOOLREF(cancel_ref.Get()) = &cancel;
    bool before_close = id == office::dispid::kWordDocumentBeforeClose ||
                        id == office::dispid::kExcelWorkbookBeforeClose;
    std::vector<Variant> args{doc};
    if (before_close || id == office::dispid::kExcelSheetSelectionChange)
        args.push_back(before_close ? cancel_ref : Nothing());
    if (kind_ == Kind::Excel) {
        app_->Fire(office::DIID_ExcelAppEvents, id, args);
    } else {
        for (const IID& iid :
             {office::DIID_WordApplicationEvents2, office::DIID_WordApplicationEvents3,
              office::DIID_WordApplicationEvents4})
            app_->Fire(iid, id, args);
    }
}

int FakeOffice::ApplicationSinks() const {
    return app_->Sinks(office::DIID_ExcelAppEvents) +
           app_->Sinks(office::DIID_WordApplicationEvents2) +
           app_->Sinks(office::DIID_WordApplicationEvents3) +
           app_->Sinks(office::DIID_WordApplicationEvents4);
}

// --- the add-in

HRESULT FakeOffice::LoadAddin(const std::wstring& prog_id) {
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(prog_id.c_str(), &clsid);
    if (FAILED(hr)) return hr;
    ComPtr<IUnknown> object;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                          reinterpret_cast<void**>(object.Put()));
    if (FAILED(hr)) return hr;
    return ConnectAddin(object.Get());
}

HRESULT FakeOffice::ConnectAddin(IUnknown* addin) {
    auto extensibility =
        ComPtr<IUnknown>(addin).As<office::IDTExtensibility2>(office::IID_IDTExtensibility2);
    if (!extensibility) return E_NOINTERFACE;
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    HRESULT hr =
        extensibility->OnConnection(app_.Get(), office::ext_cm_Startup, com_addin_.Get(), &custom);
    SafeArrayDestroy(custom);
    if (FAILED(hr)) return hr;
    addin_ = ComPtr<IUnknown>(addin);
    if (!has_ribbon()) return S_OK;

    auto ribbon =
        ComPtr<IUnknown>(addin).As<office::IRibbonExtensibility>(office::IID_IRibbonExtensibility);
    if (!ribbon) return S_OK;
    ribbon_ = ComPtr<IDispatch>(ribbon.Get());
    Bstr xml;
    Bstr id(kind_ == Kind::Excel ? L"Microsoft.Excel.Workbook" : L"Microsoft.Word.Document");
    hr = ribbon->GetCustomUI(id.Get(), xml.Put());
    if (FAILED(hr)) return hr;
    ribbon_xml_ = xml.Get() ? std::wstring(xml.Get(), SysStringLen(xml.Get())) : L"";
    std::wstring on_load = RibbonAttribute("", L"onLoad");
    if (!on_load.empty()) {
        ribbon_ui_ = ComPtr<IDispatch>::Attach(new RibbonUI(invalidated));
        CallRibbon(on_load, {Variant::Object(ribbon_ui_.Get())});
    }
    return S_OK;
}

HRESULT FakeOffice::DisconnectAddin(LONG mode) {
    if (!addin_) return S_FALSE;
    auto extensibility = addin_.As<office::IDTExtensibility2>(office::IID_IDTExtensibility2);
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    HRESULT hr = extensibility->OnDisconnection(mode, &custom);
    SafeArrayDestroy(custom);
    extensibility.Reset();
    ribbon_.Reset();
    ribbon_ui_.Reset();
    addin_.Reset();
    return hr;
}

ComPtr<IDispatch> FakeOffice::AddinObject() const {
    return com_addin_object_;
}

// --- ribbon

std::wstring FakeOffice::RibbonAttribute(const std::string& control_id, const wchar_t* name) const {
    size_t at = control_id.empty() ? ribbon_xml_.find(L"<customUI")
                                   : ribbon_xml_.find(L" id=\"" + Wide(control_id) + L"\"");
    if (at == std::wstring::npos) return {};
    size_t begin = ribbon_xml_.rfind(L'<', at), end = ribbon_xml_.find(L'>', at);
    std::wstring element = ribbon_xml_.substr(begin, end - begin);
    std::wstring key = std::wstring(L" ") + name + L"=\"";
    size_t value = element.find(key);
    if (value == std::wstring::npos) return {};
    value += key.size();
    return element.substr(value, element.find(L'"', value) - value);
}

Variant FakeOffice::CallRibbon(const std::wstring& callback, const std::vector<Variant>& args) {
    // As Office: GetIDsOfNames with the callback's name, then Invoke.
    DISPID id;
    LPOLESTR name = const_cast<LPOLESTR>(callback.c_str());
    office::Check(ribbon_->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), Narrow(callback));
    std::vector<VARIANT> reversed;
    for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(*it->Get());
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    Variant result;
    office::Check(
        ribbon_->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, result.Get(), nullptr, nullptr),
        Narrow(callback));
    return result;
}

bool FakeOffice::RibbonEnabled(const std::string& id) {
    auto control = ComPtr<IDispatch>::Attach(new RibbonControl(id));
    Variant v = CallRibbon(RibbonAttribute(id, L"getEnabled"), {Variant::Object(control.Get())});
    return V_VT(v.Get()) == VT_BOOL && V_BOOL(v.Get()) != VARIANT_FALSE;
}

void FakeOffice::ClickRibbon(const std::string& id) {
    auto control = ComPtr<IDispatch>::Attach(new RibbonControl(id));
    CallRibbon(RibbonAttribute(id, L"onAction"), {Variant::Object(control.Get())});
}

ComPtr<IDispatch> FakeOffice::RibbonImage(const std::string& control_id) {
    std::wstring image = RibbonAttribute(control_id, L"image");
    return CallRibbon(RibbonAttribute("", L"loadImage"), {Variant::Text(Narrow(image))}).ToObject();
}

void PumpMessages(int ms) {
    DWORD end = GetTickCount() + ms;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        DWORD now = GetTickCount();
        if (static_cast<LONG>(end - now) <= 0) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
    }
}

}  // namespace vexo::fake
