#pragma once
// The application object: one global instance, run by the entry point. It knows the program's
// names and its main window; the windows it makes are given their instance and owner.

#include <windows.h>

#include <string>

class Dialog;

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* Current() { return current; }

    // Derives the names from the path of the executable of `instance`; the program then starts.
    void Begin(HINSTANCE instance);

    HINSTANCE Instance() const { return instance; }
    // The executable's full path in UTF-8, as the program holds every path, and its file name
    // without directory and extension ("Zentrix").
    const std::string& ExePath() const { return exePath; }
    const std::string& ExeName() const { return exeName; }
    // The folder the executable is in ("C:\dir").
    const std::string& ExeFolder() const { return exeFolder; }
    // Caption of the application's message boxes.
    const std::string& AppName() const { return exeName; }

    Dialog* MainWindow() const { return mainWindow; }
    void SetMainWindow(Dialog* window) { mainWindow = window; }

    // Shows a modal message box of the UTF-8 `text` with the application's caption, OK and the
    // exclamation icon, owned by `owner` when given.
    void ShowMessage(const char* text, HWND owner = nullptr) const;

    // Commands that no window handled end here.
    virtual bool OnCommand(int id);

private:
    static Application* current;
    Application*
        previous;  // the object this one stands in for while it lives (tests make their own)
    HINSTANCE instance = nullptr;
    std::string exePath;
    std::string exeName;
    std::string exeFolder;
    Dialog* mainWindow = nullptr;  // not owned
};
