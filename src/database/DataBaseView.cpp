// The Astronomical Database view of the main window: each command of its Object menu reads
// the records it needs, lends them to its card while the card is open, and frees them after.
// A file that cannot be opened or read is told in two boxes and the view returns to the main
// screen.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "database/ComparisonDlg.h"
#include "database/DataBase.h"
#include "database/MoonDlg.h"
#include "database/PlanetDlg.h"
#include "database/SunDlg.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace
{
constexpr const char* kPlanetsFile = "Data\\Planets.dat";
constexpr const char* kSatellitesFile = "Data\\Satellites.dat";
constexpr const char* kRingsFile = "Data\\Rings.dat";
constexpr const char* kShowDataBase = "Unable to show Astronomical Database";

// Closes a stream when it goes out of scope.
struct FileCloser
{
    void operator()(std::FILE* f) const
    {
        if (f)
            std::fclose(f);
    }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File Open(const char* path)
{
    return File(platform::OpenFile(path, "rb"));
}

// A file that does not open: the error box naming it, then what cannot be shown.
void OpenFailed(VelmoriaWnd& w, const char* path, const char* what)
{
    platform::ErrorBox(&w, platform::FileMessage("Unable to open file", path));
    platform::ErrorBox(&w, what);
}

// A file that cannot be read: the warning naming it, then what cannot be shown.
void ReadFailed(VelmoriaWnd& w, const char* path, const char* what)
{
    platform::WarningBox(&w, platform::FileMessage("Unable to read from file", path));
    platform::ErrorBox(&w, what);
}

// After a failure the database view closes and the main screen comes back, as by Return.
void LeaveDataBase(VelmoriaWnd& w)
{
    w.DestroyDataBase();
    w.SetBckGndPicture();
    RestoreMain();
}
} // namespace

void VelmoriaWnd::ShowPlanetData(int id)
{
    if (Subject != 4 || id < 801 || id > 809)
        return;
    SetHint("Viewing Planet card");
    File planets = Open(kPlanetsFile);
    if (!planets)
    {
        OpenFailed(*this, kPlanetsFile, kShowDataBase);
        return LeaveDataBase(*this);
    }
    File satellites = Open(kSatellitesFile);
    if (!satellites)
    {
        OpenFailed(*this, kSatellitesFile, kShowDataBase);
        return LeaveDataBase(*this);
    }
    File rings = Open(kRingsFile);
    if (!rings)
    {
        OpenFailed(*this, kRingsFile, kShowDataBase);
        return LeaveDataBase(*this);
    }

    database::PlanetData data =
        database::ReadPlanetData(planets.get(), satellites.get(), rings.get(), id - 801);
    planets.reset();
    satellites.reset();
    rings.reset();
    switch (data.Failed())
    {
    case database::DbFile::Planets:
        ReadFailed(*this, kPlanetsFile, kShowDataBase);
        break;
    case database::DbFile::Satellites:
        ReadFailed(*this, kSatellitesFile, kShowDataBase);
        break;
    case database::DbFile::Rings:
        ReadFailed(*this, kRingsFile, kShowDataBase);
        break;
    case database::DbFile::None:
        break;
    }
    if (data.Failed() != database::DbFile::None)
        return LeaveDataBase(*this);

    std::vector<void*> Sat;
    if (data.isEarth)
        Sat.push_back(&data.moon);
    else
        for (SatelliteDB& s : data.satellites)
            Sat.push_back(&s);
    std::vector<RingDB*> Rings;
    for (RingDB& r : data.rings)
        Rings.push_back(&r);
    planet = &data.planet;
    {
        PlanetDlg dlg(this, planet, Sat.empty() ? nullptr : Sat.data(),
                      Rings.empty() ? nullptr : Rings.data());
        dlg.Execute();
    }
    planet = nullptr;
    SetHint("Viewing Astronomical Database");
}

void VelmoriaWnd::ShowSunData()
{
    if (Subject != 4)
        return;
    constexpr const char* kShowSun = "Unable to show Sun Data";
    File planets = Open(kPlanetsFile);
    if (!planets)
    {
        OpenFailed(*this, kPlanetsFile, kShowSun);
        return LeaveDataBase(*this);
    }
    SunDB sun{};
    const bool read = database::ReadSunRecord(planets.get(), &sun);
    planets.reset();
    if (!read)
    {
        ReadFailed(*this, kPlanetsFile, kShowSun);
        return LeaveDataBase(*this);
    }
    SetHint("Viewing Sun card");
    {
        SunDlg dlg(this, &sun);
        dlg.Execute();
    }
    SetHint("Viewing Astronomical Database");
}

void VelmoriaWnd::ShowMoonData()
{
    if (Subject != 4)
        return;
    constexpr const char* kShowMoon = "Unable to show Moon Data";
    File satellites = Open(kSatellitesFile);
    if (!satellites)
    {
        OpenFailed(*this, kSatellitesFile, kShowMoon);
        return LeaveDataBase(*this);
    }
    MoonDB moon{};
    const bool read = database::ReadMoonRecord(satellites.get(), &moon);
    satellites.reset();
    if (!read)
    {
        ReadFailed(*this, kSatellitesFile, kShowMoon);
        return LeaveDataBase(*this);
    }
    SetHint("Viewing Moon card");
    {
        MoonDlg dlg(this, &moon);
        dlg.Execute();
    }
    SetHint("Viewing Astronomical Database");
}

void VelmoriaWnd::CmComparison()
{
    if (Subject != 4)
        return;
    SetHint("Comparing planets");
    File planets = Open(kPlanetsFile);
    if (!planets)
    {
        OpenFailed(*this, kPlanetsFile, kShowDataBase);
        return LeaveDataBase(*this);
    }
    auto records = std::make_unique<PlanetDB[]>(kPlanetCount);
    const int read = database::ReadPlanetRecords(planets.get(), records.get());
    planets.reset();
    if (read != kPlanetCount)
    {
        ReadFailed(*this, kPlanetsFile, kShowDataBase);
        return LeaveDataBase(*this);
    }
    PlanetDB* Planet[kPlanetCount];
    for (int k = 0; k < kPlanetCount; ++k)
        Planet[k] = &records[k];
    {
        ComparisonDlg dlg(this, Planet);
        dlg.Execute();
    }
    SetHint("Viewing Astronomical Database");
}
