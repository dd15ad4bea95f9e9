#pragma once
// The report of "zentrix-skin check": what a skin author needs to know about a skin folder.

#include <ostream>
#include <string>

// Writes the report on `folder` to `out` and returns the number of problems found.
int CheckSkin(const std::string& folder, std::ostream& out);
