// The database view's commands in the whole application: every file failure with its two
// boxes and the way back to the main screen, and the records each card is given.
#include "SampleRecords.h"
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/AppSupport.h"
#include "common/TestSupport.h"
#include "database/AnimDlg.h"
#include "database/ComparisonDlg.h"
#include "database/MoonDlg.h"
#include "database/PlanetDlg.h"
#include "database/RingDlg.h"
#include "database/SatelliteDlg.h"
#include "database/SunDlg.h"
#include "database/ViewDlg.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using testing_support::IsEnabled;
using testing_support::Trigger;

namespace
{
using namespace sample_records;
using testing_support::DialogAnswer;
using testing_support::HelpRecorder;
using testing_support::MessageRecorder;
using testing_support::ScratchDir;
using testing_support::SoundRecorder;

const char* const kStructureNames[] = {"Sun",    "Mercury", "Venus",   "Earth", "Mars", "Jupiter",
                                       "Saturn", "Uranus",  "Neptune", "Pluto", "Moon"};

class DataBaseView : public testing::Test
{
protected:
    void SetUp() override
    {
        // The background picture of the main screen, and small structure pictures.
        dir.Write("Bitmap/Struct/.keep", "");
        std::filesystem::create_symlink(std::string(VELMORIA_RUNTIME_DIR) + "/Bitmap/BackGnd.bmp",
                                        dir.Path() + "/Bitmap/BackGnd.bmp");
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        for (const char* name : kStructureNames)
            picture.save(QString::fromStdString(dir.Path() + "/Bitmap/Struct/" + name + "Str.bmp"));
        for (const char* name : {"Sound", "Velmoria.hlp"})
            dir.LinkRuntime(name);
        app = std::make_unique<VelmoriaApp>();
        app->InitMainWindow(false);
        wnd = app->Frame()->Client();
        Trigger(wnd, "dataBase");
    }
    void TearDown() override { app.reset(); }

    void WriteAll()
    {
        dir.Write("Data/Planets.dat", PlanetsFile());
        dir.Write("Data/Satellites.dat", SatellitesFile());
        dir.Write("Data/Rings.dat", RingsFile());
    }

