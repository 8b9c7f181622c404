// The observer location: the world map's geometry, the store rule, the dialog with and
// without its map, and the Location Choice command in the whole application.
#include "StarMapApp.h"
#include "platform/Bitmaps.h"
#include "starmap/LocationDlg.h"
#include "starmap/LocationMap.h"
#include "time/TimeUpdateDlg.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace
{
using testing_support::DialogAnswer;
using testing_support::HelpRecorder;
using testing_support::MessageRecorder;
using testing_support::ScratchDir;

// ---- the map ----

TEST(WorldMap, TheMarginScaledToTheFrameAndOnePixelMoreIsLeftOut)
{
    const struct
    {
        int X, Y, W, H, bw, bh;
        locmap::MapRect expected;
    } cases[] = {
        // The picture at its own size: 7 + 1 pixels on each side.
        {10, 20, 494, 254, 494, 254, {18, 28, 496, 266, 257, 147, 478, 238}},
        // Shrunk to about 60 %: 4 + 1 pixels.
        {0, 0, 300, 150, 494, 254, {5, 5, 295, 145, 150, 75, 290, 140}},
        // An odd-sized frame: the halves round down.
        {0, 0, 301, 151, 494, 254, {5, 5, 296, 146, 150, 75, 291, 141}},
    };
    for (const auto& c : cases)
    {
        const locmap::MapRect m = locmap::MapRectFor(c.X, c.Y, c.W, c.H, c.bw, c.bh);
        const locmap::MapRect& e = c.expected;
        EXPECT_EQ(m.x1, e.x1);
        EXPECT_EQ(m.y1, e.y1);
        EXPECT_EQ(m.x2, e.x2);
        EXPECT_EQ(m.y2, e.y2);
        EXPECT_EQ(m.xm, e.xm);
        EXPECT_EQ(m.ym, e.ym);
        EXPECT_EQ(m.w, e.w);
        EXPECT_EQ(m.h, e.h);
    }
}

TEST(WorldMap, APointOfTheMapGivesItsLatitudeAndLongitude)
{
    // Centre (257, 147), 478 x 238 pixels: 239 pixels from the centre to the date line, 119
    // to a pole.
    const locmap::MapRect map = locmap::MapRectFor(10, 20, 494, 254, 494, 254);
    // A small frame of odd width and height.
    const locmap::MapRect odd = locmap::MapRectFor(0, 0, 31, 15, 494, 254);
    const struct
    {
        const locmap::MapRect* map;
        int px, py;
        locmap::Degrees d;
    } cases[] = {
        {&map, 257, 147, {0, true, 0, true}},     // the centre is North and West
        {&map, 258, 148, {0, false, 0, false}},   // a pixel south-east of it
        {&map, 257, 28, {90, true, 0, true}},     // top row: the North Pole
        {&map, 257, 266, {90, false, 0, true}},   // bottom row: the South Pole
        {&map, 18, 147, {0, true, 180, true}},    // left edge: 180 W
        {&map, 496, 147, {0, true, 180, false}},  // right edge: 180 E
        {&map, 377, 207, {45, false, 90, false}}, // half way to the right edge and the bottom
        {&map, 137, 88, {44, true, 90, true}},
        // Odd sizes would give more than a pole or the date line at the far edges.
        {&odd, 30, 14, {90, false, 180, false}},
        {&odd, 1, 1, {90, true, 180, true}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.px << "," << c.py);
        ASSERT_TRUE(locmap::Inside(*c.map, c.px, c.py));
        const locmap::Degrees d = locmap::PointToDegrees(*c.map, c.px, c.py);
        EXPECT_EQ(d.lat, c.d.lat);
        EXPECT_EQ(d.north, c.d.north);
        EXPECT_EQ(d.lon, c.d.lon);
        EXPECT_EQ(d.west, c.d.west);
    }
    EXPECT_FALSE(locmap::Inside(map, 17, 147));
    EXPECT_FALSE(locmap::Inside(map, 257, 267));
    EXPECT_FALSE(locmap::IsUsable(locmap::MapRectFor(0, 0, 3, 3, 494, 254)));
}

TEST(WorldMap, TheMarkerOfAPositionLeadsBackToItsDegrees)
{
    const locmap::MapRect map = locmap::MapRectFor(10, 20, 494, 254, 494, 254);
    // The corners of the map are the poles and the date line.
    const locmap::Point nw = locmap::DegreesToMarker(map, {90, true, 180, true});
    const locmap::Point se = locmap::DegreesToMarker(map, {90, false, 180, false});
    const locmap::Point origin = locmap::DegreesToMarker(map, {0, false, 0, false});
    EXPECT_EQ(nw.x, map.x1);
    EXPECT_EQ(nw.y, map.y1);
    EXPECT_EQ(se.x, map.x2);
    EXPECT_EQ(se.y, map.y2);
    EXPECT_EQ(origin.x, map.xm);
    EXPECT_EQ(origin.y, map.ym);
    // Whole pixels are about 0.75 degree: the way back loses at most one degree.
    for (int lat = 0; lat <= 90; lat += 3)
        for (int lon = 0; lon <= 180; lon += 5)
            for (bool north : {true, false})
            {
                const locmap::Degrees d{lat, north, lon, false};
                const locmap::Point p = locmap::DegreesToMarker(map, d);
                const locmap::Degrees back = locmap::PointToDegrees(map, p.x, p.y);
                EXPECT_LE(std::abs(back.lat - lat), 1) << lat << " " << lon;
                EXPECT_LE(std::abs(back.lon - lon), 1) << lat << " " << lon;
                if (lat > 1)
                {
                    EXPECT_EQ(back.north, north);
                }
            }
}

TEST(WorldMap, OnlyAPositionWithinRangeIsStored)
{
    const LocationSetup before{{1, 2, 3}, {4, 5, 6}, 1, 1, 0};
    const struct
    {
        locmap::Fields f;
        bool stored;
    } cases[] = {
        {{180, 59, 59, 90, 59, 59, false, false, true}, true},
        {{0, 0, 0, 0, 0, 0, true, true, false}, true},
        {{181, 0, 0, 0, 0, 0, true, true, false}, false},
        {{0, 60, 0, 0, 0, 0, true, true, false}, false},
        {{0, 0, 60, 0, 0, 0, true, true, false}, false},
        {{0, 0, 0, 91, 0, 0, true, true, false}, false},
        {{0, 0, 0, 0, 60, 0, true, true, false}, false},
        {{0, 0, 0, 0, 0, 60, true, true, false}, false},
        {{0xFFFFFFFFu, 0, 0, 0, 0, 0, true, true, false}, false}, // a negative entry
    };
    for (const auto& c : cases)
    {
        LocationSetup v = before;
        EXPECT_EQ(locmap::StoreLocation(c.f, v), c.stored);
        const LocationSetup& e =
            c.stored ? LocationSetup{{uint8_t(c.f.lonDegree), uint8_t(c.f.lonMinute),
                                      uint8_t(c.f.lonSecond)},
                                     {uint8_t(c.f.latDegree), uint8_t(c.f.latMinute),
                                      uint8_t(c.f.latSecond)},
                                     c.f.north,
                                     c.f.west,
                                     c.f.gmt}
                     : before;
        EXPECT_EQ(std::memcmp(&v, &e, sizeof v), 0) << c.f.lonDegree << " " << c.f.latDegree;
    }
}

TEST(WorldMap, TheBuiltPictureIsTheEarthNorthUpGreenwichInTheMiddleInsideItsMargin)
{
    ScratchDir dir;
    dir.LinkRuntime("Bitmap");
    const QImage img = platform::ReadPicture("Bitmap\\WorldMap.bmp");
    ASSERT_FALSE(img.isNull());
    const int w = img.width() - 2 * locmap::kPictureMargin;
    const int h = img.height() - 2 * locmap::kPictureMargin;
    EXPECT_EQ(w, 2 * h); // 360 by 180 degrees
    // The pixel of a place on the map proper.
    auto at = [&](double lat, double lon)
    {
        return img.pixel(locmap::kPictureMargin + static_cast<int>((lon + 180) / 360 * w),
                         locmap::kPictureMargin + static_cast<int>((90 - lat) / 180 * h));
    };
    const QRgb sahara = at(23, 10), pacific = at(5, -160), antarctica = at(-80, 20);
    EXPECT_GT(qRed(sahara), qBlue(sahara) + 40);
    EXPECT_GT(qBlue(pacific), qRed(pacific) + 40);
    EXPECT_GT(qMin(qRed(antarctica), qMin(qGreen(antarctica), qBlue(antarctica))), 180);
    // The margin is one dark colour all round.
    const QRgb margin = img.pixel(0, 0);
    EXPECT_LT(qGray(margin), 60);
    for (int i = 0; i < locmap::kPictureMargin - 1; ++i)
    {
        EXPECT_EQ(img.pixel(i, img.height() / 2), margin);
        EXPECT_EQ(img.pixel(img.width() - 1 - i, img.height() / 3), margin);
        EXPECT_EQ(img.pixel(img.width() / 3, i), margin);
        EXPECT_EQ(img.pixel(img.width() / 2 + 5, img.height() - 1 - i), margin);
    }
}

// ---- the dialog ----

class LocationDialog : public testing::Test
{
protected:
    void SetUp() override { dir.LinkRuntime("Bitmap"); }

    // The dialog on `record`, set up as Execute would before showing it.
    std::unique_ptr<LocationDlg> Open()
    {
        auto dlg = std::make_unique<LocationDlg>(nullptr, record);
        dlg->SetupWindow();
        return dlg;
    }

    static QPoint At(const LocationDlg& dlg, const locmap::Degrees& d)
    {
        const locmap::Point p = locmap::DegreesToMarker(dlg.MapArea(), d);
        return QPoint(p.x, p.y);
    }

    ScratchDir dir;
    MessageRecorder messages;
    HelpRecorder help;
    LocationSetup record{{0, 7, 39}, {51, 30, 26}, 1, 1, 1};
};

TEST_F(LocationDialog, OpensOnTheStoredPositionWithTheMarkerOnIt)
{
    auto dlg = Open();
    EXPECT_TRUE(messages.boxes.empty());
    ASSERT_TRUE(dlg->HasMap());
    EXPECT_EQ(dlg->LonDegree->text(), "00");
    EXPECT_EQ(dlg->LonMinute->text(), "07");
    EXPECT_EQ(dlg->LonSecond->text(), "39");
    EXPECT_EQ(dlg->LatDegree->text(), "51");
    EXPECT_EQ(dlg->LatMinute->text(), "30");
    EXPECT_EQ(dlg->LatSecond->text(), "26");
    EXPECT_TRUE(dlg->North->isChecked());
    EXPECT_FALSE(dlg->South->isChecked());
    EXPECT_TRUE(dlg->West->isChecked());
    EXPECT_TRUE(dlg->GMT->isChecked());
    // The map rectangle lies inside the frame, the marker north of the centre on the meridian.
    const QRect frame = dlg->FrameRect();
    const locmap::MapRect& map = dlg->MapArea();
    EXPECT_TRUE(frame.contains(map.x1, map.y1));
    EXPECT_TRUE(frame.contains(map.x2, map.y2));
    EXPECT_EQ(dlg->Marker(), QPoint(map.xm, map.ym - 51 * map.h / 180));
    PressHelp(*dlg);
    ASSERT_EQ(help.requests.size(), 1u);
    EXPECT_EQ(help.requests[0].topic, 9004u);
}

TEST_F(LocationDialog, PaintsTheWorldMapWithTheMarkerOredOntoIt)
{
    auto dlg = Open();
    const QImage shown = dlg->MapFrame->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage map = platform::ReadPicture("Bitmap\\WorldMap.bmp");
    ASSERT_FALSE(map.isNull());
    // The frame holds the picture at its own size.
    ASSERT_EQ(shown.size(), map.size());
    const QImage world = map.convertToFormat(QImage::Format_RGB32);
    const QImage marker =
        platform::LoadBitmapResource("LocationLabel").convertToFormat(QImage::Format_RGB32);
    const QPoint corner = dlg->Marker() - dlg->FrameRect().topLeft() - QPoint(7, 7);
    int wrong = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
        {
            const QPoint m = QPoint(x, y) - corner;
            const QRgb expected =
                marker.rect().contains(m) ? world.pixel(x, y) | marker.pixel(m) : world.pixel(x, y);
            wrong += (shown.pixel(x, y) & 0xFFFFFF) != (expected & 0xFFFFFF);
        }
    EXPECT_EQ(wrong, 0);
}

TEST_F(LocationDialog, TheMouseShowsDegreesAndAClickChoosesThePlace)
{
    auto dlg = Open();
    const QPoint tokyo = At(*dlg, {35, true, 139, false});
    dlg->PreviewAt(tokyo);
    // A pixel is about 0.75 degree: the point's degrees are within one of the place's.
    EXPECT_NEAR(dlg->LatDegree->GetNumber(), 35, 1);
    EXPECT_NEAR(dlg->LonDegree->GetNumber(), 139, 1);
    EXPECT_TRUE(dlg->East->isChecked());
    EXPECT_EQ(dlg->Chosen().lon, 0); // only a preview

    // Off the map the chosen position comes back.
    dlg->PreviewAt(QPoint(-1, -1));
    EXPECT_EQ(dlg->LatDegree->GetNumber(), 51u);
    EXPECT_EQ(dlg->LonDegree->GetNumber(), 0u);
    EXPECT_TRUE(dlg->West->isChecked());

    // Elsewhere in the dialog a field being typed in is left alone.
    dlg->LatDegree->setText(QStringLiteral("4"));
    dlg->PreviewAt(QPoint(-1, -1));
    EXPECT_EQ(dlg->LatDegree->text(), "4");

    const QPoint sydney = At(*dlg, {34, false, 151, false});
    dlg->ChooseAt(sydney);
    EXPECT_EQ(dlg->Marker(), sydney);
    EXPECT_TRUE(dlg->South->isChecked());
    EXPECT_TRUE(dlg->East->isChecked());
    dlg->PreviewAt(QPoint(-1, -1));
    EXPECT_EQ(dlg->LatDegree->GetNumber(), static_cast<unsigned>(dlg->Chosen().lat));
    EXPECT_NEAR(dlg->Chosen().lat, 34, 1);
    EXPECT_NEAR(dlg->Chosen().lon, 151, 1);
    EXPECT_EQ(dlg->LatMinute->text(), "30"); // the map sets whole degrees only
    dlg->CmOk();
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->Location().North, 0);
    EXPECT_EQ(dlg->Location().West, 0);
    EXPECT_EQ(dlg->Location().Lat.Minute, 30);
}

