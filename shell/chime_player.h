#pragma once
// The clock's chime: the bell built into the program, or the sound a skin brings.

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class ChimePlayer {
public:
    // The built-in bell of `instance`'s resources until a skin brings a sound of its own.
    explicit ChimePlayer(HINSTANCE instance);
    // Silences a chime still sounding: it plays from this object's memory.
    ~ChimePlayer();
    ChimePlayer(const ChimePlayer&) = delete;
    ChimePlayer& operator=(const ChimePlayer&) = delete;

    // The sound of the skin in `skinFolder` from now on: its chime.wav where the clock accepts
    // it, else (and for no folder) the built-in bell.
    void TakeSkin(const std::string& skinFolder);
    // Sounds the chime `times` times (the strikes of an hour) without waiting for it: PlaySound
    // from memory, SND_ASYNC | SND_NODEFAULT; the bytes stay alive while it plays. A chime still
    // sounding stops for the new one.
    void Play(int times);

private:
    std::span<const std::uint8_t> builtIn;  // the module's resource, mapped while it is loaded
    std::vector<std::uint8_t> skinSound;    // empty: the skin brings none the clock accepts
    std::vector<std::uint8_t> playing;      // what PlaySound reads while the chime sounds
};
