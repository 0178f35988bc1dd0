// TVexoClass in-process, over the test platform: members, error objects, IDispatch from the
// type library (linked into this program as in the DLL) and the dispatch extension seam.
#include <windows.h>

#include <gtest/gtest.h>

#include <oleauto.h>

#include <stdexcept>
#include <string>

#include "host_state.h"
#include "issue_log.h"
#include "platform/win32.h"
#include "settings.h"
#include "support/test_platform.h"
#include "vexo_class.h"

namespace vexo::com {
namespace {

using testing::TestPlatform;

constexpr char kSettings[] =
    "[Optionen]\r\nTextBefore=\"RE-\"\r\nPadding=3\r\n[Zaehler]\r\nCounter=17\r\n";

// Owns one COM reference.
template <class T>
class Ref {
public:
    Ref() = default;
    ~Ref() {
        if (p_) p_->Release();
    }
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    T** put() { return &p_; }
    void** put_void() { return reinterpret_cast<void**>(&p_); }

private:
    T* p_ = nullptr;
};

// A VARIANT cleared on scope exit.
struct Variant : VARIANT {
    Variant() { VariantInit(this); }
    ~Variant() { VariantClear(this); }
    std::string Text() const {
        return vt == VT_BSTR ? win32::Narrow(std::wstring(bstrVal, SysStringLen(bstrVal))) : "?";
    }
};

class VexoClassTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        ASSERT_EQ(S_OK, TVexoClass::Create(IID_IVexoClass, vexo.put_void()));
        platform.WriteDataFile("vexo.ini", kSettings);
    }
    void TearDown() override {
        HostKind = ohaExcel;
        HostVersion.clear();
        SetErrorInfo(0, nullptr);
        CoUninitialize();
    }

    std::string Read() {
        Variant v;
        EXPECT_EQ(S_OK, vexo->get_ReadCounter(&v));
        return v.Text();
    }
    std::string Draw() {
        Variant v;
        EXPECT_EQ(S_OK, vexo->get_SetCounter(&v));
        return v.Text();
    }
    std::string LogLines() {
        std::string log = platform.ReadDataFile("vexolog.csv");
        size_t header_end = log.find("\r\n");
        return header_end == std::string::npos ? "" : log.substr(header_end + 2);
    }

    TestPlatform platform;
    Ref<IVexoClass> vexo;
};

TEST_F(VexoClassTest, ReadingTwiceGivesTheSameNumberAndChangesNothing) {
    EXPECT_EQ("RE-0017", Read());
    EXPECT_EQ("RE-0017", Read());
    EXPECT_EQ(kSettings, platform.ReadDataFile("vexo.ini"));
    EXPECT_FALSE(platform.DataFileExists("vexolog.csv"));
}

TEST_F(VexoClassTest, DrawingLogsTheNumberReadBeforeAndReturnsTheNextOne) {
    std::string before = Read();
    EXPECT_EQ("RE-0018", Draw());
    EXPECT_EQ("RE-0018", Read());
    EXPECT_EQ(FormatLogLine(before, platform.now, "Excel ", "buchhaltung") + "\r\n", LogLines());
    EXPECT_EQ("RE-0019", Draw());
}

TEST_F(VexoClassTest, TheLogLabelIsTheRecordedHostAndItsVersion) {
    struct Case {
        TadxOfficeHostApp kind;
        const char* version;
        const char* label;
    } cases[] = {
        {ohaExcel, "", "Excel "},
        {ohaWord, "11.0", "Word 11.0"},
        {ohaInfoPath, "12.0", "InfoPath 12.0"},
        {ohaOutlook, "12.0", "Makro 12.0"},
    };
    std::string expected;
    for (const Case& c : cases) {
        HostKind = c.kind;
        HostVersion = c.version;
        std::string number = Read();
        Draw();
        expected += FormatLogLine(number, platform.now, c.label, "buchhaltung") + "\r\n";
    }
    EXPECT_EQ(expected, LogLines());
}

TEST_F(VexoClassTest, DrawingMakesAMissingDataFolder) {
    std::string folder = GetDataFolder();
    DeleteFileW(win32::Wide(folder + "vexo.ini").c_str());
    ASSERT_TRUE(RemoveDirectoryW(win32::Wide(folder).c_str()));
    EXPECT_EQ("0002", Draw());
    EXPECT_EQ(FormatLogLine("0001", platform.now, "Excel ", "buchhaltung") + "\r\n", LogLines());
}