TEST_F(LocationDialog, HemisphereButtonsAndTypedDegreesMoveTheMarker)
{
    auto dlg = Open();
    const locmap::MapRect& map = dlg->MapArea();
    const int north = dlg->Marker().y();
    dlg->South->click();
    EXPECT_TRUE(dlg->South->isChecked());
    EXPECT_FALSE(dlg->North->isChecked());
    EXPECT_EQ(dlg->Marker().y() - map.ym, map.ym - north); // mirrored in the equator

    dlg->LonDegree->setText(QStringLiteral("90"));
    dlg->LonDegree->EvKillFocus();
    dlg->East->click();
    EXPECT_TRUE(dlg->East->isChecked());
    EXPECT_EQ(dlg->Marker().x(), map.xm + map.w / 4);

    // Minutes do not move it.
    const QPoint before = dlg->Marker();
    dlg->LatMinute->setText(QStringLiteral("59"));
    dlg->LatMinute->EvKillFocus();
    EXPECT_EQ(dlg->Marker(), before);
}

TEST_F(LocationDialog, OkRefusesAnOutOfRangeEntryAndCancelKeepsTheRecord)
{
    const LocationSetup stored = record;
    const struct
    {
        bool ok;
        const char* latDegree;
        bool stores;
    } cases[] = {{true, "95", false}, {true, "45", true}, {false, "45", false}};
    for (const auto& c : cases)
    {
        record = stored;
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                auto& dlg = static_cast<LocationDlg&>(d);
                dlg.LatDegree->setText(QString::fromLatin1(c.latDegree));
                if (!c.ok)
                    return int{QDialog::Rejected};
                dlg.CmOk();
                return dlg.result();
            });
        LocationDlg dlg(nullptr, record);
        const int result = dlg.Execute();
        EXPECT_EQ(result == QDialog::Accepted, c.stores) << c.latDegree;
        EXPECT_EQ(dlg.Location().Lat.Degree, c.stores ? 45 : 51) << c.latDegree;
    }
}

