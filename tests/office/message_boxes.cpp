#include "message_boxes.h"

#include <map>

#include "com_types.h"

namespace vexo::fake {
namespace {

std::string WindowText(HWND window) {
    // WM_GETTEXT itself: GetWindowText does not ask controls of another thread.
    wchar_t text[2048] = {};
    SendMessageW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text));
    return office::Narrow(text);
}

BOOL CALLBACK CollectDialog(HWND window, LPARAM found) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (IsWindowVisible(window) && lstrcmpW(name, L"#32770") == 0) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK LongestStatic(HWND window, LPARAM best) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (lstrcmpiW(name, L"Static") == 0) {
        std::string text = WindowText(window);
        auto* out = reinterpret_cast<std::string*>(best);
        if (text.size() > out->size()) *out = text;
    }
    return TRUE;
}

}  // namespace

MessageBoxes::MessageBoxes(int answer)
    : thread_(GetCurrentThreadId()), answer_(answer), watcher_([this] { Watch(); }) {}

MessageBoxes::~MessageBoxes() {
    stop_ = true;
    watcher_.join();
}

std::vector<ShownBox> MessageBoxes::shown() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return shown_;
}

void MessageBoxes::Watch() {
    std::vector<HWND> answered;
    std::map<HWND, int> waiting;  // polls without text yet: the box is still being set up
    while (!stop_) {
        std::vector<HWND> dialogs;
        EnumThreadWindows(thread_, &CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
        for (HWND dialog : dialogs) {
            bool seen = false;
            for (HWND a : answered) seen = seen || a == dialog;
            if (seen) continue;
            std::string text;
            EnumChildWindows(dialog, &LongestStatic, reinterpret_cast<LPARAM>(&text));
            if (text.empty() && ++waiting[dialog] < 25) continue;

            {
                std::lock_guard<std::mutex> lock(mutex_);
                shown_.push_back({WindowText(dialog), text});
            }
            answered.push_back(dialog);
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(answer_.load(), BN_CLICKED), 0);
        }
        Sleep(20);
    }
}

}  // namespace vexo::fake
