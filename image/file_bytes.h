#pragma once
// Reading image files whose contents are not trusted: never more than asked for, and a read
// error ends the reading like the end of the file.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "win/unique_handle.h"

// Opens the existing file at the UTF-8 `path` for reading, letting others read, write or delete
// it meanwhile; null when it cannot be opened.
UniqueFile OpenForReading(const std::string& path);

// Up to `count` bytes from the file's current position; fewer where the file ends early.
std::vector<std::uint8_t> ReadUpTo(HANDLE file, std::size_t count);
