#pragma once
// Where skins are found: the folders of the working directory first, then those beside the
// program, then those of the "skins" folder beside it, where the distribution keeps its sample
// skins, so that a clock that Windows starts from another folder still finds them.

#include <optional>
#include <string>
#include <vector>

// The folder of the skin `name`: the first skin folder (one that holds a config.ini, as a file
// or, oddly, a folder) of that name in those places, else the first folder of that name, else
// the name in the working directory, where it will be missed. None for a name that names no
// skin (IsSkinName), which is never looked up.
std::optional<std::string> LocateSkin(const std::string& name, const std::string& programFolder);

// The names of the skin folders of the working directory and of the places beside
// `programFolder`, each name once.
std::vector<std::string> SkinNames(const std::string& programFolder);