TEST_F(VexoClassTest, AFailureBecomesAnErrorObjectAndLeavesTheResultEmpty) {
    platform.SetReadOnly("vexo.ini", true);
    Variant result;
    result.vt = VT_I4;
    result.lVal = 42;
    EXPECT_EQ(E_UNEXPECTED, vexo->get_SetCounter(&result));
    EXPECT_EQ(VT_EMPTY, result.vt);

    Ref<IErrorInfo> info;
    ASSERT_EQ(S_OK, GetErrorInfo(0, info.put()));
    GUID guid{};
    info->GetGUID(&guid);
    EXPECT_TRUE(IsEqualGUID(IID_IVexoClass, guid));
    BSTR source = nullptr, description = nullptr;
    info->GetSource(&source);
    info->GetDescription(&description);
    EXPECT_EQ(L"Vexo.VexoClass", std::wstring(source));
    EXPECT_EQ(win32::Wide("In " + SettingsPath() + " kann nicht geschrieben werden"),
              std::wstring(description));
    SysFreeString(source);
    SysFreeString(description);

    EXPECT_EQ(kSettings, platform.ReadDataFile("vexo.ini"));
    EXPECT_FALSE(platform.DataFileExists("vexolog.csv"));
    platform.SetReadOnly("vexo.ini", false);
}

TEST_F(VexoClassTest, ANullResultIsRefusedBeforeAnyWork) {
    EXPECT_EQ(E_POINTER, vexo->get_SetCounter(nullptr));
    EXPECT_EQ(kSettings, platform.ReadDataFile("vexo.ini"));
    EXPECT_FALSE(platform.DataFileExists("vexolog.csv"));
}

TEST_F(VexoClassTest, QueryInterfaceHandsOutTheTableWithOneIdentity) {
    Ref<IUnknown> unknown, unknown_again;
    ASSERT_EQ(S_OK, vexo->QueryInterface(IID_IUnknown, unknown.put_void()));
    Ref<IDispatch> dispatch;
    ASSERT_EQ(S_OK, vexo->QueryInterface(IID_IDispatch, dispatch.put_void()));
    EXPECT_EQ(static_cast<IDispatch*>(vexo.get()), dispatch.get());
    Ref<ISupportErrorInfo> support;
    ASSERT_EQ(S_OK, vexo->QueryInterface(IID_ISupportErrorInfo, support.put_void()));
    ASSERT_EQ(S_OK, support->QueryInterface(IID_IUnknown, unknown_again.put_void()));
    EXPECT_EQ(unknown.get(), unknown_again.get());
    EXPECT_EQ(S_OK, support->InterfaceSupportsErrorInfo(IID_IVexoClass));
    EXPECT_EQ(S_FALSE, support->InterfaceSupportsErrorInfo(IID_IDispatch));

    void* none = &none;
    EXPECT_EQ(E_NOINTERFACE, vexo->QueryInterface(IID_IClassFactory, &none));
    EXPECT_EQ(nullptr, none);
}

class DispatchTest : public VexoClassTest {
protected:
    HRESULT IdOf(const wchar_t* name, DISPID* id) {
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        return vexo->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, id);
    }
    HRESULT Get(DISPID id, Variant* result, UINT argc = 0, EXCEPINFO* exception = nullptr) {
        VARIANTARG args[2];
        for (UINT i = 0; i < argc; ++i) {
            VariantInit(&args[i]);
            args[i].vt = VT_I4;
            args[i].lVal = 1;
        }
        DISPPARAMS params = {args, nullptr, argc, 0};
        UINT arg_error = 0;
        return vexo->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT,
                            DISPATCH_METHOD | DISPATCH_PROPERTYGET, &params, result, exception,
                            &arg_error);
    }
};

TEST_F(DispatchTest, NamesResolveToTheTypeLibrarysDispids) {
    struct Case {
        const wchar_t* name;
        DISPID id;
    } cases[] = {
        {L"ReadCounter", 201},
        {L"readcounter", 201},
        {L"SetCounter", 202},
        {L"GETVERSION", 203},
    };
    for (const Case& c : cases) {
        DISPID id = 0;
        EXPECT_EQ(S_OK, IdOf(c.name, &id)) << win32::Narrow(c.name);
        EXPECT_EQ(c.id, id) << win32::Narrow(c.name);
    }
    DISPID id = 0;
    EXPECT_EQ(DISP_E_UNKNOWNNAME, IdOf(L"NoSuchMember", &id));
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"ReadCounter")};
    EXPECT_EQ(DISP_E_UNKNOWNINTERFACE,
              vexo->GetIDsOfNames(IID_IVexoClass, names, 1, LOCALE_USER_DEFAULT, &id));
}