TEST_F(LocationDialog, WithoutAUsableMapItSaysSoAndWorksWithTheFields)
{
    // No picture at all, then one that is not a picture.
    std::filesystem::remove(std::filesystem::path(dir.Path()) / "Bitmap");
    for (const char* content : {"", "BM not a picture"})
    {
        if (*content)
            dir.Write("Bitmap/WorldMap.bmp", content);
        messages.boxes.clear();
        auto dlg = Open();
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].text, "Unable to open file BITMAP\\WORLDMAP.BMP");
        EXPECT_EQ(messages.boxes[0].caption, "Velmoria - [Error]");
        EXPECT_EQ(messages.boxes[0].flags, 0x10u);
        EXPECT_FALSE(dlg->HasMap());
        dlg->ChooseAt(dlg->FrameRect().center());
        EXPECT_EQ(dlg->LatDegree->GetNumber(), 51u);
        dlg->South->click();
        dlg->CmOk();
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        EXPECT_EQ(dlg->Location().North, 0);
    }
}

// ---- the command ----

class LocationCommand : public StarMapApp
{
protected:
    void SetUp() override
    {
        StarMapApp::SetUp();
        Enter(0, true);
    }

    // Runs Location Choice, typing the given position and closing with OK.
    void Choose(int latDegree, int latMinute, bool north, int lonDegree, bool west)
    {
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                auto& dlg = static_cast<LocationDlg&>(d);
                dlg.LatDegree->SetNumber(latDegree);
                dlg.LatMinute->SetNumber(latMinute);
                dlg.LonDegree->SetNumber(lonDegree);
                (north ? dlg.North : dlg.South)->click();
                (west ? dlg.West : dlg.East)->click();
                dlg.CmOk();
                return dlg.result();
            });
        Trigger(wnd, "location");
    }
};

