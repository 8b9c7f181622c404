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
#include "platform/Hint.h"
#include "platform/MessageBox.h"

#include <QPainter>
#include <array>
#include <cstdio>
#include <memory>

namespace
{
constexpr const char* kPlanetsFile = "Data\\Planets.dat";
constexpr const char* kSatellitesFile = "Data\\Satellites.dat";
constexpr const char* kRingsFile = "Data\\Rings.dat";
constexpr const char* kShowDataBase = "Unable to show Astronomical Database";

// Closes a stream when it goes out of scope (unique_ptr never passes it a null stream).
struct FileCloser
{
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The planets' commands in file order, with their toolbar pictures.
const model::Command kPlanetCommands[kPlanetCount] = {
    {"mercuryData", "Me&rcury", {}, "Mercury data", 801},
    {"venusData", "&Venus", {}, "Venus data", 802},
    {"earthData", "&Earth", {}, "Earth data", 803},
    {"marsData", "&Mars", {}, "Mars data", 804},
    {"jupiterData", "&Jupiter", {}, "Jupiter data", 805},
    {"saturnData", "&Saturn", {}, "Saturn data", 806},
    {"uranusData", "&Uranus", {}, "Uranus data", 807},
    {"neptuneData", "&Neptune", {}, "Neptune data", 808},
    {"plutoData", "&Pluto", {}, "Pluto data", 809},
};
} // namespace

DataBaseView::DataBaseView(QWidget* parent) : model::View(parent)
{
    setObjectName(QStringLiteral("dataBaseView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    CreateActions();
}

QString DataBaseView::Caption() const
{
    return QStringLiteral("Velmoria - [Astronomical Database]");
}

const char* DataBaseView::Music() const
{
    return "Sound\\DataBase.wav";
}

const char* DataBaseView::Hint() const
{
    return "Viewing Astronomical Database";
}

QString DataBaseView::ToolbarCaption() const
{
    return QStringLiteral("Astronomical Database Toolbar");
}

void DataBaseView::CreateActions()
{
    using model::Command;
    using model::MakeAction;
    const auto make = [this](const Command& c) { return MakeAction(this, c); };
    ret = make({"databaseReturn", "&Return\tBackSpace", {}, "Return to Main Window"});
    sun = make({"sunData", "&Sun", {}, "Sun data", 701});
    connect(sun, &QAction::triggered, this, &DataBaseView::ShowSunData);
    for (int k = 0; k < kPlanetCount; ++k)
    {
        planets[size_t(k)] = make(kPlanetCommands[k]);
        connect(planets[size_t(k)], &QAction::triggered, this, [this, k] { ShowPlanetData(k); });
    }
    moon = make({"moonData", "&Moon", {}, "Moon data", 810});
    connect(moon, &QAction::triggered, this, &DataBaseView::ShowMoonData);
    comparison = make({"comparison", "Planets Co&mparison", {}, "Planet Comparison", 814});
    connect(comparison, &QAction::triggered, this, &DataBaseView::CmComparison);
    // The picture viewer over the Solar System objects, galaxies and nebulae.
    const auto views = [this, &make](const Command& c, int first, int last, const char* hint)
    {
        QAction* a = make(c);
        connect(a, &QAction::triggered, this,
                [this, first, last, hint]
                {
                    platform::SetHint(hint);
                    RunCard<ViewDlg>(first, last);
                });
        return a;
    };
    solarObjects = views(
        {"solarObjectsView", "S&olar Objects View", {}, "Show views of Solar System objects", 811},
        kFirstSolarView, kLastSolarView, "Showing views of Solar System objects");
    galaxies = views({"galaxiesView", "&Galaxies View", {}, "Show views of galaxies objects", 812},
                     kFirstGalaxyView, kLastGalaxyView, "Showing views of Galaxies");
    nebulas = views({"nebulasView", "&Nebulas View", {}, "Show views of nebulas objects", 813},
                    kFirstNebulaView, kLastNebulaView, "Showing views of Nebulas");
}

model::MenuBar DataBaseView::Menus(const model::SharedActions& shared)
{
    using model::MenuEntry;
    using model::Separator;
    // This view's Return has always been written with its own access key.
    disconnect(ret, nullptr, shared.ret, nullptr);
    connect(ret, &QAction::triggered, shared.ret, &QAction::trigger);
    MenuEntry planetMenu{nullptr, QStringLiteral("&Planets ..."), {}};
    for (QAction* a : planets)
        planetMenu.entries.push_back({a});
    return {
        {QStringLiteral("Astronomical &DB"), {{ret}}},
        {QStringLiteral("&Object"),
         {{sun},
          planetMenu,
          {moon},
          Separator(),
          {comparison},
          Separator(),
          {solarObjects},
          {galaxies},
          {nebulas}}},
        {QStringLiteral("&Setup"), {{shared.showToolbar}, {shared.sound}}},
        {QStringLiteral("&Help"),
         {{shared.helpContents}, {shared.usingHelp}, Separator(), {shared.about}}},
    };
}

model::ToolbarButtons DataBaseView::Toolbar(const model::SharedActions& shared)
{
    model::ToolbarButtons buttons{sun, nullptr};
    buttons.insert(buttons.end(), planets.begin(), planets.end());
    buttons.insert(buttons.end(), {nullptr, moon, nullptr, comparison, nullptr, solarObjects,
                                   galaxies, nebulas, nullptr, shared.ret});
    return buttons;
}

bool DataBaseView::Enter()
{
    background.Load(this);
    update();
    return true;
}

void DataBaseView::Leave()
{
    background.Release();
}

void DataBaseView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    background.Paint(painter, rect());
}

template <class Card, class... Args> void DataBaseView::RunCard(Args&&... args)
{
    {
        Card dlg(this, std::forward<Args>(args)...);
        dlg.Execute();
    }
    platform::SetHint(Hint());
}

std::FILE* DataBaseView::OpenOrLeave(const char* path, const char* what)
{
    std::FILE* f = platform::OpenFile(path, "rb");
    if (!f)
    {
        platform::ErrorBox(this, platform::FileMessage("Unable to open file", path));
        platform::ErrorBox(this, what);
        emit LeaveRequested();
    }
    return f;
}

void DataBaseView::ReadFailed(const char* path, const char* what)
{
    platform::WarningBox(this, platform::FileMessage("Unable to read from file", path));
    platform::ErrorBox(this, what);
    emit LeaveRequested();
}

void DataBaseView::ShowPlanetData(int planet)
{
    if (planet < 0 || planet >= kPlanetCount)
        return;
    platform::SetHint("Viewing Planet card");
    // In the order of DbFile, so that a read failure picks the name of its file.
    const char* const paths[3] = {kPlanetsFile, kSatellitesFile, kRingsFile};
    File files[3];
    for (int f = 0; f < 3; ++f)
        if (!(files[f] = File(OpenOrLeave(paths[f], kShowDataBase))))
            return;
    const database::PlanetData data =
        database::ReadPlanetData(files[0].get(), files[1].get(), files[2].get(), planet);
    for (File& f : files)
        f.reset();
    if (data.Failed() != database::DbFile::None)
        return ReadFailed(paths[static_cast<int>(data.Failed()) - 1], kShowDataBase);
    RunCard<PlanetDlg>(data);
}

void DataBaseView::ShowSunData()
{
    constexpr const char* kShowSun = "Unable to show Sun Data";
    File planets(OpenOrLeave(kPlanetsFile, kShowSun));
    if (!planets)
        return;
    SunDB sun{};
    const bool read = database::ReadSunRecord(planets.get(), &sun);
    planets.reset();
    if (!read)
        return ReadFailed(kPlanetsFile, kShowSun);
    platform::SetHint("Viewing Sun card");
    RunCard<SunDlg>(sun);
}

void DataBaseView::ShowMoonData()
{
    constexpr const char* kShowMoon = "Unable to show Moon Data";
    File satellites(OpenOrLeave(kSatellitesFile, kShowMoon));
    if (!satellites)
        return;
    MoonDB moon{};
    const bool read = database::ReadMoonRecord(satellites.get(), &moon);
    satellites.reset();
    if (!read)
        return ReadFailed(kSatellitesFile, kShowMoon);
    platform::SetHint("Viewing Moon card");
    RunCard<MoonDlg>(moon);
}

void DataBaseView::CmComparison()
{
    platform::SetHint("Comparing planets");
    File planets(OpenOrLeave(kPlanetsFile, kShowDataBase));
    if (!planets)
        return;
    std::array<PlanetDB, kPlanetCount> records{};
    const int read = database::ReadPlanetRecords(planets.get(), records.data());
    planets.reset();
    if (read != kPlanetCount)
        return ReadFailed(kPlanetsFile, kShowDataBase);
    RunCard<ComparisonDlg>(records);
}
