#pragma once
// Where skins are found: the folders of the working directory first, then those beside the
// program, so that a clock that Windows starts from another folder still finds its skins.

#include <string>
#include <vector>

// The folder of the skin `name`: in the working directory when a folder of that name is there,
// else beside the program in `programFolder` when there, else in the working directory (where
// it will be missed). An absolute or empty name is taken as it is.
std::string LocateSkin(const std::string& name, const std::string& programFolder);

// The names of the skin folders (those that hold a config.ini, as a file or, oddly, a folder) of
// the working directory and of `programFolder`, each name once.
std::vector<std::string> SkinNames(const std::string& programFolder);
