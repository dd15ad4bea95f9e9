#include "win/application.h"

#include <utility>

#include "win/wide_text.h"

Application* Application::current = nullptr;

namespace {

// "C:\dir\Zentrix.EXE" gives "Zentrix": the file name up to its last dot.
std::string BaseNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

// "C:\dir\Zentrix.EXE" gives "C:\dir".
std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string ModulePath(HINSTANCE instance) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(instance, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

Application::Application() : previous(std::exchange(current, this)) {}

Application::~Application() {
    if (current == this)
        current = previous;
}

void Application::Begin(HINSTANCE moduleInstance) {
    instance = moduleInstance;
    exePath = ModulePath(instance);
    exeName = BaseNameOf(exePath);
    exeFolder = FolderOf(exePath);
}

void Application::ShowMessage(const char* text, HWND owner) const {
    MessageBoxW(owner, Widen(text).c_str(), Widen(AppName()).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

bool Application::OnCommand(int) {
    return false;
}
