#pragma once
// Ownership of GDI, USER and kernel handles: one small type, one alias per kind.

#include <windows.h>

#include <atomic>
#include <utility>

template <class H>
constexpr bool IsNotNull(H handle) {
    return handle != nullptr;
}

// Owns one handle of type H and releases it with Close. Move-only. A handle that IsValid rejects
// (the failure value of the call that made it) is held as null, so no caller checks for it.
//
// Each kind keeps a count of the handles its owners hold, so that long runs can show that
// nothing accumulates (Wine has no GetGuiResources to ask).
template <class H, auto Close, auto IsValid = IsNotNull<H>>
class Unique {
public:
    Unique() = default;
    explicit Unique(H handle) { reset(handle); }
    ~Unique() { reset(); }

    Unique(Unique&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            reset();
            handle = std::exchange(other.handle, nullptr);
        }
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    H get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }

    // Gives the handle up, to a caller or to the system (SetWindowRgn owns what it is handed).
    [[nodiscard]] H release() {
        if (handle)
            --live;
        return std::exchange(handle, nullptr);
    }

    void reset(H replacement = nullptr) {
        if (handle) {
            Close(handle);
            --live;
        }
        handle = IsValid(replacement) ? replacement : nullptr;
        if (handle)
            ++live;
    }

    // Handles of this kind that owners hold right now.
    static long Live() { return live; }

private:
    static inline std::atomic<long> live{0};
    H handle = nullptr;
};

inline void DeleteGdiObject(HGDIOBJ object) {
    DeleteObject(object);
}
inline void CloseKernelHandle(HANDLE handle) {
    CloseHandle(handle);
}
inline void CloseFindHandle(HANDLE handle) {
    FindClose(handle);
}

using UniqueBitmap = Unique<HBITMAP, DeleteGdiObject>;
using UniqueRegion = Unique<HRGN, DeleteGdiObject>;
using UniqueFont = Unique<HFONT, DeleteGdiObject>;
using UniqueBrush = Unique<HBRUSH, DeleteGdiObject>;
using UniqueDc = Unique<HDC, DeleteDC>;
using UniqueMenu = Unique<HMENU, DestroyMenu>;
using UniqueCursor = Unique<HCURSOR, DestroyCursor>;
using UniqueIcon = Unique<HICON, DestroyIcon>;
using UniqueWinEventHook = Unique<HWINEVENTHOOK, UnhookWinEvent>;
using UniqueWindow = Unique<HWND, DestroyWindow>;
using UniqueLibrary = Unique<HMODULE, FreeLibrary>;
using UniqueKey = Unique<HKEY, RegCloseKey>;
using UniqueKernelObject = Unique<HANDLE, CloseKernelHandle>;  // mutexes, events, processes

// File and find handles report failure as INVALID_HANDLE_VALUE, not null.
inline bool IsValidFileHandle(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}
using UniqueFile = Unique<HANDLE, CloseKernelHandle, IsValidFileHandle>;
using UniqueFind = Unique<HANDLE, CloseFindHandle, IsValidFileHandle>;

// Selects an object into a device context for one scope and puts the previous one back,
// so that nothing is ever deleted while still selected.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc(dc), previous(SelectObject(dc, object)) {}
    ~ScopedSelect() { SelectObject(dc, previous); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc;            // not owned
    HGDIOBJ previous;  // not owned
};
