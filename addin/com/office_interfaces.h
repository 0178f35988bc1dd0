#pragma once

// Office's add-in interfaces and the event interfaces Vexo listens to; MinGW declares none.
#include <oaidl.h>
#include <windows.h>

namespace vexo::office {

inline constexpr IID IID_IDTExtensibility2 = {
    0xB65AD801, 0xABAF, 0x11D0, {0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44}};
inline constexpr IID IID_IRibbonExtensibility = {
    0x000C0396, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID IID_IRibbonUI = {
    0x000C03A7, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID IID_IRibbonControl = {
    0x000C0395, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Event interfaces (dispinterfaces).
inline constexpr IID DIID_CommandBarButtonEvents = {
    0x000C0351, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID DIID_WordApplicationEvents2 = {
    0x000209FE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID DIID_WordApplicationEvents3 = {
    0x00020A00, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID DIID_WordApplicationEvents4 = {
    0x00020A01, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID DIID_ExcelAppEvents = {
    0x00024413, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// DISPIDs of the events and callbacks used.
namespace dispid {
inline constexpr DISPID kButtonClick = 1;
inline constexpr DISPID kWordDocumentOpen = 4;
inline constexpr DISPID kWordDocumentBeforeClose = 6;
inline constexpr DISPID kWordNewDocument = 9;
inline constexpr DISPID kWordWindowSelectionChange = 12;
inline constexpr DISPID kExcelSheetSelectionChange = 0x616;
inline constexpr DISPID kExcelNewWorkbook = 0x61D;
inline constexpr DISPID kExcelWorkbookOpen = 0x61F;
inline constexpr DISPID kExcelWorkbookBeforeClose = 0x622;
// IDTExtensibility2 members through IDispatch
inline constexpr DISPID kOnConnection = 1;
inline constexpr DISPID kOnDisconnection = 2;
inline constexpr DISPID kOnAddInsUpdate = 3;
inline constexpr DISPID kOnStartupComplete = 4;
inline constexpr DISPID kOnBeginShutdown = 5;
inline constexpr DISPID kGetCustomUI = 1;
}  // namespace dispid

inline constexpr LONG ext_cm_AfterStartup = 0;
inline constexpr LONG ext_cm_Startup = 1;
inline constexpr LONG ext_dm_HostShutdown = 0;
inline constexpr LONG ext_dm_UserClosed = 1;

// Enum parameters are declared as LONG: 32 bits on both architectures.
struct IDTExtensibility2 : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, LONG connect_mode,
                                                   IDispatch* addin_inst, SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnDisconnection(LONG remove_mode, SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) = 0;
};

struct IRibbonExtensibility : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR ribbon_id, BSTR* ribbon_xml) = 0;
};

struct IRibbonUI : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Invalidate() = 0;
    virtual HRESULT STDMETHODCALLTYPE InvalidateControl(BSTR control_id) = 0;
};

struct IRibbonControl : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Id(BSTR* id) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Context(IDispatch** context) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Tag(BSTR* tag) = 0;
};

}  // namespace vexo::office
