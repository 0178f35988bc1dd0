#include "dialog.h"

#include <windows.h>

#include <commctrl.h>

#include <cstring>

#include "error.h"
#include "wide.h"

namespace vexo::forms {
namespace {

// Functions of newer Windows versions, looked up once; null where missing.
struct DpiFunctions {
    UINT(WINAPI* GetDpiForWindow)(HWND) = nullptr;
    BOOL(WINAPI* AdjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
    BOOL(WINAPI* SetDialogDpiChangeBehavior)(HWND, int, int) = nullptr;

    DpiFunctions() {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        if (!user32) return;
        Load(user32, "GetDpiForWindow", GetDpiForWindow);
        Load(user32, "AdjustWindowRectExForDpi", AdjustWindowRectExForDpi);
        Load(user32, "SetDialogDpiChangeBehavior", SetDialogDpiChangeBehavior);
    }

    template <typename F>
    static void Load(HMODULE module, const char* name, F& function) {
        function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
};

const DpiFunctions& Dpi() {
    static const DpiFunctions functions;
    return functions;
}

UINT WindowDpi(HWND window) {
    if (Dpi().GetDpiForWindow) {
        UINT dpi = Dpi().GetDpiForWindow(window);
        if (dpi) return dpi;
    }
    HDC dc = GetDC(window);
    int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

// The common controls 6 of the module's own manifest (resource 2), active while a dialog is
// created and shown, so the dialogs look native whatever the host's manifest says.
class ActivationContext {
public:
    ActivationContext() {
        wchar_t path[MAX_PATH];
        if (!GetModuleFileNameW(ModuleInstance(), path, MAX_PATH)) return;
        ACTCTXW context{};
        context.cbSize = sizeof context;
        context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID | ACTCTX_FLAG_HMODULE_VALID;
        context.lpSource = path;
        context.hModule = ModuleInstance();
        context.lpResourceName = MAKEINTRESOURCEW(2);
        handle_ = CreateActCtxW(&context);
        if (handle_ != INVALID_HANDLE_VALUE && !ActivateActCtx(handle_, &cookie_)) cookie_ = 0;
    }
    ~ActivationContext() {
        if (cookie_) DeactivateActCtx(0, cookie_);
        if (handle_ != INVALID_HANDLE_VALUE) ReleaseActCtx(handle_);
    }
    ActivationContext(const ActivationContext&) = delete;
    ActivationContext& operator=(const ActivationContext&) = delete;

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
};

// DLGTEMPLATEEX and its items, written field by field.
class TemplateWriter {
public:
    void Word(WORD v) { Put(&v, sizeof v); }
    void Dword(DWORD v) { Put(&v, sizeof v); }
    void Short(short v) { Put(&v, sizeof v); }
    void Text(const wchar_t* s) { Put(s, (std::wcslen(s) + 1) * sizeof(wchar_t)); }
    void AlignDword() {
        while (bytes_.size() % 4) bytes_.push_back(0);
    }
    std::vector<BYTE>& bytes() { return bytes_; }

private:
    void Put(const void* p, size_t n) {
        auto b = static_cast<const BYTE*>(p);
        bytes_.insert(bytes_.end(), b, b + n);
    }
    std::vector<BYTE> bytes_;
};

// Dialog units of Tahoma 8 pt at 96 DPI (6 x 13 base units). The exact pixel layout is set
// once the window exists, so rounding here does not matter.
short DluX(int pixels) {
    return static_cast<short>(MulDiv(pixels, 4, 6));
}
short DluY(int pixels) {
    return static_cast<short>(MulDiv(pixels, 8, 13));
}

constexpr DWORD kDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_NOIDLEMSG;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

std::vector<BYTE> BuildTemplate(const DialogSpec& spec) {
    TemplateWriter w;
    w.Word(1);       // dlgVer
    w.Word(0xFFFF);  // signature
    w.Dword(0);      // helpID
    w.Dword(kDialogExStyle);
    w.Dword(kDialogStyle);
    w.Word(static_cast<WORD>(spec.controls.size()));
    w.Short(0);
    w.Short(0);
    w.Short(DluX(spec.client_width));
    w.Short(DluY(spec.client_height));
    w.Word(0);  // no menu
    w.Word(0);  // standard class
    w.Text(spec.caption);
    w.Word(8);  // point size
    w.Word(FW_NORMAL);
    w.Word(0);  // italic, charset
    w.Text(L"Tahoma");
    for (const ControlSpec& c : spec.controls) {
        w.AlignDword();
        w.Dword(0);  // helpID
        w.Dword(0);  // exStyle
        w.Dword(c.style | WS_CHILD | WS_VISIBLE);
        w.Short(DluX(c.x));
        w.Short(DluY(c.y));
        w.Short(DluX(c.width));
        w.Short(DluY(c.height));
        w.Dword(static_cast<DWORD>(c.id));
        w.Text(c.class_name);
        w.Text(c.text);
        w.Word(0);  // no creation data
    }
    return std::move(w.bytes());
}

HFONT MakeFont(UINT dpi, int points, bool bold) {
    LOGFONTW f{};
    f.lfHeight = -MulDiv(points, static_cast<int>(dpi), 72);
    f.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    f.lfCharSet = DEFAULT_CHARSET;
    f.lfQuality = CLEARTYPE_QUALITY;
    std::wcscpy(f.lfFaceName, L"Tahoma");
    return CreateFontIndirectW(&f);
}

// The size of a label's text in its font.
SIZE TextSize(HWND control, HFONT font) {
    int n = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), n + 1)));
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {r.right, r.bottom};
}

}  // namespace

