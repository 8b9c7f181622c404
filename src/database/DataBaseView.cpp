// A file that cannot be opened or read is told in two boxes and the view returns to the main
// screen.
#include "database/DataBaseView.h"

#include "database/ComparisonDlg.h"
#include "database/DataBase.h"
#include "database/MoonDlg.h"
#include "database/PlanetDlg.h"
#include "database/SunDlg.h"
#include "database/ViewDlg.h"
#include "database/ViewList.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "resources/CommandIds.h"

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

} // namespace

void DataBaseView::OpenFailed(const char* path, const char* what)
{
    platform::ErrorBox(host.Window(), platform::FileMessage("Unable to open file", path));
    platform::ErrorBox(host.Window(), what);
    host.LeaveView();
}

void DataBaseView::ReadFailed(const char* path, const char* what)
{
    platform::WarningBox(host.Window(), platform::FileMessage("Unable to read from file", path));
    platform::ErrorBox(host.Window(), what);
    host.LeaveView();
}

void DataBaseView::ShowPlanetData(int id)
{
    if (id < cmd::kFirstPlanetData || id > cmd::kLastPlanetData)
        return;
    host.SetHint("Viewing Planet card");
    File planets = Open(kPlanetsFile);
    if (!planets)
    {
        return OpenFailed(kPlanetsFile, kShowDataBase);
    }
    File satellites = Open(kSatellitesFile);
    if (!satellites)
    {
        return OpenFailed(kSatellitesFile, kShowDataBase);
    }
    File rings = Open(kRingsFile);
    if (!rings)
    {
        return OpenFailed(kRingsFile, kShowDataBase);
    }

    database::PlanetData data =
        database::ReadPlanetData(planets.get(), satellites.get(), rings.get(), id - cmd::kFirstPlanetData);
    planets.reset();
    satellites.reset();
    rings.reset();
    switch (data.Failed())
    {
    case database::DbFile::Planets: return ReadFailed(kPlanetsFile, kShowDataBase);
    case database::DbFile::Satellites: return ReadFailed(kSatellitesFile, kShowDataBase);
    case database::DbFile::Rings: return ReadFailed(kRingsFile, kShowDataBase);
    case database::DbFile::None: break;
    }

    std::vector<SatelliteDB*> satelliteRecords;
    for (SatelliteDB& s : data.satellites)
        satelliteRecords.push_back(&s);
    std::vector<RingDB*> ringRecords;
    for (RingDB& r : data.rings)
        ringRecords.push_back(&r);
    {
        PlanetDlg dlg(host.Window(), &data.planet, data.isEarth ? &data.moon : nullptr,
                      satelliteRecords.empty() ? nullptr : satelliteRecords.data(),
                      ringRecords.empty() ? nullptr : ringRecords.data());
        dlg.Execute();
    }
    host.SetHint("Viewing Astronomical Database");
}

void DataBaseView::ShowSunData()
{
    constexpr const char* kShowSun = "Unable to show Sun Data";
    File planets = Open(kPlanetsFile);
    if (!planets)
    {
        return OpenFailed(kPlanetsFile, kShowSun);
    }
    SunDB sun{};
    const bool read = database::ReadSunRecord(planets.get(), &sun);
    planets.reset();
    if (!read)
    {
        return ReadFailed(kPlanetsFile, kShowSun);
    }
    host.SetHint("Viewing Sun card");
    {
        SunDlg dlg(host.Window(), &sun);
        dlg.Execute();
    }
    host.SetHint("Viewing Astronomical Database");
}

void DataBaseView::ShowMoonData()
{
    constexpr const char* kShowMoon = "Unable to show Moon Data";
    File satellites = Open(kSatellitesFile);
    if (!satellites)
    {
        return OpenFailed(kSatellitesFile, kShowMoon);
    }
    MoonDB moon{};
    const bool read = database::ReadMoonRecord(satellites.get(), &moon);
    satellites.reset();
    if (!read)
    {
        return ReadFailed(kSatellitesFile, kShowMoon);
    }
    host.SetHint("Viewing Moon card");
    {
        MoonDlg dlg(host.Window(), &moon);
        dlg.Execute();
    }
    host.SetHint("Viewing Astronomical Database");
}

void DataBaseView::CmComparison()
{
    host.SetHint("Comparing planets");
    File planets = Open(kPlanetsFile);
    if (!planets)
    {
        return OpenFailed(kPlanetsFile, kShowDataBase);
    }
    auto records = std::make_unique<PlanetDB[]>(kPlanetCount);
    const int read = database::ReadPlanetRecords(planets.get(), records.get());
    planets.reset();
    if (read != kPlanetCount)
    {
        return ReadFailed(kPlanetsFile, kShowDataBase);
    }
    PlanetDB* Planet[kPlanetCount];
    for (int k = 0; k < kPlanetCount; ++k)
        Planet[k] = &records[k];
    {
        ComparisonDlg dlg(host.Window(), Planet);
        dlg.Execute();
    }
    host.SetHint("Viewing Astronomical Database");
}

void DataBaseView::ShowViews(int first, int last, const char* hint)
{
    host.SetHint(hint);
    ViewDlg dlg(host.Window(), first, last);
    dlg.Execute();
    host.SetHint("Viewing Astronomical Database");
}

void DataBaseView::CmSolObjView()
{
    ShowViews(kFirstSolarView, kLastSolarView, "Showing views of Solar System objects");
}

void DataBaseView::CmGalaxyView()
{
    ShowViews(kFirstGalaxyView, kLastGalaxyView, "Showing views of Galaxies");
}

void DataBaseView::CmNebulaView()
{
    ShowViews(kFirstNebulaView, kLastNebulaView, "Showing views of Nebulas");
}
