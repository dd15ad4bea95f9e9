#pragma once
// What a hyperlink tells the user when its URL could not be opened.

#include <string>

// The shell reports a launch as a number: above 32 it succeeded, otherwise it is an error code.
constexpr bool LaunchSucceeded(int launchResult) {
    return launchResult > 32;
}

// "Unable to open hyperlink:", a blank line, and what the shell's error code means; a code the
// shell is not known to give is shown as its number.
std::string HyperlinkErrorMessage(int launchResult);
