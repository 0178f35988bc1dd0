// The built Vexo.dll as clients see it: exports, type library, version resource, unloading,
// and creation by ProgID after registration. The DLL lies beside this program; the one
// without version resource in noversion/.
#include <windows.h>

#include <gtest/gtest.h>

#include <oleauto.h>

#include <string>

#include "platform/win32.h"
#include "support/process.h"
#include "vexo_tlb.h"

namespace vexo::com {
namespace {

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using NoArgumentFn = HRESULT(STDAPICALLTYPE*)();

std::wstring DllPath(const std::string& folder = "") {
    std::string program = testing::SiblingProgram("x");
    std::string dir = program.substr(0, program.find_last_of("\\/") + 1);
    return win32::Wide(dir + folder + "Vexo.dll");
}

class VexoDll {
public:
    explicit VexoDll(const std::wstring& path) : module_(LoadLibraryW(path.c_str())) {}
    ~VexoDll() {
        if (module_) FreeLibrary(module_);
    }
    VexoDll(const VexoDll&) = delete;
    VexoDll& operator=(const VexoDll&) = delete;

    bool loaded() const { return module_ != nullptr; }
    FARPROC Export(const char* name) const { return GetProcAddress(module_, name); }
    template <class Fn>
    Fn Entry(const char* name) const {
        return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(Export(name)));
    }
    HRESULT GetClassObject(REFIID iid, void** object) const {
        return Entry<GetClassObjectFn>("DllGetClassObject")(CLSID_VexoClass, iid, object);
    }
    HRESULT CanUnloadNow() const { return Entry<NoArgumentFn>("DllCanUnloadNow")(); }
    HRESULT Call(const char* name) const { return Entry<NoArgumentFn>(name)(); }

private:
    HMODULE module_;
};

std::wstring Text(const VARIANT& v) {
    return v.vt == VT_BSTR ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : L"?";
}

class VexoDllTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        ASSERT_TRUE(dll.loaded());
    }
    void TearDown() override { CoUninitialize(); }

    IVexoClass* Create() {
        IClassFactory* factory = nullptr;
        EXPECT_EQ(S_OK, dll.GetClassObject(IID_IClassFactory, reinterpret_cast<void**>(&factory)));
        IVexoClass* vexo = nullptr;
        if (factory) {
            EXPECT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IVexoClass,
                                                    reinterpret_cast<void**>(&vexo)));
            factory->Release();
        }
        return vexo;
    }

    VexoDll dll{DllPath()};
};

TEST_F(VexoDllTest, ExportsTheServerEntriesByPlainNames) {
    for (const char* name : {"DllGetClassObject", "DllCanUnloadNow", "DllRegisterServer",
                             "DllUnregisterServer", "DllInstall"})
        EXPECT_NE(nullptr, dll.Export(name)) << name;
}

