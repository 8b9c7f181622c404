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

std::string UpperName(const char* path)
{
    std::string p = path ? path : "";
    for (char& c : p)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return p;
}

std::string FileMessage(const char* phrase, const char* path)
{
    return std::string(phrase) + " " + UpperName(path);
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