    ScratchDir dir;
    MessageRecorder messages;
    SoundRecorder sounds;
    HelpRecorder help;
    std::unique_ptr<VelmoriaApp> app;
    VelmoriaWnd* wnd = nullptr;
};

struct FailureCase
{
    const char* name;
    const char* command;
    std::optional<std::string> planets, satellites, rings;
    std::vector<platform::MessageRecord> boxes;
};

// The text of static `id` of `card`, Latin-1, "" when the card has no such static.
std::string LabelText(const platform::Dialog& card, int id)
{
    const auto* label = card.ControlAs<QLabel>(id);
    return label ? label->text().toLatin1().toStdString() : std::string();
}

platform::MessageRecord Error(const char* text)
{
    return {text, platform::kCaptionError, platform::MB_ICONSTOP};
}
platform::MessageRecord Warning(const char* text)
{
    return {text, platform::kCaptionWarning, platform::MB_ICONEXCLAMATION};
}

TEST_F(DataBaseView, EveryFailureShowsItsTwoBoxesAndReturnsToTheMainScreen)
{
    const std::string planets = PlanetsFile();
    const std::string satellites = SatellitesFile();
    const std::string rings = RingsFile();
    const std::string noJupiter = Bytes(Satellite(6, 1, "Titan")) + Bytes(Moon());
    const std::string noSaturn = Bytes(Ring(5, "Halo"));
    const std::string eightPlanets = planets.substr(0, 8 * 344);
    const char* openPlanets = "Unable to open file DATA\\PLANETS.DAT";
    const char* readPlanets = "Unable to read from file DATA\\PLANETS.DAT";
    const char* showDb = "Unable to show Astronomical Database";
    const FailureCase cases[] = {
        {"planets missing",
         "jupiterData",
         std::nullopt,
         satellites,
         rings,
         {Error(openPlanets), Error(showDb)}},
        {"satellites missing",
         "jupiterData",
         planets,
         std::nullopt,
         rings,
         {Error("Unable to open file DATA\\SATELLITES.DAT"), Error(showDb)}},
        {"rings missing",
         "jupiterData",
         planets,
         satellites,
         std::nullopt,
         {Error("Unable to open file DATA\\RINGS.DAT"), Error(showDb)}},
        {"planet record short",
         "jupiterData",
         planets.substr(0, 4 * 344 + 10),
         satellites,
         rings,
         {Warning(readPlanets), Error(showDb)}},
        {"no satellite block for a planet without satellites",
         "venusData",
         planets,
         satellites.substr(0, 100),
         rings,
         {Warning("Unable to read from file DATA\\SATELLITES.DAT"), Error(showDb)}},
        {"empty rings file for a planet without rings",
         "venusData",
         planets,
         satellites,
         "",
         {Warning("Unable to read from file DATA\\RINGS.DAT"), Error(showDb)}},
        {"none of Jupiter's satellites",
         "jupiterData",
         planets,
         noJupiter,
         rings,
         {Warning("Unable to read from file DATA\\SATELLITES.DAT"), Error(showDb)}},
        {"none of Saturn's rings",
         "saturnData",
         planets,
         satellites,
         noSaturn,
         {Warning("Unable to read from file DATA\\RINGS.DAT"), Error(showDb)}},
        {"planet and satellites both short",
         "plutoData",
         eightPlanets,
         "",
         rings,
         {Warning(readPlanets), Error(showDb)}},
        {"Sun: planets missing",
         "sunData",
         std::nullopt,
         satellites,
         rings,
         {Error(openPlanets), Error("Unable to show Sun Data")}},
        {"Sun: planets shorter than the Sun record",
         "sunData",
         planets.substr(0, 191),
         satellites,
         rings,
         {Warning(readPlanets), Error("Unable to show Sun Data")}},
        {"Moon: satellites missing",
         "moonData",
         planets,
         std::nullopt,
         rings,
         {Error("Unable to open file DATA\\SATELLITES.DAT"), Error("Unable to show Moon Data")}},
        {"Moon: satellites shorter than the Moon record",
         "moonData",
         planets,
         satellites.substr(0, 241),
         rings,
         {Warning("Unable to read from file DATA\\SATELLITES.DAT"),
          Error("Unable to show Moon Data")}},
        {"comparison: planets missing",
         "comparison",
         std::nullopt,
         satellites,
         rings,
         {Error(openPlanets), Error(showDb)}},
        {"comparison: eight planets",
         "comparison",
         planets.substr(0, 8 * 344 + 100),
         satellites,
         rings,
         {Warning(readPlanets), Error(showDb)}},
    };
    int cards = 0;
    DialogAnswer answer(
        [&cards](platform::Dialog&)
        {
            ++cards;
            return QDialog::Accepted;
        });
    for (const FailureCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(dir.Path() + "/Data");
        if (c.planets)
            dir.Write("Data/Planets.dat", *c.planets);
        if (c.satellites)
            dir.Write("Data/Satellites.dat", *c.satellites);
        if (c.rings)
            dir.Write("Data/Rings.dat", *c.rings);
        Trigger(wnd, "dataBase");
        ASSERT_EQ(wnd->Subject(), model::Mode::DataBase);
        messages.boxes.clear();
        Trigger(wnd, c.command);
        ASSERT_EQ(messages.boxes.size(), c.boxes.size());
        for (size_t i = 0; i < c.boxes.size(); ++i)
        {
            EXPECT_EQ(messages.boxes[i].text, c.boxes[i].text);
            EXPECT_EQ(messages.boxes[i].caption, c.boxes[i].caption);
            EXPECT_EQ(messages.boxes[i].flags, c.boxes[i].flags);
        }
        EXPECT_EQ(wnd->Subject(), model::Mode::Main);
        EXPECT_EQ(app->Frame()->windowTitle().toStdString(), "Velmoria - [Main]");
    }
    EXPECT_EQ(cards, 0);
}

TEST_F(DataBaseView, EarthCardTakesTheMoonFromTheEndOfTheSatellitesFile)
{
    WriteAll();
    bool seen = false;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            auto* card = dynamic_cast<PlanetDlg*>(&d);
            if (!card)
                return QDialog::Accepted;
            seen = true;
            EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Planet card");
            EXPECT_EQ(card->windowTitle().toStdString(), "Planet 3 - [ Earth ]");
            EXPECT_EQ(card->lbSat->count(), 1);
            EXPECT_EQ(card->lbSat->item(0)->text().toStdString(), "Moon");
            EXPECT_EQ(LabelText(*card, 3553), "1 known; listed");
            return QDialog::Accepted;
        });
    Trigger(wnd, "earthData");
    EXPECT_TRUE(seen);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(wnd->Subject(), model::Mode::DataBase);
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Astronomical Database");
}