TEST_F(LocationCommand, TheSkyOfTheChosenPlaceIsShownAtOnce)
{
    Trigger(wnd, "stop"); // stopped: the command draws the frame itself
    const double t0 = Map().Rotation();
    Choose(51, 30, true, 90, false);
    EXPECT_EQ(wnd->Values.LocValues.Lat.Degree, 51);
    EXPECT_EQ(wnd->Values.LocValues.Lat.Minute, 30);
    EXPECT_EQ(Map().Tilt().lat, -51.0); // whole degrees tilt the globe
    EXPECT_FALSE(View().Playing());
    // 90 degrees further east the local sidereal time is six hours later: the sky has turned
    // by a quarter.
    EXPECT_NEAR(std::fabs(std::remainder(Map().Rotation() - t0, 360.0)), 90.0, 0.01);
    EXPECT_GT(CountLit(), 500);

    Trigger(wnd, "go");
    Choose(33, 0, false, 90, false);
    EXPECT_EQ(Map().Tilt().lat, 33.0);
    EXPECT_TRUE(View().Playing()); // the animation goes on
}

TEST_F(LocationCommand, IsNotOfferedOnTheReviewGlobe)
{
    Trigger(wnd, "reviewGlobe");
    EXPECT_FALSE(IsEnabled(wnd, "location"));
    QTest::keyClick(&View(), Qt::Key_Up); // the globe tilted
    const double tilt = Map().Tilt().lat;
    Choose(10, 0, true, 0, true);
    EXPECT_EQ(Map().Tilt().lat, tilt);
    EXPECT_EQ(wnd->Values.LocValues.Lat.Degree, 0);
}
} // namespace
