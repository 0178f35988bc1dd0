// "Vexo Logile": the issue log in a virtual list view. The rows come from the LogTable on
// demand, so a log of a million numbers opens as fast as one of ten.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <optional>

#include "../dialog_controls.h"
#include "../dialogs.h"
#include "../log_table.h"
#include "dialog.h"
#include "issue_log.h"
#include "platform.h"
#include "wide.h"

namespace vexo::forms {
namespace {

constexpr int kRowHeight = 18;
constexpr int kNavigatorButtonWidth = 28;
constexpr const wchar_t* kColumnCaptions[kLogColumnCount] = {L"Vexo", L"Datum", L"Anwendung",
                                                             L"Benutzer"};

DialogSpec Spec() {
    constexpr DWORD kNavigator = BS_OWNERDRAW;
    return {
        L"Vexo Logile",
        576,
        406,
        {
            {kLogfileList, WC_LISTVIEWW, L"",
             WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL |
                 LVS_SHOWSELALWAYS,
             8, 8, 561, 361},
            {kLogfileFirst, WC_BUTTONW, L"Erster Datensatz", kNavigator, 8, 373,
             kNavigatorButtonWidth, 24},
            {kLogfilePrior, WC_BUTTONW, L"Vorheriger Datensatz", kNavigator, 36, 373,
             kNavigatorButtonWidth, 24},
            {kLogfileNext, WC_BUTTONW, L"Nächster Datensatz", kNavigator, 64, 373,
             kNavigatorButtonWidth, 24},
            {kLogfileLast, WC_BUTTONW, L"Letzter Datensatz", kNavigator, 92, 373,
             kNavigatorButtonWidth, 24},
            {IDCANCEL, WC_BUTTONW, L"Schließen", WS_TABSTOP | BS_DEFPUSHBUTTON, 496, 376, 75, 25},
        },
        {}};
}

class LogfileDialog : public Dialog {
public:
    explicit LogfileDialog(LogTable table) : Dialog(Spec()), table_(std::move(table)) {}
    ~LogfileDialog() override {
        if (rows_) ImageList_Destroy(rows_);
    }

private:
    HWND List() const { return Item(kLogfileList); }

    BOOL OnInit() override {
        HWND list = List();
        ListView_SetExtendedListViewStyle(
            list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP);
        for (int c = 0; c < kLogColumnCount; ++c) {
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            column.pszText = const_cast<wchar_t*>(kColumnCaptions[c]);
            column.cx = 100;
            column.iSubItem = c;
            SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c),
                         reinterpret_cast<LPARAM>(&column));
        }
        ListView_SetItemCountEx(list, static_cast<int>(table_.RowCount()), LVSICF_NOINVALIDATEALL);
        SetWindowSubclass(list, ListProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
        SetWindowSubclass(ListView_GetHeader(list), HeaderProcedure, 0,
                          reinterpret_cast<DWORD_PTR>(this));
        for (int id : {kLogfileFirst, kLogfilePrior, kLogfileNext, kLogfileLast})
            AddToolTip(id, WindowText(Item(id)).c_str());
        if (table_.RowCount() > 0) MoveTo(0);
        SetFocus(list);
        return FALSE;
    }