// What the planet card of `command` lists, with the files as written.
struct Listed
{
    std::vector<std::string> satellites, rings;
    std::string satCount, ringCount;
    bool satListEnabled = false;
};

Listed OpenPlanetCard(VelmoriaWnd* wnd, const char* command)
{
    Listed listed;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            if (auto* card = dynamic_cast<PlanetDlg*>(&d))
            {
                for (int i = 0; i < card->lbSat->count(); ++i)
                    listed.satellites.push_back(card->lbSat->item(i)->text().toStdString());
                for (int i = 0; i < card->lbRings->count(); ++i)
                    listed.rings.push_back(card->lbRings->item(i)->text().toStdString());
                listed.satCount = LabelText(*card, 3553);
                listed.ringCount = LabelText(*card, 3554);
                listed.satListEnabled = card->lbSat->isEnabled();
            }
            return QDialog::Accepted;
        });
    Trigger(wnd, command);
    return listed;
}

TEST_F(DataBaseView, PlanetWithoutSatellitesOpensWithEmptyDisabledList)
{
    WriteAll();
    const Listed venus = OpenPlanetCard(wnd, "venusData");
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_TRUE(venus.satellites.empty());
    EXPECT_EQ(venus.satCount, "None");
    EXPECT_EQ(venus.ringCount, "None");
    EXPECT_FALSE(venus.satListEnabled);
}