HINSTANCE ModuleInstance() {
    return win32::ThisModule();
}

Dialog::Dialog(DialogSpec spec) : spec_(std::move(spec)) {}

Dialog::~Dialog() {
    DeleteFonts();
}

INT_PTR Dialog::ShowModal(HWND owner) {
    ActivationContext context;
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES |
                                                     ICC_LINK_CLASS | ICC_BAR_CLASSES |
                                                     ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    std::vector<BYTE> bytes = BuildTemplate(spec_);
    INT_PTR result = DialogBoxIndirectParamW(ModuleInstance(),
                                             reinterpret_cast<const DLGTEMPLATE*>(bytes.data()),
                                             owner, Procedure, reinterpret_cast<LPARAM>(this));
    hwnd_ = nullptr;
    if (failure_) std::rethrow_exception(failure_);
    if (result == -1)
        throw Error("Das Fenster \"" + Narrow(spec_.caption) + "\" kann nicht angezeigt werden.");
    return result;
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lparam);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, DWLP_USER, lparam);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    }
    if (!self) return FALSE;
    try {
        return self->Handle(message, wparam, lparam);
    } catch (...) {
        // Keep only the first failure; the dialog ends and ShowModal throws it.
        if (!self->failure_) self->failure_ = std::current_exception();
        EndDialog(window, IDABORT);
        return FALSE;
    }
}

INT_PTR Dialog::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG: {
            if (Dpi().SetDialogDpiChangeBehavior)  // we lay out ourselves
                Dpi().SetDialogDpiChangeBehavior(hwnd_, 1 | 2 | 4, 1 | 2 | 4);
            tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, hwnd_,
                                       nullptr, ModuleInstance(), nullptr);
            dpi_ = WindowDpi(hwnd_);
            Layout(nullptr);
            BOOL focus = OnInit();
            OnLayout();
            return focus;
        }
        case WM_DPICHANGED:
            dpi_ = HIWORD(wparam);
            Layout(reinterpret_cast<const RECT*>(lparam));
            OnLayout();
            return TRUE;
        case WM_COMMAND:
            OnCommand(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
            return TRUE;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (!OnNotify(reinterpret_cast<NMHDR*>(lparam), result)) return FALSE;
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
            return TRUE;
        }
        case WM_CTLCOLORSTATIC: {
            HBRUSH brush = OnStaticColor(reinterpret_cast<HDC>(wparam),
                                         GetDlgCtrlID(reinterpret_cast<HWND>(lparam)));
            return reinterpret_cast<INT_PTR>(brush);
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            const int thickness = Scale(1) > 0 ? Scale(1) : 1;
            for (const LineSpec& line : spec_.lines) {
                RECT r{Scale(line.x), Scale(line.y), Scale(line.x + line.width),
                       Scale(line.y) + thickness};
                FillRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
            }
            OnPaint(dc);
            EndPaint(hwnd_, &ps);
            return TRUE;
        }
        case WM_DESTROY:
            // The tooltip is owned by the dialog and goes with it.
            tooltip_ = nullptr;
            return FALSE;
        default: {
            INT_PTR result = FALSE;
            return OnMessage(message, wparam, lparam, result) ? result : FALSE;
        }
    }
}

