#pragma once

#include <windows.h>

#include <exception>
#include <vector>

namespace vexo::forms {

enum class FontKind { Normal, Bold, Title };

// One control of a dialog. Positions are pixels at 96 DPI in Tahoma 8 pt; they are scaled to
// the window's DPI. A width or height of 0 fits the control to its text (labels).
struct ControlSpec {
    int id;
    const wchar_t* class_name;
    const wchar_t* text;
    DWORD style;  // WS_CHILD | WS_VISIBLE are added
    int x, y, width, height;
    FontKind font = FontKind::Normal;
};

// A thin line in the button-shadow colour, pixels at 96 DPI.
struct LineSpec {
    int x, y, width;
};

struct DialogSpec {
    const wchar_t* caption;
    int client_width, client_height;    // pixels at 96 DPI
    std::vector<ControlSpec> controls;  // in tab order
    std::vector<LineSpec> lines;
};

// A modal dialog built in memory, laid out in pixels at the DPI of its monitor and again
// when that changes, inside the module's own activation context (common controls 6).
// Handlers run inside the window procedure: what they throw ends the dialog and is thrown
// again by ShowModal once the window is gone.
class Dialog {
public:
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    INT_PTR ShowModal(HWND owner);

protected:
    explicit Dialog(DialogSpec spec);
    virtual ~Dialog();

    // Return FALSE after setting the focus yourself.
    virtual BOOL OnInit() { return TRUE; }
    virtual void OnCommand(int /*id*/, int /*code*/, HWND /*control*/) {}
    // True when handled; `result` goes to DWLP_MSGRESULT.
    virtual bool OnNotify(NMHDR* /*header*/, LRESULT& /*result*/) { return false; }
    // Any other message; true when handled.
    virtual bool OnMessage(UINT /*message*/, WPARAM, LPARAM, INT_PTR& /*result*/) { return false; }
    virtual void OnPaint(HDC /*dc*/) {}
    // Colours of a static control; null for the default.
    virtual HBRUSH OnStaticColor(HDC /*dc*/, int /*id*/) { return nullptr; }
    // After each layout (first showing and DPI changes).
    virtual void OnLayout() {}

    HWND hwnd() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    UINT dpi() const { return dpi_; }
    int Scale(int pixels) const { return MulDiv(pixels, static_cast<int>(dpi_), 96); }
    HFONT Font(FontKind kind) const;
    void AddToolTip(int id, const wchar_t* text);
    void End(INT_PTR result) { EndDialog(hwnd_, result); }

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    INT_PTR Handle(UINT message, WPARAM wparam, LPARAM lparam);
    void Layout(const RECT* suggested);
    void MakeFonts();
    void DeleteFonts();

    DialogSpec spec_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    UINT dpi_ = 96;
    HFONT fonts_[3] = {};
    std::exception_ptr failure_;
};

// The module (DLL or program) that holds this code and its resources.
HINSTANCE ModuleInstance();

}  // namespace vexo::forms