TEST_F(DataBaseView, PlanetsSatellitesAndRingsAreListedInFileOrder)
{
    WriteAll();
    const Listed jupiter = OpenPlanetCard(wnd, "jupiterData");
    EXPECT_EQ(jupiter.satellites, (std::vector<std::string>{"Io", "Europa"}));
    EXPECT_EQ(jupiter.rings, std::vector<std::string>{});
    // The known moons, more than the records describe, and how many of them the list holds.
    EXPECT_EQ(jupiter.satCount, "97 known; 2 listed");
    const Listed saturn = OpenPlanetCard(wnd, "saturnData");
    EXPECT_EQ(saturn.rings, (std::vector<std::string>{"A", "Cassini"}));
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(DataBaseView, TrailingPartialRingRecordIsNotCounted)
{
    WriteAll();
    // Half of a third Saturn ring: its planet byte is there, the rest of the record is not.
    dir.Write("Data/Rings.dat", RingsFile() + Bytes(Ring(6, "Partial")).substr(0, 20));
    const Listed saturn = OpenPlanetCard(wnd, "saturnData");
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(saturn.rings, (std::vector<std::string>{"A", "Cassini"}));
}

TEST_F(DataBaseView, FewerMatchingRecordsThanTheCountListsThoseFound)
{
    WriteAll();
    std::string planets = PlanetsFile();
    planets[4 * 344 + offsetof(PlanetDB, Satellites)] = 5; // Jupiter claims five
    planets[5 * 344 + offsetof(PlanetDB, Rings)] = 9;      // Saturn claims nine
    dir.Write("Data/Planets.dat", planets);
    const Listed jupiter = OpenPlanetCard(wnd, "jupiterData");
    EXPECT_EQ(jupiter.satellites, (std::vector<std::string>{"Io", "Europa"}));
    EXPECT_EQ(jupiter.satCount, "97 known; 2 listed"); // the rows found, not the five claimed
    const Listed saturn = OpenPlanetCard(wnd, "saturnData");
    EXPECT_EQ(saturn.rings, (std::vector<std::string>{"A", "Cassini"}));
    // The Cassini Division is listed but is not a ring.
    EXPECT_EQ(saturn.ringCount, "1 ring (2 rows with their gaps)");
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(DataBaseView, MoonCardFromTheEarthCardShowsTheSameRecordAsTheMoonCommand)
{
    WriteAll();
    std::string fromMenu, fromEarth;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            if (auto* moon = dynamic_cast<MoonDlg*>(&d))
            {
                (fromMenu.empty() ? fromMenu : fromEarth) =
                    LabelText(*moon, 3814) + "|" + LabelText(*moon, 3817);
                EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Moon card");
            }
            else if (auto* card = dynamic_cast<PlanetDlg*>(&d))
            {
                card->PlanetData->setCurrentIndex(PlanetDlg::kPhysical);
                card->lbSat->setCurrentRow(0);
                EXPECT_TRUE(card->btnSatellite->isEnabled());
                card->btnSatellite->click();
                EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Planet card");
            }
            return QDialog::Accepted;
        });
    Trigger(wnd, "moonData");
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Astronomical Database");
    Trigger(wnd, "earthData");
    EXPECT_EQ(fromMenu, "356400 -- 370400|5\xB0 8' 42.0''");
    EXPECT_EQ(fromEarth, fromMenu);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(DataBaseView, SatelliteAndRingCardsOpenForTheSelectedEntry)
{
    WriteAll();
    std::vector<std::string> captions;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            if (auto* card = dynamic_cast<PlanetDlg*>(&d))
            {
                card->PlanetData->setCurrentIndex(PlanetDlg::kPhysical);
                card->lbSat->setCurrentRow(1);
                card->ShowSatelliteData();
            }
            else if (auto* sat = dynamic_cast<SatelliteDlg*>(&d))
            {
                EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Satellite card");
                captions.push_back(sat->windowTitle().toStdString());
                captions.push_back(LabelText(*sat, 3703));
            }
            else if (auto* ring = dynamic_cast<RingDlg*>(&d))
                captions.push_back(ring->windowTitle().toStdString());
            return QDialog::Accepted;
        });
    Trigger(wnd, "jupiterData");
    EXPECT_EQ(captions, (std::vector<std::string>{"Satellite 2 - [ Europa ] - ( S 1 )",
                                                  "Distance from Jupiter (km)"}));
    captions.clear();
    DialogAnswer rings(
        [&](platform::Dialog& d)
        {
            if (auto* card = dynamic_cast<PlanetDlg*>(&d))
            {
                card->PlanetData->setCurrentIndex(PlanetDlg::kPhysical);
                card->lbRings->setCurrentRow(1);
                card->btnRing->click();
            }
            else if (auto* ring = dynamic_cast<RingDlg*>(&d))
            {
                EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Ring card");
                captions.push_back(ring->windowTitle().toStdString());
            }
            return QDialog::Accepted;
        });
    Trigger(wnd, "saturnData");
    EXPECT_EQ(captions, (std::vector<std::string>{"Ring - [ Cassini Division ]"}));
}

TEST_F(DataBaseView, SatelliteAndRingButtonsWorkOnlyOnThePhysicalPage)
{
    WriteAll();
    std::vector<bool> enabled;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            if (auto* card = dynamic_cast<PlanetDlg*>(&d))
            {
                enabled.push_back(card->btnSatellite->isEnabled()); // orbital, nothing selected
                card->PlanetData->setCurrentIndex(PlanetDlg::kPhysical);
                enabled.push_back(card->btnSatellite->isEnabled()); // physical, nothing selected
                card->lbSat->setCurrentRow(0);
                card->lbRings->setCurrentRow(1);
                enabled.push_back(card->btnSatellite->isEnabled()); // physical, selected
                enabled.push_back(card->btnRing->isEnabled());      // Jupiter has no rings
                for (int tab : {PlanetDlg::kOrbital, PlanetDlg::kAtmosphere, PlanetDlg::kStructure})
                {
                    card->PlanetData->setCurrentIndex(tab);
                    enabled.push_back(card->btnSatellite->isEnabled());
                }
            }
            return QDialog::Accepted;
        });
    Trigger(wnd, "jupiterData");
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, true, false, false, false, false}));
}

