#pragma once
// Lines of a skin's config.ini that an author probably meant as settings but the clock ignores.

#include <string>
#include <vector>

#include "skin/skin_config.h"

struct LintFinding {
    int line;  // 1-based, as an editor counts
    std::string message;
};

// Every line that looks like a header or a key but is not read as the author likely meant: a
// misspelt or repeated section, a key with spaces, in the wrong case, under the wrong section,
// repeated, or outside any section, and a byte-order mark that hides the first header. The
// sections and keys the clock reads (and "Digits", which skins carry but nothing reads) count
// as known; anything else that looks like a header or key is reported as unknown.
std::vector<LintFinding> LintSkinConfig(const SkinConfig& config);
