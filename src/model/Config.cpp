#include "model/Config.h"

#include "platform/Files.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

Setup DefaultSetup()
{
    Setup s{};
    std::fill(std::begin(s.SSValues), std::end(s.SSValues), bool8{1});
    s.SMValues = {{1, 1, 1, 1, 0}, 4.0f};
    s.LocValues = {{0, 0, 0}, {0, 0, 0}, 1, 1, 0};
    s.Planets = 1;
    s.Names = 1;
    return s;
}

namespace
{
// A new file holds the defaults at once, written as safely as at exit, so that a program that
// never reaches its exit (a crash, a kill, a power cut) still leaves a whole record.
void CreateWithDefaults(const char* path, Setup& values, const ConfigReport& report)
{
    // Whatever happens, the program goes on with the defaults.
    values = DefaultSetup();
    bool written = true;
    StoreConfig(path, values,
                [&written](const std::string&, const char*, unsigned) { written = false; });
    if (!written)
        report(platform::FileMessage("Unable to create file", path), platform::kCaptionError,
               platform::MB_ICONSTOP);
}
} // namespace

void KeepInRange(Setup& values)
{
    const Setup defaults = DefaultSetup();
    const float magn = values.SMValues.SelectMagn;
    if (!(magn >= kMinSelectMagn && magn <= kMaxSelectMagn))
        values.SMValues.SelectMagn = defaults.SMValues.SelectMagn;
    const auto keep = [](uint8_t& field, uint8_t max, uint8_t fallback)
    {
        if (field > max)
            field = fallback;
    };
    LocationSetup& loc = values.LocValues;
    keep(loc.Lon.Degree, 180, defaults.LocValues.Lon.Degree);
    keep(loc.Lat.Degree, 90, defaults.LocValues.Lat.Degree);
    for (Coordinate* c : {&loc.Lon, &loc.Lat})
    {
        keep(c->Minute, 59, 0);
        keep(c->Second, 59, 0);
    }
}

void ReadConfig(const char* path, Setup& values, const ConfigReport& report)
{
    std::FILE* f = platform::OpenFile(path, "rb");
    if (!f)
    {
        CreateWithDefaults(path, values, report);
        return;
    }
    unsigned char bytes[sizeof(Setup)];
    const size_t got = std::fread(bytes, 1, sizeof bytes, f);
    std::fclose(f);
    if (got >= kSetupSizeBeforePlanets)
    {
        // The layers a shorter (older) file does not hold keep their defaults: shown.
        values = DefaultSetup();
        std::memcpy(&values, bytes, got);
        KeepInRange(values);
        return;
    }
    report(platform::FileMessage("Unable to read from file", path), platform::kCaptionWarning,
           platform::MB_ICONEXCLAMATION);
    report("The default settings will be used.", platform::kCaptionInfo,
           platform::MB_ICONINFORMATION);
    CreateWithDefaults(path, values, report);
}

namespace
{
// Follows a chain of symbolic links to the path they name (which need not exist yet), so that
// the file is written through its link and the link itself stays.
std::string FollowLinks(std::string path)
{
    for (int depth = 0; depth < 40; ++depth)
    {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            break;
        std::string to(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096), '\0');
        const ssize_t n = readlink(path.c_str(), to.data(), to.size());
        if (n <= 0)
            break;
        to.resize(static_cast<size_t>(n));
        const size_t slash = path.rfind('/');
        path =
            to.front() == '/' || slash == std::string::npos ? to : path.substr(0, slash + 1) + to;
    }
    return path;
}

std::string DirectoryOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A file or directory the program may change: the system lets it, and it is not marked
// read-only (no write permission for anyone), which the program honours even where the
// system would let it write, as when it runs with the administrator's rights.
bool MayWrite(const std::string& path, const struct stat& st)
{
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && access(path.c_str(), W_OK) == 0;
}

bool MayWrite(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && MayWrite(path, st);
}

// Writes the record to an open stream and makes it durable; false when any step failed.
// The stream is closed in every case.
bool WriteRecord(std::FILE* f, const Setup& values)
{
    bool ok = std::fwrite(&values, sizeof values, 1, f) == 1;
    ok = std::fflush(f) == 0 && ok;
    ok = fsync(fileno(f)) == 0 && ok;
    return std::fclose(f) == 0 && ok;
}

enum class Replace
{
    Done,
    Failed,      // the new bytes could not be written; the old file is untouched
    NoTemporary, // no file can be made beside the old one
};

// Writes the record to a new file beside `target` that then takes its place, with the old
// file's permissions and owner, so that a failed write never destroys the previous file.
Replace ReplaceFile(const std::string& target, const struct stat& old, const Setup& values)
{
    const std::string dir = DirectoryOf(target);
    if (!MayWrite(dir))
        return Replace::NoTemporary;
    std::string temp = target + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        return Replace::NoTemporary;
    // The owner can be kept only with the rights to give files away; the permissions always.
    [[maybe_unused]] const int owned = fchown(fd, old.st_uid, old.st_gid);
    bool ok = fchmod(fd, old.st_mode & 07777) == 0;
    std::FILE* f = fdopen(fd, "wb");
    if (!f)
    {
        close(fd);
        std::remove(temp.c_str());
        return Replace::Failed;
    }
    ok = WriteRecord(f, values) && ok;
    ok = ok && std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok)
    {
        std::remove(temp.c_str());
        return Replace::Failed;
    }
    return Replace::Done;
}
} // namespace

void StoreConfig(const char* path, const Setup& values, const ConfigReport& report)
{
    const auto failed = [&](const char* phrase) {
        report(platform::FileMessage(phrase, path), platform::kCaptionError, platform::MB_ICONSTOP);
    };
    const std::string target = FollowLinks(platform::NativePath(path));
    struct stat st;
    const bool exists = stat(target.c_str(), &st) == 0;
    if (exists ? !MayWrite(target, st) : !MayWrite(DirectoryOf(target)))
    {
        failed("Unable to open file");
        return;
    }
    if (exists && S_ISREG(st.st_mode))
    {
        switch (ReplaceFile(target, st, values))
        {
        case Replace::Done:
            return;
        case Replace::Failed:
            failed("Unable to write to file");
            return;
        case Replace::NoTemporary:
            break; // write the file in place
        }
    }
    std::FILE* f = std::fopen(target.c_str(), "wb+");
    if (!f)
    {
        failed("Unable to open file");
        return;
    }
    if (!WriteRecord(f, values))
        failed("Unable to write to file");
}