TEST_F(DispatchTest, InvokeRunsTheMembersAndRefusesWhatIsNotThere) {
    Variant read, drawn, wrong_id, wrong_count;
    EXPECT_EQ(S_OK, Get(201, &read));
    EXPECT_EQ("RE-0017", read.Text());
    EXPECT_EQ(S_OK, Get(202, &drawn));
    EXPECT_EQ("RE-0018", drawn.Text());
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, Get(204, &wrong_id));
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, Get(202, &wrong_count, 1));
    EXPECT_EQ("RE-0018", Read());  // nothing drawn by the refused calls

    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    Variant result;
    EXPECT_EQ(DISP_E_UNKNOWNINTERFACE, vexo->Invoke(201, IID_IVexoClass, 0, DISPATCH_PROPERTYGET,
                                                    &none, &result, nullptr, nullptr));

    UINT count = 0;
    EXPECT_EQ(S_OK, vexo->GetTypeInfoCount(&count));
    EXPECT_EQ(1u, count);
    Ref<ITypeInfo> info;
    EXPECT_EQ(DISP_E_BADINDEX, vexo->GetTypeInfo(1, 0, info.put()));
    ASSERT_EQ(S_OK, vexo->GetTypeInfo(0, 0, info.put()));
    BSTR name = nullptr;
    info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
    EXPECT_EQ(L"IVexoClass", std::wstring(name));
    SysFreeString(name);
}

// What script clients see of a failure: DISP_E_EXCEPTION with the error in EXCEPINFO.
TEST_F(DispatchTest, AFailureReachesScriptsThroughExcepinfo) {
    platform.SetReadOnly("vexo.ini", true);
    Variant result;
    EXCEPINFO exception{};
    EXPECT_EQ(DISP_E_EXCEPTION, Get(202, &result, 0, &exception));
    EXPECT_EQ(E_UNEXPECTED, exception.scode);
    ASSERT_NE(nullptr, exception.bstrDescription);
    EXPECT_EQ(win32::Wide("In " + SettingsPath() + " kann nicht geschrieben werden"),
              std::wstring(exception.bstrDescription));
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    platform.SetReadOnly("vexo.ini", false);
}

// Stands in for the ribbon callbacks of the add-in object.
class RibbonNames : public DispatchExtension {
public:
    HRESULT GetIdOfName(const wchar_t* name, DISPID* id) override {
        if (lstrcmpiW(name, L"OnRibbonLoad") == 0)
            *id = 1000;
        else if (lstrcmpiW(name, L"ReadCounter") == 0)
            *id = 1001;  // shadowed by the library
        else if (lstrcmpiW(name, L"Throw") == 0)
            *id = 1002;
        else
            return DISP_E_UNKNOWNNAME;
        return S_OK;
    }
    HRESULT Invoke(DISPID id, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        if (id == 1002) throw std::runtime_error("Rückruf fehlgeschlagen");
        if (id != 1000) return DISP_E_MEMBERNOTFOUND;
        ++loads;
        return S_OK;
    }
    int loads = 0;
};

TEST_F(DispatchTest, NamesBeyondTheTypeLibraryGoToTheExtension) {
    RibbonNames ribbon;
    static_cast<TVexoClass*>(vexo.get())->SetDispatchExtension(&ribbon);
    DISPID id = 0;
    EXPECT_EQ(S_OK, IdOf(L"onribbonload", &id));
    EXPECT_EQ(1000, id);
    EXPECT_EQ(S_OK, IdOf(L"ReadCounter", &id));
    EXPECT_EQ(201, id);
    EXPECT_EQ(DISP_E_UNKNOWNNAME, IdOf(L"GetEnabled", &id));

    Variant result, missing, thrown, read;
    EXPECT_EQ(S_OK, Get(1000, &result));
    EXPECT_EQ(1, ribbon.loads);
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, Get(1003, &missing));
    EXPECT_EQ(E_UNEXPECTED, Get(1002, &thrown));
    EXPECT_EQ(S_OK, Get(201, &read));
    EXPECT_EQ("RE-0017", read.Text());
    EXPECT_EQ(1, ribbon.loads);

    static_cast<TVexoClass*>(vexo.get())->SetDispatchExtension(nullptr);
    EXPECT_EQ(DISP_E_UNKNOWNNAME, IdOf(L"OnRibbonLoad", &id));
}

}  // namespace
}  // namespace vexo::com
