#pragma once
// Where the clock window draws what it draws itself, without a skin's face.

#include "base/geometry.h"

// Reference point (centre of the text's top edge) of the plain text face.
constexpr Point PlainTextOrigin(Size frame, int textHeight) {
    return {frame.width / 2, frame.height / 2 - textHeight / 2};
}

// Top-left of the icon in the middle of a minimised window.
constexpr Point MinimisedIconOrigin(Size client, Size icon) {
    return {(client.width - icon.width + 1) / 2, (client.height - icon.height + 1) / 2};
}
