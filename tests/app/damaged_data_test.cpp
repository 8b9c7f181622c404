// Every data file damaged in turn (empty, cut at every record boundary, cut inside records,
// replaced by random bytes of its own length, with noise appended) under the whole
// application: the views that read it are entered, ticked and stopped, their objects'
// cards opened, and every database card and sub-card shown. Nothing may crash or read out
// of bounds (the sanitizer build runs this too); every message is one the file's readers
// give, and a file of full length opens its view without any.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "database/PlanetDlg.h"
#include "solar/SolarRecord.h"

#include <QListWidget>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "common/AppSupport.h"

using testing_support::IsEnabled;
using testing_support::Trigger;

namespace
{
using namespace testing_support;

std::string ReadRuntime(const std::string& name)
{
    std::ifstream in(std::string(VELMORIA_RUNTIME_DIR) + "/Data/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Damage
{
    std::string what;
    std::string bytes;
    bool fullLength; // every record the readers need is there, whole
};

// The damaged forms of `whole`, a file of records of `recordSize` bytes: cut at every record
// boundary, but in a file of more than forty records only at its first and last five and
// at every fiftieth (every refusal goes the same way back to the main screen).
std::vector<Damage> DamagedForms(const std::string& whole, size_t recordSize)
{
    std::vector<Damage> forms;
    forms.push_back({"empty", "", false});
    const size_t records = whole.size() / recordSize;
    for (size_t k = 1; k * recordSize < whole.size(); ++k)
        if (records <= 40 || k <= 5 || k + 5 >= records || k % 50 == 0)
            forms.push_back({"cut at " + std::to_string(k * recordSize),
                             whole.substr(0, k * recordSize), false});
    for (size_t k : {size_t(0), size_t(1), records / 2, records - 1})
    {
        const size_t cut = k * recordSize + recordSize / 2;
        if (cut < whole.size())
            forms.push_back(
                {"cut mid-record at " + std::to_string(cut), whole.substr(0, cut), false});
    }
    std::mt19937 random(20261207);
    std::string noise(whole.size(), '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    // Random records are read whole, but the database's readers may then find no record of a
    // planet, which they report.
    forms.push_back({"random bytes", noise, false});
    forms.push_back({"noise appended", whole + noise.substr(0, 1000), true});
    return forms;
}

class DamagedData : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : {"Bitmap", "Sound", "Video", "Velmoria.hlp"})
            if (std::filesystem::exists(std::string(VELMORIA_RUNTIME_DIR) + "/" + name))
                dir.LinkRuntime(name);
        for (const char* name : kFiles)
            dir.Write(std::string("Data/") + name, ReadRuntime(name));
        app = std::make_unique<VelmoriaApp>();
        app->InitMainWindow(false);
        app->Frame()->resize(1024, 768);
        app->Frame()->show();
        wnd = app->Frame()->Client();
    }
    void TearDown() override { app.reset(); }

    // Runs `use` once per damaged form of `name`, the other files whole, and checks the
    // messages each run gave.
    template <class Use>
    void EveryDamage(const char* name, size_t recordSize, const std::vector<std::string>& allowed,
                     Use use)
    {
        const std::string whole = ReadRuntime(name);
        ASSERT_FALSE(whole.empty()) << name;
        const std::string upper = "DATA\\" + Upper(name);
        for (const Damage& damage : DamagedForms(whole, recordSize))
        {
            SCOPED_TRACE(std::string(name) + ": " + damage.what);
            dir.Write(std::string("Data/") + name, damage.bytes);
            messages.boxes.clear();
            opened = false;
            use();
            EXPECT_EQ(wnd->Subject(), model::Mode::Main);
            if (damage.fullLength)
            {
                EXPECT_TRUE(opened);
            }
            for (const platform::MessageRecord& box : messages.boxes)
            {
                const bool namesFile = box.text == "Unable to read from file " + upper ||
                                       box.text == "Unable to open file " + upper;
                const bool allowedText =
                    std::find(allowed.begin(), allowed.end(), box.text) != allowed.end();
                EXPECT_TRUE(namesFile || allowedText) << box.text;
                EXPECT_FALSE(damage.fullLength) << box.text;
            }
        }
        dir.Write(std::string("Data/") + name, whole);
    }

    static std::string Upper(std::string s)
    {
        for (char& c : s)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return s;
    }

    // Right-clicks every object of the stopped view that carries a screen position.
    void RightClickEverything(const std::vector<QPoint>& points)
    {
        for (const QPoint& p : points)
        {
            if (wnd->Subject() == model::Mode::SolarSystem)
                wnd->SolarView().OpenCardsAt(p);
            else
                wnd->StarView().OpenCardsAt(p);
        }
    }

    static constexpr const char* kFiles[] = {"Solobj.dat",  "Stars.dat",      "NGCMess.dat",
                                             "Planets.dat", "Satellites.dat", "Rings.dat"};
    ScratchDir dir;
    MessageRecorder messages;
    SoundRecorder sounds;
    HelpRecorder help;
    FixedClock clock{Date{7, 12, 2026}, Time{22, 30, 0}};
    // Every card is answered at once; a planet card first opens the cards of the first and
    // last of its satellites and rings.
    DialogAnswer answer{[](platform::Dialog& d)
                        {
                            if (auto* card = dynamic_cast<PlanetDlg*>(&d))
                            {
                                card->PlanetData->setCurrentIndex(PlanetDlg::kPhysical);
                                for (QListWidget* list : {card->lbSat, card->lbRings})
                                    for (int row : {0, list->count() - 1})
                                        if (row >= 0 && row < list->count())
                                        {
                                            list->setCurrentRow(row);
                                            if (list == card->lbSat)
                                                card->ShowSatelliteData();
                                            else
                                                card->ShowRingData();
                                        }
                            }
                            return QDialog::Accepted;
                        }};
    std::unique_ptr<VelmoriaApp> app;
    VelmoriaWnd* wnd = nullptr;
    bool opened = false; // the view of the last run opened
};

TEST_F(DamagedData, SolarSystemWithADamagedElementsFile)
{
    EveryDamage("Solobj.dat", sizeof(SolarObjects), {"Unable to show Solar System"},
                [&]
                {
                    Trigger(wnd, "solarSystem");
                    if (wnd->Subject() != model::Mode::SolarSystem)
                        return;
                    opened = true;
                    wnd->EvTimer(kTimerRealTime);
                    Trigger(wnd, "stop");
                    // Every mark of the frame on the screen.
                    wnd->SolarView().grab();
                    std::vector<QPoint> points;
                    for (const solar::Mark& mark : wnd->SolarView().LastFrame().marks)
                        points.emplace_back(static_cast<int>(std::clamp(mark.at.x, -1e6, 1e6)),
                                            static_cast<int>(std::clamp(mark.at.y, -1e6, 1e6)));
                    RightClickEverything(points);
                    Trigger(wnd, "return");
                });
}

TEST_F(DamagedData, StarMapWithADamagedCatalogue)
{
    const auto enter = [&]
    {
        Trigger(wnd, "starMap");
        if (wnd->Subject() != model::Mode::StarMap)
            return;
        opened = true;
        wnd->EvTimer(kTimerRealTime);
        Trigger(wnd, "stop");
        const skyframe::Places& at = wnd->StarView().Frame();
        std::vector<QPoint> points{{at.sun.X(), at.sun.Y()}, {at.moon.X(), at.moon.Y()}};
        for (const skyframe::Place& object : at.deepSky)
            if (object.drawn)
                points.emplace_back(object.X(), object.Y());
        int stars = 0;
        for (size_t i = 0; i < at.stars.size() && stars < 8; ++i)
            if (at.stars[i].visible && (i % 60 == 0 || ++stars <= 4))
                points.emplace_back(at.stars[i].X(), at.stars[i].Y());
        RightClickEverything(points);
        Trigger(wnd, "reviewGlobe"); // the review globe, then back to the real sky
        Trigger(wnd, "realSkyGlobe");
        Trigger(wnd, "return");
    };
    EveryDamage("Stars.dat", sizeof(StarDB), {"Unable to show Star Map"}, enter);
    EveryDamage("NGCMess.dat", sizeof(NGCMessDB), {"Unable to show Star Map"}, enter);
}

TEST_F(DamagedData, DatabaseCardsWithADamagedFile)
{
    // A damaged planet record may promise satellites or rings that the other files do not
    // hold, which is reported against those files.
    const std::vector<std::string> allowed{"Unable to show Astronomical Database",
                                           "Unable to show Sun Data", "Unable to show Moon Data",
                                           "Unable to read from file DATA\\SATELLITES.DAT",
                                           "Unable to read from file DATA\\RINGS.DAT"};
    const auto every = [&](std::vector<const char*> commands)
    {
        return [&, commands]
        {
            for (const char* command : commands)
            {
                if (wnd->Subject() != model::Mode::DataBase)
                    Trigger(wnd, "dataBase");
                const size_t before = messages.boxes.size();
                Trigger(wnd, command);
                opened = opened || (wnd->Subject() == model::Mode::DataBase && messages.boxes.size() == before);
            }
            if (wnd->Subject() == model::Mode::DataBase)
                Trigger(wnd, "return");
        };
    };
    const std::vector<const char*> planets{"mercuryData", "venusData",   "earthData",
                                           "marsData",    "jupiterData", "saturnData",
                                           "uranusData",  "neptuneData", "plutoData"};
    std::vector<const char*> all = planets;
    all.insert(all.end(), {"sunData", "moonData", "comparison"});
    EveryDamage("Planets.dat", sizeof(PlanetDB), allowed, every(all));
    std::vector<const char*> withMoon = planets;
    withMoon.push_back("moonData");
    EveryDamage("Satellites.dat", sizeof(SatelliteDB), allowed, every(withMoon));
    EveryDamage("Rings.dat", sizeof(RingDB), allowed, every(planets));
}
} // namespace
