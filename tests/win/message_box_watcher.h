#pragma once
// Answers the message boxes that code under test shows, recording their captions and texts,
// so that a modal box does not block the test.

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SeenMessageBox {
    std::string caption;
    std::string text;
};

class MessageBoxWatcher {
public:
    MessageBoxWatcher() : watcher([this] { Watch(); }) {}
    ~MessageBoxWatcher() {
        stop = true;
        watcher.join();
    }

    // Visible top-level windows of this process that were not message boxes.
    int OtherWindowsSeen() const { return otherWindows; }

    std::vector<SeenMessageBox> Seen() {
        const std::lock_guard lock(mutex);
        return seen;
    }

private:
    void Watch() {
        while (!stop) {
            EnumWindows(&MessageBoxWatcher::Visit, reinterpret_cast<LPARAM>(this));
            Sleep(20);
        }
    }

    static BOOL CALLBACK Visit(HWND window, LPARAM self) {
        auto* watcher = reinterpret_cast<MessageBoxWatcher*>(self);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char className[32] = {};
        GetClassNameA(window, className, sizeof className);
        // A message box is a dialog with its text in a static control of id 0xFFFF.
        const HWND text = GetDlgItem(window, 0xFFFF);
        if (owner != GetCurrentProcessId() || !IsWindowVisible(window))
            return TRUE;
        if (std::string(className) != "#32770" || !text) {
            ++watcher->otherWindows;
            return TRUE;
        }
        char caption[256] = {};
        char body[1024] = {};
        GetWindowTextA(window, caption, sizeof caption);
        GetWindowTextA(text, body, sizeof body);
        {
            const std::lock_guard lock(watcher->mutex);
            watcher->seen.push_back({caption, body});
        }
        PostMessageA(window, WM_COMMAND, IDOK, 0);
        // Wait for it to go, so that one box is not counted twice.
        for (int i = 0; i < 100 && IsWindow(window) && IsWindowVisible(window); ++i)
            Sleep(10);
        return TRUE;
    }

    std::atomic<bool> stop{false};
    std::atomic<int> otherWindows{0};
    std::mutex mutex;
    std::vector<SeenMessageBox> seen;
    std::thread watcher;
};

// Answers the first dialog of this process with the given caption by sending it a command, as
// a person pressing one of its buttons would.
class DialogAnswerer {
public:
    DialogAnswerer(std::string caption, int command)
        : caption(std::move(caption)), command(command), answerer([this] { Answer(); }) {}
    ~DialogAnswerer() {
        stop = true;
        answerer.join();
    }

    bool Answered() const { return answered; }

private:
    void Answer() {
        while (!stop && !answered) {
            const HWND dialog = FindWindowA("#32770", caption.c_str());
            DWORD owner = 0;
            GetWindowThreadProcessId(dialog, &owner);
            if (dialog && owner == GetCurrentProcessId()) {
                PostMessageA(dialog, WM_COMMAND, command, 0);
                answered = true;
            }
            Sleep(20);
        }
    }

    std::string caption;
    int command;
    std::atomic<bool> stop{false};
    std::atomic<bool> answered{false};
    std::thread answerer;
};