void Dialog::MakeFonts() {
    DeleteFonts();
    fonts_[0] = MakeFont(dpi_, 8, false);
    fonts_[1] = MakeFont(dpi_, 8, true);
    fonts_[2] = MakeFont(dpi_, 10, true);
}

void Dialog::DeleteFonts() {
    for (HFONT& f : fonts_) {
        if (f) DeleteObject(f);
        f = nullptr;
    }
}

HFONT Dialog::Font(FontKind kind) const {
    return fonts_[static_cast<int>(kind)];
}

void Dialog::Layout(const RECT* suggested) {
    HFONT old_fonts[3] = {fonts_[0], fonts_[1], fonts_[2]};
    for (HFONT& f : fonts_) f = nullptr;  // the controls hold them until they get new ones
    MakeFonts();
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Font(FontKind::Normal)), FALSE);
    for (const ControlSpec& c : spec_.controls) {
        HWND control = Item(c.id);
        if (!control) continue;
        HFONT font = Font(c.font);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        int width = Scale(c.width), height = Scale(c.height);
        if (c.width == 0 || c.height == 0) {
            SIZE text = TextSize(control, font);
            if (c.width == 0) width = text.cx;
            if (c.height == 0) height = text.cy;
        }
        // A drop-down list's height is that of its open list.
        if (std::wcscmp(c.class_name, WC_COMBOBOXW) == 0) height += Scale(200);
        SetWindowPos(control, nullptr, Scale(c.x), Scale(c.y), width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (HFONT f : old_fonts)
        if (f) DeleteObject(f);

    RECT frame{0, 0, Scale(spec_.client_width), Scale(spec_.client_height)};
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    DWORD ex_style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
    if (Dpi().AdjustWindowRectExForDpi)
        Dpi().AdjustWindowRectExForDpi(&frame, style, FALSE, ex_style, dpi_);
    else
        AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    int x, y;
    if (suggested) {
        x = suggested->left;
        y = suggested->top;
    } else {
        // Centred on the work area of the monitor that shows the owner (or the dialog).
        HWND owner = GetWindow(hwnd_, GW_OWNER);
        MONITORINFO info{sizeof info, {}, {}, 0};
        GetMonitorInfoW(MonitorFromWindow(owner ? owner : hwnd_, MONITOR_DEFAULTTOPRIMARY), &info);
        const RECT& area = info.rcWork;
        x = area.left + (area.right - area.left - width) / 2;
        y = area.top + (area.bottom - area.top - height) / 2;
    }
    SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame is not drawn at the DPI we computed it for, correct by what is missing.
    RECT client;
    GetClientRect(hwnd_, &client);
    int missing_x = Scale(spec_.client_width) - client.right;
    int missing_y = Scale(spec_.client_height) - client.bottom;
    if (missing_x || missing_y)
        SetWindowPos(hwnd_, nullptr, 0, 0, width + missing_x, height + missing_y,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Dialog::AddToolTip(int id, const wchar_t* text) {
    if (!tooltip_) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(Item(id));
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace vexo::forms