TEST_F(DataBaseView, HelpOpensTheTopicOfTheSelectedPage)
{
    WriteAll();
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            if (auto* p = dynamic_cast<PlanetDlg*>(&d))
                for (int tab = 0; tab < 4; ++tab)
                {
                    p->PlanetData->setCurrentIndex(tab);
                    p->CmHelp();
                }
            else if (auto* s = dynamic_cast<SunDlg*>(&d))
                for (int tab = 0; tab < 2; ++tab)
                {
                    s->Tabs()->setCurrentIndex(tab);
                    s->CmHelp();
                }
            else if (auto* m = dynamic_cast<MoonDlg*>(&d))
                for (int tab = 0; tab < 3; ++tab)
                {
                    m->Tabs()->setCurrentIndex(tab);
                    m->CmHelp();
                }
            else if (auto* c = dynamic_cast<ComparisonDlg*>(&d))
            {
                if (auto* button = c->ControlAs<QPushButton>(ComparisonDlg::kIdHelp))
                    button->click();
            }
            return QDialog::Accepted;
        });
    Trigger(wnd, "marsData");
    Trigger(wnd, "sunData");
    Trigger(wnd, "moonData");
    Trigger(wnd, "comparison");
    std::vector<unsigned long> topics;
    for (const platform::HelpRequest& r : help.requests)
    {
        EXPECT_EQ(r.file, "Velmoria.hlp");
        EXPECT_EQ(r.page, platform::HelpPage::Topic);
        topics.push_back(r.topic);
    }
    EXPECT_EQ(topics, (std::vector<unsigned long>{9007, 9008, 9009, 9010, 9005, 9006, 9012, 9013,
                                                  9014, 9019}));
}

TEST_F(DataBaseView, SunCardReadsTheLastRecordOfAPlanetsFileOfAnyLength)
{
    dir.Write("Data/Planets.dat", std::string(7, 'x') + Bytes(Sun()));
    std::string ratio, hint;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            if (auto* sun = dynamic_cast<SunDlg*>(&d))
            {
                ratio = sun->Ratio[0]->text().toStdString();
                hint = app->Frame()->Status()->HintText();
            }
            return QDialog::Accepted;
        });
    Trigger(wnd, "sunData");
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(ratio, "70.68%");
    EXPECT_EQ(hint, "Viewing Sun card");
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Astronomical Database");
}

TEST_F(DataBaseView, ComparisonShowsTheNinePlanetsInFileOrder)
{
    WriteAll();
    std::vector<std::string> periods;
    std::string hint;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            if (auto* c = dynamic_cast<ComparisonDlg*>(&d))
            {
                // The sample planet number n revolves in 100 n days.
                for (const database::ComparisonBar& bar : c->Layout().bars)
                    periods.push_back(bar.value);
                hint = app->Frame()->Status()->HintText();
                EXPECT_EQ(c->SelectedTab(), 0);
            }
            return QDialog::Accepted;
        });
    Trigger(wnd, "comparison");
    EXPECT_EQ(periods, (std::vector<std::string>{"100", "200", "300", "400", "500", "600", "700",
                                                 "800", "900"}));
    EXPECT_EQ(hint, "Comparing planets");
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Astronomical Database");
}