TEST_F(VexoDllTest, UnloadsOnlyWhenNoObjectOrLockIsLeft) {
    EXPECT_EQ(S_OK, dll.CanUnloadNow());
    IClassFactory* factory = nullptr;
    ASSERT_EQ(S_OK, dll.GetClassObject(IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    IUnknown* object = nullptr;
    ASSERT_EQ(S_OK,
              factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object)));
    factory->LockServer(TRUE);
    EXPECT_EQ(S_FALSE, dll.CanUnloadNow());
    factory->LockServer(FALSE);
    factory->Release();
    EXPECT_EQ(S_FALSE, dll.CanUnloadNow());  // the object
    object->Release();
    EXPECT_EQ(S_OK, dll.CanUnloadNow());
    ASSERT_EQ(S_OK, dll.GetClassObject(IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    factory->LockServer(TRUE);
    factory->Release();
    EXPECT_EQ(S_FALSE, dll.CanUnloadNow());  // the lock alone
    ASSERT_EQ(S_OK, dll.GetClassObject(IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    factory->LockServer(FALSE);
    factory->Release();
    EXPECT_EQ(S_OK, dll.CanUnloadNow());
}

TEST_F(VexoDllTest, TheFactoryRefusesAggregationAndOtherClasses) {
    IClassFactory* factory = nullptr;
    ASSERT_EQ(S_OK, dll.GetClassObject(IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    void* object = &object;
    EXPECT_EQ(CLASS_E_NOAGGREGATION,
              factory->CreateInstance(reinterpret_cast<IUnknown*>(factory), IID_IUnknown, &object));
    EXPECT_EQ(nullptr, object);
    factory->Release();
    auto get = dll.Entry<GetClassObjectFn>("DllGetClassObject");
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, get(IID_IVexoClass, IID_IClassFactory, &object));
}

TEST_F(VexoDllTest, TheTypeLibraryDescribesIVexoClassAndVexoClass) {
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadTypeLibEx(DllPath().c_str(), REGKIND_NONE, &library));
    TLIBATTR* lib = nullptr;
    ASSERT_EQ(S_OK, library->GetLibAttr(&lib));
    EXPECT_TRUE(IsEqualGUID(LIBID_Vexo, lib->guid));
    EXPECT_EQ(1, lib->wMajorVerNum);
    EXPECT_EQ(0, lib->wMinorVerNum);
    EXPECT_EQ(sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32, lib->syskind);
    library->ReleaseTLibAttr(lib);
    BSTR name = nullptr, help = nullptr;
    library->GetDocumentation(-1, &name, &help, nullptr, nullptr);
    EXPECT_EQ(L"Vexo", std::wstring(name));
    EXPECT_EQ(L"Vexo Library", std::wstring(help));
    SysFreeString(name);
    SysFreeString(help);
    ASSERT_EQ(2u, library->GetTypeInfoCount());

    // Type 0: the dual interface; its dispatch view has the three property gets.
    ITypeInfo* info = nullptr;
    ASSERT_EQ(S_OK, library->GetTypeInfo(0, &info));
    TYPEATTR* type = nullptr;
    ASSERT_EQ(S_OK, info->GetTypeAttr(&type));
    EXPECT_TRUE(IsEqualGUID(IID_IVexoClass, type->guid));
    EXPECT_EQ(TKIND_DISPATCH, type->typekind);
    EXPECT_TRUE(type->wTypeFlags & TYPEFLAG_FDUAL);
    info->ReleaseTypeAttr(type);
    HREFTYPE vtable_ref = 0;
    ASSERT_EQ(S_OK, info->GetRefTypeOfImplType(-1, &vtable_ref));
    ITypeInfo* vtable = nullptr;
    ASSERT_EQ(S_OK, info->GetRefTypeInfo(vtable_ref, &vtable));
    ASSERT_EQ(S_OK, vtable->GetTypeAttr(&type));
    EXPECT_EQ(TKIND_INTERFACE, type->typekind);
    EXPECT_TRUE(type->wTypeFlags & TYPEFLAG_FOLEAUTOMATION);
    EXPECT_TRUE(type->wTypeFlags & TYPEFLAG_FDUAL);
    ASSERT_EQ(3, type->cFuncs);
    vtable->ReleaseTypeAttr(type);

    // Its base is stdole's IDispatch.
    HREFTYPE base_ref = 0;
    ITypeInfo* base = nullptr;
    ITypeLib* stdole = nullptr;
    UINT index = 0;
    ASSERT_EQ(S_OK, vtable->GetRefTypeOfImplType(0, &base_ref));
    ASSERT_EQ(S_OK, vtable->GetRefTypeInfo(base_ref, &base));
    ASSERT_EQ(S_OK, base->GetContainingTypeLib(&stdole, &index));
    ASSERT_EQ(S_OK, stdole->GetLibAttr(&lib));
    const GUID stdole_libid = {0x00020430, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    EXPECT_TRUE(IsEqualGUID(stdole_libid, lib->guid));
    stdole->ReleaseTLibAttr(lib);
    stdole->Release();
    base->Release();

    const wchar_t* names[] = {L"ReadCounter", L"SetCounter", L"GetVersion"};
    const wchar_t* help_strings[] = {
        L"Liest die kommende Rechnungsnummer, ohne sie zu vergeben",
        L"Vergibt die kommende Rechnungsnummer und liefert die darauf folgende",
        L"Die Dateiversion von Vexo.dll, z. B. 2.2.0.0",
    };
    const short slot = sizeof(void*);
    for (UINT i = 0; i < 3; ++i) {
        FUNCDESC* func = nullptr;
        ASSERT_EQ(S_OK, vtable->GetFuncDesc(i, &func));
        EXPECT_EQ(static_cast<MEMBERID>(201 + i), func->memid);
        EXPECT_EQ(INVOKE_PROPERTYGET, func->invkind);
        EXPECT_EQ(CC_STDCALL, func->callconv);
        EXPECT_EQ((7 + static_cast<short>(i)) * slot, func->oVft);  // 28/32/36 or 56/64/72
        EXPECT_EQ(VT_HRESULT, func->elemdescFunc.tdesc.vt);
        ASSERT_EQ(1, func->cParams);
        EXPECT_EQ(VT_PTR, func->lprgelemdescParam[0].tdesc.vt);
        EXPECT_EQ(VT_VARIANT, func->lprgelemdescParam[0].tdesc.lptdesc->vt);
        EXPECT_EQ(PARAMFLAG_FOUT | PARAMFLAG_FRETVAL,
                  func->lprgelemdescParam[0].paramdesc.wParamFlags &
                      (PARAMFLAG_FOUT | PARAMFLAG_FRETVAL));
        BSTR member = nullptr, doc = nullptr;
        vtable->GetDocumentation(func->memid, &member, &doc, nullptr, nullptr);
        EXPECT_EQ(names[i], std::wstring(member));
        EXPECT_EQ(help_strings[i], std::wstring(doc ? doc : L""));
        SysFreeString(member);
        SysFreeString(doc);
        vtable->ReleaseFuncDesc(func);
    }
    vtable->Release();
    info->Release();

    // Type 1: the coclass with IVexoClass as default.
    ASSERT_EQ(S_OK, library->GetTypeInfo(1, &info));
    ASSERT_EQ(S_OK, info->GetTypeAttr(&type));
    EXPECT_TRUE(IsEqualGUID(CLSID_VexoClass, type->guid));
    EXPECT_EQ(TKIND_COCLASS, type->typekind);
    EXPECT_TRUE(type->wTypeFlags & TYPEFLAG_FCANCREATE);
    info->ReleaseTypeAttr(type);
    INT flags = 0;
    info->GetImplTypeFlags(0, &flags);
    EXPECT_TRUE(flags & IMPLTYPEFLAG_FDEFAULT);
    info->Release();
    library->Release();
}

TEST_F(VexoDllTest, TheVersionResourceIsGermanWithTheProductStrings) {
    std::wstring path = DllPath();
    DWORD ignored = 0;
    std::string data(GetFileVersionInfoSizeW(path.c_str(), &ignored), '\0');
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(MAKELONG(2, 2), fixed->dwFileVersionMS);
    EXPECT_EQ(0u, fixed->dwFileVersionLS);
    EXPECT_EQ(MAKELONG(2, 2), fixed->dwProductVersionMS);
    EXPECT_EQ(0u, fixed->dwProductVersionLS);
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &size));
    ASSERT_EQ(4u, size);
    EXPECT_EQ(0x0407, translation[0]);
    EXPECT_EQ(1252, translation[1]);
    struct Field {
        const wchar_t* name;
        const wchar_t* value;
    } fields[] = {
        {L"FileVersion", L"2.2.0.0"},
        {L"ProductVersion", L"2.2"},
        {L"FileDescription", L"Fortlaufende Rechnungsnummern f\u00fcr Word und Excel"},
        {L"ProductName", L"Vexo Freeware 2007"},
        {L"InternalName", L"Vexo Freeware"},
        {L"OriginalFilename", L"vexo.dll"},
        {L"CompanyName", L"Ostrak"},
    };
    for (const Field& f : fields) {
        wchar_t* text = nullptr;
        std::wstring key = std::wstring(L"\\StringFileInfo\\040704E4\\") + f.name;
        ASSERT_TRUE(
            VerQueryValueW(data.data(), key.c_str(), reinterpret_cast<void**>(&text), &size))
            << win32::Narrow(f.name);
        EXPECT_EQ(std::wstring(f.value), text) << win32::Narrow(f.name);
    }
}

// GetVersion reads the DLL's own file, not the program's (which has no version resource).
TEST_F(VexoDllTest, GetVersionReportsTheDllsOwnVersion) {
    struct Case {
        std::string folder;
        const wchar_t* version;
    } cases[] = {{"", L"2.2.0.0"}, {"noversion\\", L"0.0.0.0"}};
    for (const Case& c : cases) {
        VexoDll variant(DllPath(c.folder));
        ASSERT_TRUE(variant.loaded()) << c.folder;
        IClassFactory* factory = nullptr;
        ASSERT_EQ(S_OK,
                  variant.GetClassObject(IID_IClassFactory, reinterpret_cast<void**>(&factory)));
        IVexoClass* vexo = nullptr;
        ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IVexoClass,
                                                reinterpret_cast<void**>(&vexo)));
        factory->Release();
        VARIANT v;
        VariantInit(&v);
        EXPECT_EQ(S_OK, vexo->get_GetVersion(&v));
        EXPECT_EQ(c.version, Text(v));
        VariantClear(&v);
        vexo->Release();
    }
}

// A client that knows only the ProgID, after DllRegisterServer: vtable and IDispatch agree.
TEST_F(VexoDllTest, AfterRegistrationClientsCreateItByProgId) {
    ASSERT_EQ(S_OK, dll.Call("DllRegisterServer"));
    CLSID clsid{};
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"Vexo.VexoClass", &clsid));
    EXPECT_TRUE(IsEqualCLSID(CLSID_VexoClass, clsid));
    IVexoClass* vexo = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IVexoClass,
                                     reinterpret_cast<void**>(&vexo)));
    VARIANT by_vtable, by_name, version;
    VariantInit(&by_vtable);
    VariantInit(&by_name);
    VariantInit(&version);
    EXPECT_EQ(S_OK, vexo->get_ReadCounter(&by_vtable));
    EXPECT_EQ(S_OK, vexo->get_GetVersion(&version));
    EXPECT_EQ(L"2.2.0.0", Text(version));

    IDispatch* dispatch = nullptr;
    ASSERT_EQ(S_OK, vexo->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)));
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"readCounter")};
    DISPID id = 0;
    ASSERT_EQ(S_OK, dispatch->GetIDsOfNames(IID_NULL, names, 1, 0, &id));
    EXPECT_EQ(201, id);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    EXPECT_EQ(S_OK, dispatch->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &by_name,
                                     nullptr, nullptr));
    EXPECT_EQ(Text(by_vtable), Text(by_name));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, dispatch->Invoke(200, IID_NULL, 0, DISPATCH_PROPERTYGET, &none,
                                                      &by_name, nullptr, nullptr));
    VARIANT arg;
    VariantInit(&arg);
    DISPPARAMS one = {&arg, nullptr, 1, 0};
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, dispatch->Invoke(203, IID_NULL, 0, DISPATCH_PROPERTYGET, &one,
                                                     &by_name, nullptr, nullptr));
    dispatch->Release();
    vexo->Release();
    VariantClear(&by_vtable);
    VariantClear(&by_name);
    VariantClear(&version);

    EXPECT_EQ(S_OK, dll.Call("DllUnregisterServer"));
    EXPECT_NE(S_OK, CLSIDFromProgID(L"Vexo.VexoClass", &clsid));
}

}  // namespace
}  // namespace vexo::com