    void OnLayout() override {
        HWND list = List();
        // A list view's rows are as high as its small images and some padding, which
        // differs between versions: measured, and the image made up for it.
        SetRowImageHeight(Scale(kRowHeight));
        RECT row;
        if (table_.RowCount() > 0 && ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS) &&
            row.bottom - row.top != Scale(kRowHeight))
            SetRowImageHeight(2 * Scale(kRowHeight) - (row.bottom - row.top));
        // Each column as wide as its caption or its widest cell.
        const int margin = Scale(14);
        for (int c = 0; c < kLogColumnCount; ++c) {
            int width = ListView_GetStringWidth(list, kColumnCaptions[c]) + margin + Scale(12);
            if (table_.RowCount() > 0) {
                std::wstring widest = Wide(table_.Field(table_.LongestFieldPosition(c), c), CP_ACP);
                int cell = static_cast<int>(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0,
                                                         reinterpret_cast<LPARAM>(widest.c_str())));
                width = std::max(width, cell + margin);
            }
            ListView_SetColumnWidth(list, c, width);
        }
    }

    void SetRowImageHeight(int height) {
        HIMAGELIST old = rows_;
        rows_ = ImageList_Create(1, std::max(1, height), ILC_COLOR32, 1, 0);
        ListView_SetImageList(List(), rows_, LVSIL_SMALL);
        if (old) ImageList_Destroy(old);
    }

    int Current() const { return ListView_GetNextItem(List(), -1, LVNI_FOCUSED); }

    void MoveTo(int position) {
        int count = static_cast<int>(table_.RowCount());
        if (count == 0) return;
        position = std::max(0, std::min(position, count - 1));
        HWND list = List();
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_SetItemState(list, position, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
        ListView_SetSelectionMark(list, position);
        ListView_EnsureVisible(list, position, FALSE);
    }

    void MoveBy(int rows) {
        int current = Current();
        MoveTo(current < 0 ? 0 : current + rows);
    }

    void OnCommand(int id, int code, HWND) override {
        if (code != BN_CLICKED) return;
        // The navigator does not keep the focus: typing still searches the list.
        if (id >= kLogfileFirst && id <= kLogfileLast) SetFocus(List());
        switch (id) {
            case kLogfileFirst: MoveTo(0); break;
            case kLogfilePrior: MoveBy(-1); break;
            case kLogfileNext: MoveBy(1); break;
            case kLogfileLast: MoveTo(static_cast<int>(table_.RowCount()) - 1); break;
            case IDOK:  // Enter and Esc close: "Schließen" is default and cancel button
            case IDCANCEL: End(IDOK); break;
            default: break;
        }
    }

    void Sort(int column) {
        bool ascending = !(table_.sort_column() == column && table_.ascending());
        int current = Current();
        size_t row = current >= 0 ? table_.RowAt(static_cast<size_t>(current)) : 0;
        HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
        table_.SortBy(column, ascending);
        SetCursor(old);
        HWND header = ListView_GetHeader(List());
        for (int c = 0; c < kLogColumnCount; ++c) {
            HDITEMW item{};
            item.mask = HDI_FORMAT;
            Header_GetItem(header, c, &item);
            item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
            if (c == column) item.fmt |= ascending ? HDF_SORTUP : HDF_SORTDOWN;
            Header_SetItem(header, c, &item);
        }
        InvalidateRect(List(), nullptr, FALSE);
        if (current >= 0) MoveTo(static_cast<int>(table_.PositionOf(row)));
    }

    bool OnNotify(NMHDR* header, LRESULT& result) override {
        if (header->idFrom != kLogfileList) return false;
        switch (header->code) {
            case LVN_GETDISPINFOW: {
                LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
                if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
                    std::wstring text =
                        Wide(table_.Field(static_cast<size_t>(item.iItem), item.iSubItem), CP_ACP);
                    lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
                }
                return true;
            }
            case LVN_ODFINDITEMW: {
                // Type-ahead, in the column the rows are sorted by.
                auto find = reinterpret_cast<NMLVFINDITEMW*>(header);
                result = -1;
                if ((find->lvfi.flags & LVFI_STRING) && find->lvfi.psz) {
                    int column = table_.sort_column() < 0 ? 0 : table_.sort_column();
                    std::string prefix = Narrow(find->lvfi.psz, CP_ACP);
                    auto start = static_cast<size_t>(std::max(find->iStart, 0));
                    if (auto found = table_.FindPrefix(column, prefix, start))
                        result = static_cast<LRESULT>(*found);
                }
                return true;
            }
            case LVN_COLUMNCLICK:
                Sort(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
                return true;
            case NM_CUSTOMDRAW: {
                auto draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
                if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
                    result = CDRF_NOTIFYITEMDRAW;
                } else if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
                    draw->clrTextBk = GetSysColor(
                        draw->nmcd.dwItemSpec % 2 == 0 ? COLOR_BTNHIGHLIGHT : COLOR_INFOBK);
                    draw->clrText = GetSysColor(COLOR_WINDOWTEXT);
                    result = CDRF_NEWFONT;
                } else {
                    result = CDRF_DODEFAULT;
                }
                return true;
            }
            default: return false;
        }
    }

    // The wheel moves the current record, a row per notch, wherever it turns in the window.
    bool Wheel(WPARAM wparam) {
        wheel_ += GET_WHEEL_DELTA_WPARAM(wparam);
        while (wheel_ >= WHEEL_DELTA) {
            MoveBy(-1);
            wheel_ -= WHEEL_DELTA;
        }
        while (wheel_ <= -WHEEL_DELTA) {
            MoveBy(1);
            wheel_ += WHEEL_DELTA;
        }
        return true;
    }

    bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& result) override {
        if (message == WM_MOUSEWHEEL) {
            result = Wheel(wparam);
            return true;
        }
        if (message == WM_DRAWITEM) {
            DrawNavigatorButton(*reinterpret_cast<DRAWITEMSTRUCT*>(lparam));
            result = TRUE;
            return true;
        }
        return false;
    }

    static LRESULT CALLBACK ListProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                          UINT_PTR, DWORD_PTR data) {
        if (message == WM_MOUSEWHEEL)
            return reinterpret_cast<LogfileDialog*>(data)->Wheel(wparam) ? 0 : 1;
        if (message == WM_NCDESTROY) RemoveWindowSubclass(window, ListProcedure, 0);
        return DefSubclassProc(window, message, wparam, lparam);
    }

    // The header is as high as a row.
    static LRESULT CALLBACK HeaderProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                            UINT_PTR, DWORD_PTR data) {
        if (message == HDM_LAYOUT) {
            LRESULT result = DefSubclassProc(window, message, wparam, lparam);
            auto layout = reinterpret_cast<HDLAYOUT*>(lparam);
            int height = reinterpret_cast<LogfileDialog*>(data)->Scale(kRowHeight);
            layout->pwpos->cy = height;
            layout->prc->top = layout->pwpos->y + height;
            return result;
        }
        if (message == WM_NCDESTROY) RemoveWindowSubclass(window, HeaderProcedure, 0);
        return DefSubclassProc(window, message, wparam, lparam);
    }

    // Flat, picture-only buttons: a triangle, with a bar for first and last.
    void DrawNavigatorButton(const DRAWITEMSTRUCT& d) {
        HDC dc = d.hDC;
        RECT r = d.rcItem;
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        if (d.itemState & ODS_SELECTED)
            DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        else
            DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
        if (d.itemState & ODS_FOCUS) {
            RECT f = r;
            InflateRect(&f, -Scale(3), -Scale(3));
            DrawFocusRect(dc, &f);
        }
        const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
        const int h = Scale(4), w = Scale(4), bar = std::max(1, Scale(2));
        const bool left = d.CtlID == kLogfileFirst || d.CtlID == kLogfilePrior;
        const bool bar_side = d.CtlID == kLogfileFirst || d.CtlID == kLogfileLast;
        const int shift = d.itemState & ODS_SELECTED ? 1 : 0;
        int tip = cx + (left ? -w / 2 : w / 2) + shift, base = cx + (left ? w / 2 : -w / 2) + shift;
        if (bar_side) {
            tip += left ? bar : -bar;
            base += left ? bar : -bar;
        }
        POINT triangle[3] = {{tip, cy + shift}, {base, cy - h + shift}, {base, cy + h + shift}};
        HBRUSH brush = GetSysColorBrush(COLOR_BTNTEXT);
        HGDIOBJ old_brush = SelectObject(dc, brush);
        HGDIOBJ old_pen = SelectObject(dc, GetStockObject(NULL_PEN));
        Polygon(dc, triangle, 3);
        if (bar_side) {
            int x = left ? tip - bar - bar : tip + bar;
            RECT b{x, cy - h + shift, x + bar, cy + h + 1 + shift};
            FillRect(dc, &b, brush);
        }
        SelectObject(dc, old_pen);
        SelectObject(dc, old_brush);
    }

    LogTable table_;
    HIMAGELIST rows_ = nullptr;
    int wheel_ = 0;
};

}  // namespace

void ShowLogfileDialog(HWND owner) {
    std::optional<LogTable> table = LogTable::ReadFile(LogPath());
    if (!table) {
        CurrentPlatform().ShowMessage("Es ist kein Logfile vorhanden.", MessageKind::Error);
        return;
    }
    LogfileDialog dialog(std::move(*table));
    dialog.ShowModal(owner);
}

}  // namespace vexo::forms