TEST_F(DataBaseView, MissingStructurePictureIsToldAndTheCardStillOpens)
{
    WriteAll();
    std::filesystem::remove(dir.Path() + "/Bitmap/Struct/MarsStr.bmp");
    bool opened = false;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            if (auto* card = dynamic_cast<PlanetDlg*>(&d))
            {
                opened = true;
                EXPECT_TRUE(card->Picture().Image().isNull());
            }
            return QDialog::Accepted;
        });
    Trigger(wnd, "marsData");
    EXPECT_TRUE(opened);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Unable to open file BITMAP\\STRUCT\\MARSSTR.BMP");
    EXPECT_EQ(messages.boxes[0].caption, platform::kCaptionError);
    EXPECT_EQ(wnd->Subject(), model::Mode::DataBase);
}

TEST_F(DataBaseView, PlanetNumberOutsideTheNineShowsNoPicture)
{
    WriteAll();
    std::string planets = PlanetsFile();
    planets[3 * 344 + offsetof(PlanetDB, PlanetNumber)] = 12; // Mars's record damaged
    dir.Write("Data/Planets.dat", planets);
    bool opened = false;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            if (auto* card = dynamic_cast<PlanetDlg*>(&d))
            {
                opened = true;
                EXPECT_TRUE(card->Picture().Image().isNull());
                EXPECT_EQ(card->Name, "");
                EXPECT_FALSE(card->btnVideo->isEnabled());
                EXPECT_FALSE(card->btnView->isEnabled());
            }
            return QDialog::Accepted;
        });
    Trigger(wnd, "marsData");
    EXPECT_TRUE(opened);
    EXPECT_TRUE(messages.boxes.empty());
}

struct MediaCase
{
    const char* command;
    bool video;         // the Video button, else View
    std::string opened; // what the button opened, with its arguments
    std::string hintWhileOpen, hintAfter;
};

TEST_F(DataBaseView, VideoAndViewButtonsOpenTheBodysFilmAndPicture)
{
    WriteAll();
    std::filesystem::create_symlink(std::string(VELMORIA_RUNTIME_DIR) + "/Bitmap/Solar",
                                    dir.Path() + "/Bitmap/Solar");
    dir.LinkRuntime("Video");
    const MediaCase cases[] = {
        {"jupiterData", true, "film Video\\Jupiter.avi 5", "Viewing video of Planet",
         "Viewing Planet card"},
        {"jupiterData", false, "pictures 5..5", "Showing view of Planet", "Viewing Planet card"},
        {"neptuneData", true, "film Video\\Neptune.avi 8", "Viewing video of Planet",
         "Viewing Planet card"},
        {"earthData", false, "pictures 3..3", "Showing view of Planet", "Viewing Planet card"},
        {"sunData", true, "film Video\\Sun.avi 0", "Viewing video of Sun", "Viewing Sun card"},
        {"sunData", false, "pictures 0..0", "Showing view of Sun", "Viewing Sun card"},
        {"moonData", true, "film Video\\Moon.avi 10", "Viewing video of Moon", "Viewing Moon card"},
        // The Moon's View leaves the card's hint in place while the viewer is open.
        {"moonData", false, "pictures 10..10", "Viewing Moon card", "Viewing Moon card"},
    };
    for (const MediaCase& c : cases)
    {
        SCOPED_TRACE(c.opened);
        std::string opened, during, after;
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                if (auto* film = dynamic_cast<AnimDlg*>(&d))
                {
                    opened = "film " + film->Name + " " + std::to_string(film->Num);
                    during = app->Frame()->Status()->HintText();
                    return QDialog::Accepted;
                }
                if (auto* view = dynamic_cast<ViewDlg*>(&d))
                {
                    opened =
                        "pictures " + std::to_string(view->Min) + ".." + std::to_string(view->Max);
                    during = app->Frame()->Status()->HintText();
                    return QDialog::Accepted;
                }
                QPushButton* button = d.ControlAs<QPushButton>(c.video ? 3504 : 3503);
                if (!button)
                    return QDialog::Accepted;
                EXPECT_TRUE(button->isEnabled());
                button->click();
                after = app->Frame()->Status()->HintText();
                return QDialog::Accepted;
            });
        Trigger(wnd, c.command);
        EXPECT_EQ(opened, c.opened);
        EXPECT_EQ(during, c.hintWhileOpen);
        EXPECT_EQ(after, c.hintAfter);
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(DataBaseView, PlanetsWithoutAFilmHaveTheVideoButtonDisabled)
{
    WriteAll();
    std::vector<bool> enabled;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            if (auto* card = dynamic_cast<PlanetDlg*>(&d))
                enabled.push_back(card->btnVideo->isEnabled());
            return QDialog::Accepted;
        });
    for (const char* planet : {"mercuryData", "venusData", "earthData", "marsData", "jupiterData",
                               "saturnData", "uranusData", "neptuneData", "plutoData"})
        Trigger(wnd, planet);
    EXPECT_EQ(enabled,
              (std::vector<bool>{false, true, true, true, true, true, false, true, false}));
}

