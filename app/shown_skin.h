#pragma once
// The skin the clock shows: its name, its pictures as loaded, the Size menu's choice, the face
// composed from them, and a copy of the shape the window was last given. A skin switch is all
// or nothing: a skin that cannot be shown changes nothing.

#include <optional>
#include <string>

#include "base/geometry.h"
#include "face/clock_face.h"
#include "skin/skin.h"
#include "win/unique_handle.h"

// A new shape for the window, which owns it once it accepts it: an empty one gives the window
// back its plain rectangle. None where the window keeps the shape it has.
using NewShape = std::optional<UniqueRegion>;

// What the window takes when the skin is fitted to it: its size and its shape. The whole face
// is new.
struct SkinFit {
    Size size;
    NewShape shape;
};

// What a new time changed: the part of the face, in the window's coordinates (empty when
// nothing changed), and, for a skin whose shape follows its face, the shape.
struct FaceChange {
    Rect area;
    NewShape shape;
};

class ShownSkin {
public:
    // Skins are looked for in the working directory, then beside the program in `programFolder`
    // (skin/skin_folders.h). Nothing is shown until a Switch: `name` and `zoomChoice` are what
    // the settings hold.
    ShownSkin(std::string programFolder, std::string name, std::optional<int> zoomChoice);

    const std::string& Name() const { return name; }
    const Skin& Loaded() const { return skin; }
    // Whether any skin with a background has been loaded: without one there is no face, and the
    // window shows the time as plain text.
    bool HasFace() const { return skin.HasBackground(); }
    const ClockFace& Face() const { return face; }
    // Whether the face carries per-pixel alpha, which the window shows layered and unshaped.
    bool IsAlpha() const { return HasFace() && skin.alpha; }
    // The time on the face, or the one to show as plain text.
    const std::string& Time() const { return time; }
    std::optional<int> ZoomChoice() const { return zoomChoice; }
    // A copy of the shape last handed out, or none while the window has its plain rectangle.
    const UniqueRegion& Shape() const { return shape; }

    // Shows the skin folder `newName` fitted to `mode` on a screen of `dpi`, if its background
    // loads; the glyphs that folder lacks are kept from the skin shown before. If it does not,
    // nothing changes, `whyNot` (when given) receives what to tell the user, and there is no fit.
    std::optional<SkinFit> Switch(const std::string& newName, DockMode mode, int dpi,
                                  std::string* whyNot = nullptr);
    // Reads the skin shown from its folder again and fits it to `mode` and `dpi`: a skin whose
    // files have gone meanwhile is fitted as it was read before. No fit while there is no face.
    std::optional<SkinFit> Reload(DockMode mode, int dpi);
    // Fits the skin to `mode` and the zoom for a screen of `dpi`. No fit while there is no face.
    std::optional<SkinFit> Fit(DockMode mode, int dpi);
    // Whether a screen of `dpi` wants the face at another zoom than it has.
    bool ZoomChangesAt(int dpi) const {
        return HasFace() && WantedZoom(face.Mode(), dpi) != face.Zoom();
    }
    // Takes the Size menu's choice: 0 for automatic, else 1 to kMaxZoom. Fit shows it.
    void SetZoomChoice(int choice) { zoomChoice = choice; }
    // Takes the clock's label, none when empty. Fit shows it.
    void SetLabel(std::string text) { label = std::move(text); }

    // Makes the next ShowTime compose the whole face anew, as after a jump of the time.
    void ComposeWholeNext() { face.Reset(); }
    // Brings the face to `newTime`.
    FaceChange ShowTime(std::string newTime);

private:
    // The background the face is composed on: the skin's, or the skin's with the label.
    const PixelImage& FaceBackground() const {
        return labelled.IsEmpty() ? skin.background : labelled;
    }
    // The size of the skin's face turned for `mode`, before any zoom.
    Size TurnedSize(DockMode mode) const;
    int WantedZoom(DockMode mode, int dpi) const;
    bool ShapeFollowsFace() const { return !skin.alpha && skin.values.ShapeFollowsFace(); }
    // The window's shape cut from the face as it is, unless the window has it already; an alpha
    // face's window has none.
    NewShape Reshape();

    const std::string programFolder;
    std::string name;
    std::optional<int> zoomChoice;
    Skin skin;  // upright
    std::string label;
    PixelImage labelled;  // the skin's background with the label; empty without one
    ClockFace face;       // draws with skin's pictures and FaceBackground
    std::string time;
    // Asking the window for its shape would cost a round trip to the window server a tick.
    UniqueRegion shape;
};
