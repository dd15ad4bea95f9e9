#pragma once
// Where skins are found: the folders of the working directory first, then those beside the
// program, then those of the "skins" folder beside it, where the distribution keeps its sample
// skins, so that a clock that Windows starts from another folder still finds them.

#include <string>
#include <vector>

// The folder of the skin `name`: in the first of those places that has a folder of that name,
// else in the working directory (where it will be missed). An absolute or empty name is taken
// as it is.
std::string LocateSkin(const std::string& name, const std::string& programFolder);

// The names of the skin folders (those that hold a config.ini, as a file or, oddly, a folder) of
// the working directory and of the places beside `programFolder`, each name once.
std::vector<std::string> SkinNames(const std::string& programFolder);
