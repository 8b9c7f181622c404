#include "platform/Files.h"

#include <cctype>

namespace platform
{
std::string NativePath(const char* path)
{
    std::string p = path ? path : "";
    for (char& c : p)
        if (c == '\\')
            c = '/';
    return p;
}

std::FILE* OpenFile(const char* path, const char* mode)
{
    return std::fopen(NativePath(path).c_str(), mode);
}

std::string FileMessage(const char* phrase, const char* path)
{
    std::string upper = path ? path : "";
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return std::string(phrase) + " " + upper;
}

long FileSize(std::FILE* f)
{
    if (!f || std::fseek(f, 0, SEEK_END) != 0)
        return -1;
    const long size = std::ftell(f);
    std::rewind(f);
    return size;
}
} // namespace platform
