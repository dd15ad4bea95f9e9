#pragma once
// The command line that opens a URL with the program registered for HTML files, for when the
// shell cannot open the URL itself.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The command line is built in a buffer of twice the path limit, terminator included.
constexpr std::size_t kHyperlinkCommandCapacity = 520;

// Whether a byte opens a two-byte character of the code page the command is written in.
using LeadBytePredicate = bool (*)(unsigned char);

// Cuts `openCommand` at its quoted "%1" placeholder (at the opening quote), else at a bare %1
// (at the percent sign), else keeps it whole, then appends one blank and `url`. Whatever stood
// behind the placeholder is dropped, and a blank before it stays. The placeholder is only
// matched at the start of a character, never inside a two-byte one. Empty when the command
// line and its terminator would not fit in kHyperlinkCommandCapacity.
std::optional<std::string> BuildHyperlinkCommand(std::string_view openCommand, std::string_view url,
                                                 LeadBytePredicate isLeadByte);
