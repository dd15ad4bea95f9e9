#include "about/hyperlink_error.h"

namespace {

struct LaunchErrorText {
    int code;
    const char* text;
};

// The shell's launch error codes, each under its platform name.
constexpr LaunchErrorText kLaunchErrorTexts[] = {
    // out of memory or resources (no name)
    {0, "The operating system is out\nof memory or resources."},
    // ERROR_FILE_NOT_FOUND
    {2, "The specified file was not found."},
    // ERROR_PATH_NOT_FOUND
    {3, "The specified path was not found."},
    // SE_ERR_ACCESSDENIED
    {5, "The operating system denied\naccess to the specified file."},
    // SE_ERR_OOM
    {8, "There was not enough memory to complete the operation."},
    // ERROR_BAD_FORMAT
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    // SE_ERR_SHARE
    {26, "A sharing violation occurred. "},
    // SE_ERR_ASSOCINCOMPLETE
    {27, "The filename association is\nincomplete or invalid."},
    // SE_ERR_DDETIMEOUT
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    // SE_ERR_DDEFAIL
    {29, "The DDE transaction failed."},
    // SE_ERR_DDEBUSY
    {30,
     "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
     "processed."},
    // SE_ERR_NOASSOC
    {31, "There is no application associated\nwith the given filename extension."},
    // SE_ERR_DLLNOTFOUND
    {32, "The specified dynamic-link library was not found."},
};

}  // namespace

std::string HyperlinkErrorMessage(int launchResult) {
    std::string message = "Unable to open hyperlink:\n\n";
    for (const LaunchErrorText& known : kLaunchErrorTexts) {
        if (known.code == launchResult)
            return message + known.text;
    }
    return message + "Unknown Error (" + std::to_string(launchResult) + ") occurred.";
}
