#pragma once
// The face the clock paints for a skin, a time and a dock mode, written to a BMP file, or for an
// alpha skin to a PNG file.

#include <string>
#include <string_view>

#include "face/dock_mode.h"

// Composes the face exactly as the clock does, grown by `zoom` as on a screen of high DPI, and
// writes it as a 24-bit BMP, or an alpha skin's face with its alpha as a 32-bit PNG. False when
// the skin has no background to compose on or the file cannot be written.
bool WriteFacePreview(const std::string& folder, std::string_view time, DockMode mode, int zoom,
                      const std::string& outPath);
