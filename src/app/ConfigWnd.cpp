// The window's side of the configuration: read at construction, written whole when it is
// created, when a setup dialog stores new values, and at exit.
#include "app/VelmoriaWnd.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace
{
// Bytes in the configuration file; -1 when there is no such file.
long ConfigFileSize()
{
    std::FILE* f = platform::OpenFile(kConfigFile, "rb");
    if (!f)
        return -1;
    const long size = std::fseek(f, 0, SEEK_END) == 0 ? std::ftell(f) : -1;
    std::fclose(f);
    return size;
}

// A missing configuration file is written whole under a name of its own and only then given
// its name, so that a program killed at any moment leaves no file or a whole one. Nothing is
// told here: when this fails, the read that follows reports the file as it always has.
void CreateConfigWhole()
{
    std::error_code ec;
    const std::filesystem::path target = platform::NativePath(kConfigFile);
    if (std::filesystem::exists(std::filesystem::symlink_status(target, ec)))
        return;
    const std::string temp = std::string(kConfigFile) + ".new";
    bool written = true;
    StoreConfig(temp.c_str(), DefaultSetup(),
                [&written](const std::string&, const char*, unsigned) { written = false; });
    const std::filesystem::path made = platform::NativePath(temp.c_str());
    if (written)
        std::filesystem::rename(made, target, ec);
    if (!written || ec)
        std::filesystem::remove(made, ec);
}
} // namespace

void VelmoriaWnd::ReadCFG()
{
    const ConfigReport show = [this](const std::string& text, const char* caption, unsigned flags)
    { platform::MessageBox(this, text, caption, flags); };
    CreateConfigWhole();
    ReadConfig(kConfigFile, Values, show);
    // A short file was reported and made anew empty by the read: the defaults now in use are
    // written to it at once rather than at an exit that may never come.
    if (ConfigFileSize() == 0)
        StoreConfig(kConfigFile, Values, show);
}

void VelmoriaWnd::StoreCFG()
{
    StoreConfig(kConfigFile, Values,
                [](const std::string& text, const char* caption, unsigned flags)
                { platform::MessageBox(nullptr, text, caption, flags); });
}
