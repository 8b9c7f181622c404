// File access with the program's relative paths ("Data\Stars.dat"): the backslash becomes '/'
// when a file is opened; messages keep the program's text, upper-cased.
#pragma once

#include <cstdio>
#include <string>

namespace platform
{
// The path as the file system wants it: every '\' becomes '/'.
std::string NativePath(const char* path);

// fopen() on NativePath(path); null when the file cannot be opened.
std::FILE* OpenFile(const char* path, const char* mode);

// "%s %s" from a fixed phrase ("Unable to open file") and the path upper-cased
// ("Unable to open file DATA\STARS.DAT").
std::string FileMessage(const char* phrase, const char* path);

// Size in bytes of an open file (seek to end, tell, rewind); -1 on failure.
long FileSize(std::FILE* f);
} // namespace platform