TEST_F(DataBaseView, CommandsDoNothingOutsideTheDatabaseView)
{
    WriteAll();
    Trigger(wnd, "return");
    ASSERT_EQ(wnd->Subject(), model::Mode::Main);
    int cards = 0;
    DialogAnswer answer(
        [&cards](platform::Dialog&)
        {
            ++cards;
            return QDialog::Accepted;
        });
    for (const char* command : {"sunData", "mercuryData", "plutoData", "moonData", "comparison"})
        EXPECT_FALSE(Trigger(wnd, command)) << command; // not offered on the main screen
    EXPECT_EQ(cards, 0);
    EXPECT_TRUE(messages.boxes.empty());
}
TEST_F(DataBaseView, PlanetCardKeepsOneSizeOnEveryPage)
{
    WriteAll();
    for (const char* command : {"mercuryData", "earthData", "jupiterData", "saturnData"})
    {
        std::vector<QSize> sizes;
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                auto* card = dynamic_cast<PlanetDlg*>(&d);
                if (!card)
                    return QDialog::Accepted;
                card->show();
                for (int tab : {0, 1, 2, 3, 2, 1, 0})
                {
                    card->PlanetData->setCurrentIndex(tab);
                    QApplication::processEvents();
                    sizes.push_back(card->size());
                }
                return QDialog::Accepted;
            });
        Trigger(wnd, command);
        ASSERT_EQ(sizes.size(), 7u) << command;
        for (const QSize& s : sizes)
            EXPECT_EQ(s, sizes.front()) << command;
    }
}
TEST_F(DataBaseView, EveryCardAndChartCarriesSaveCopyAndPrint)
{
    WriteAll();
    // The card's class and its three picture shortcuts, for every window that opened.
    std::vector<std::string> seen;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            std::string keys;
            for (const char* name : {"savePicture", "copyPicture", "printPicture"})
                if (const auto* action = d.findChild<QAction*>(QLatin1String(name)))
                    keys += " " + action->shortcut().toString().toStdString();
            seen.push_back(std::string(d.metaObject()->className()) + keys);
            if (auto* card = dynamic_cast<PlanetDlg*>(&d))
            {
                card->PlanetData->setCurrentIndex(PlanetDlg::kPhysical);
                card->lbSat->setCurrentRow(1);
                card->ShowSatelliteData();
                card->lbRings->setCurrentRow(1);
                card->ShowRingData();
            }
            else if (auto* sun = dynamic_cast<SunDlg*>(&d))
                sun->BtnView();
            return QDialog::Accepted;
        });
    for (const char* command : {"jupiterData", "saturnData", "sunData", "moonData", "comparison"})
        Trigger(wnd, command);
    const std::string keys = " Ctrl+S Ctrl+C Ctrl+P";
    // Jupiter opens a satellite's card; Saturn a ring's.
    EXPECT_EQ(seen, (std::vector<std::string>{"PlanetDlg" + keys, "SatelliteDlg" + keys,
                                              "PlanetDlg" + keys, "RingDlg" + keys, "SunDlg" + keys,
                                              "ViewDlg" + keys, "MoonDlg" + keys,
                                              "ComparisonDlg" + keys}));
}
} // namespace
