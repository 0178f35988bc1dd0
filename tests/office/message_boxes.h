#pragma once

// Answers the message boxes that the code under test shows on this thread, as a user would,
// and records them: tests run without anybody at the screen.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vexo::fake {

struct ShownBox {
    std::string caption;
    std::string text;
};

class MessageBoxes {
public:
    // Watches the windows of the calling thread; each box is answered with `answer`
    // (IDOK, IDYES, IDNO, IDCANCEL).
    explicit MessageBoxes(int answer = IDOK);
    ~MessageBoxes();
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;

    void set_answer(int answer) { answer_ = answer; }
    std::vector<ShownBox> shown() const;

private:
    void Watch();

    DWORD thread_;
    std::atomic<int> answer_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<ShownBox> shown_;
    std::thread watcher_;
};

}  // namespace vexo::fake
