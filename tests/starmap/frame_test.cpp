// The Star Map's frame as the view paints it: each mark at its place with its size and colour,
// each layer only while it is on, nothing kept from the frame before, names that never collide
// and grow with the globe, the same picture at twice the scale, and any catalogue drawn without
// fault.
#include "model/LabelPlacer.h"
#include "starmap/StarMapApp.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineF>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <random>

namespace
{
class Frame : public StarMapApp
{
protected:
    void SetUp() override
    {
        StarMapApp::SetUp();
        Open(50, true);
        // Every layer off, the stars to magnitude 4.
        wnd->Values.SMValues = SMSetup{{0, 0, 0, 0, 0}, 4.0f};
        wnd->Values.Planets = 0;
        wnd->Values.Names = 0;
        Show(Date{7, 12, 2026}, Time{18, 0, 0});
    }

    static bool Lit(QRgb c) { return (c & 0xFFFFFF) != 0; }

    // The pixels of the marks the frame puts at `places`, each the box (dx, dy, w, h) about
    // the pixel of its point.
    static std::vector<QRect> Boxes(const std::vector<skyframe::Place>& places, QRect box)
    {
        std::vector<QRect> boxes;
        for (const skyframe::Place& at : places)
            if (at.drawn)
                boxes.push_back(box.translated(at.X(), at.Y()));
        return boxes;
    }
};

// The width of a star's mark as it has always been: 4 pixels to magnitude 1, 3 to 2, 2 to 3,
// else 1; the wider marks start a pixel left of the star's point.
QRect StarMark(float magnitude)
{
    const int width = magnitude <= 1 ? 4 : magnitude <= 2 ? 3 : magnitude <= 3 ? 2 : 1;
    return QRect(width > 1 ? -1 : 0, 0, width, 1);
}

TEST_F(Frame, StarMarksStandAtTheirPlacesWithTheWidthOfTheirMagnitude)
{
    for (int scale : {1, 2})
    {
        SCOPED_TRACE(scale);
        // At twice the scale the same picture, each pixel of it four.
        QImage image(View().size() * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        View().render(&image);
        QImage marks(View().size() * scale, QImage::Format_RGB32);
        marks.fill(Qt::black);
        int drawn = 0;
        for (size_t i = 0; i < Places().stars.size(); ++i)
        {
            const skyframe::Place& at = Places().stars[i];
            if (!at.drawn)
                continue;
            ++drawn;
            const QRect mark = StarMark(View().Catalogue().stars[i].Magnitude);
            const QRect pixels(scale * (at.X() + mark.x()), scale * at.Y(), scale * mark.width(),
                               scale);
            for (int y = pixels.top(); y <= pixels.bottom(); ++y)
                for (int x = pixels.left(); x <= pixels.right(); ++x)
                    marks.setPixel(x, y, qRgb(255, 255, 255));
        }
        EXPECT_GT(drawn, 150);
        // White is the stars' alone, exactly where their marks are.
        int wrong = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                wrong += ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) !=
                         ((marks.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF);
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(Frame, EachLayerShowsItsMarksOnlyWhileItIsOnAndOnlyWhereItsObjectsAre)
{
    ::Setup& v = wnd->Values;
    // What a layer may change: its colour's pixels (grid, lines), or only pixels inside the
    // boxes of its objects.
    const auto inBoxes = [this](std::function<std::vector<QRect>()> boxes)
    {
        return [this, boxes](int x, int y, QRgb)
        {
            for (const QRect& box : boxes())
                if (box.contains(x, y))
                    return true;
            return false;
        };
    };
    const struct
    {
        const char* layer;
        bool8* flag;
        std::function<bool(int x, int y, QRgb c)> allowed;
    } cases[] = {
        {"grid", &v.SMValues.Check[1],
         [](int, int, QRgb c) { return qRed(c) == qGreen(c) && qBlue(c) >= qRed(c); }},
        {"lines", &v.SMValues.Check[0],
         [](int, int, QRgb c) { return qRed(c) == 0 && qBlue(c) == 0; }},
        {"deep sky", &v.SMValues.Check[2],
         inBoxes([this] { return Boxes(Places().deepSky, QRect(-2, -2, 5, 4)); })},
        {"Sun and Moon", &v.SMValues.Check[3],
         inBoxes(
             [this]
             {
                 auto boxes = Boxes({Places().sun}, QRect(-2, -2, 5, 5));
                 for (const QRect& b : Boxes({Places().moon}, QRect(-4, -4, 9, 9)))
                     boxes.push_back(b);
                 return boxes;
             })},
        {"planets", &v.Planets,
         inBoxes(
             [this]
             {
                 return Boxes(
                     std::vector<skyframe::Place>(Places().planets.begin(), Places().planets.end()),
                     QRect(-1, -1, 4, 4));
             })},
        {"names", &v.Names,
         inBoxes(
             [this]
             {
                 std::vector<QRect> boxes;
                 for (const StarMapView::Name& n : View().Names())
                     boxes.push_back(
                         QRectF(n.box.left, n.box.top, n.box.width, n.box.height).toAlignedRect());
                 return boxes;
             })},
    };
    // Sun, Moon and planets all up on the transparent sphere.
    v.SMValues.Check[4] = 1;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.layer);
        *c.flag = 0;
        const QImage off = Picture();
        *c.flag = 1;
        const QImage on = Picture();
        int changed = 0, misplaced = 0;
        for (int y = 0; y < on.height(); ++y)
            for (int x = 0; x < on.width(); ++x)
                if (on.pixel(x, y) != off.pixel(x, y))
                {
                    ++changed;
                    misplaced += c.allowed(x, y, on.pixel(x, y)) ? 0 : 1;
                }
        EXPECT_GT(changed, 20);
        EXPECT_EQ(misplaced, 0);
        *c.flag = 0;
    }
}

TEST_F(Frame, TheTransparentSphereShowsTheStarsOfBothHalves)
{
    wnd->Values.SMValues.SelectMagn = 12.0f;
    const auto drawn = [this]
    {
        int n = 0;
        for (const skyframe::Place& at : Places().stars)
            n += at.drawn;
        return n;
    };
    const int opaque = drawn();
    EXPECT_GT(opaque, 200);
    EXPECT_LT(opaque, 490);
    wnd->Values.SMValues.Check[4] = 1;
    EXPECT_EQ(drawn(), View().Catalogue().StarCount());
}

TEST_F(Frame, ConstellationLinesJoinOnlyStarsOnTheVisibleSide)
{
    const QImage off = Picture();
    wnd->Values.SMValues.Check[0] = 1;
    const QImage on = Picture();
    std::vector<QLineF> visible;
    for (const constblocks::Link& link : View().Catalogue().links)
    {
        const skyframe::Place& a = Places().stars[link.from];
        const skyframe::Place& b = Places().stars[link.to];
        if (a.visible && b.visible)
            visible.emplace_back(a.at.x, a.at.y, b.at.x, b.at.y);
    }
    // Every pixel the lines change lies on a line between two stars on the visible side.
    const auto distance = [](const QLineF& l, QPointF p)
    {
        const QPointF d = l.p2() - l.p1();
        const double length2 = QPointF::dotProduct(d, d);
        const double s =
            length2 > 0 ? std::clamp(QPointF::dotProduct(p - l.p1(), d) / length2, 0.0, 1.0) : 0;
        return QLineF(p, l.p1() + s * d).length();
    };
    int changed = 0, astray = 0;
    for (int y = 0; y < on.height(); ++y)
        for (int x = 0; x < on.width(); ++x)
        {
            if (on.pixel(x, y) == off.pixel(x, y))
                continue;
            ++changed;
            const QPointF centre(x + 0.5, y + 0.5);
            // Half the pen, the antialiased edge and the pen's square cap at an end; the
            // rasterizer's faintest traces (an eighth of the line's green) aside.
            astray += qGreen(on.pixel(x, y)) >= 16 &&
                      std::none_of(visible.begin(), visible.end(),
                                   [&](const QLineF& l) { return distance(l, centre) < 2.0; });
        }
    EXPECT_GT(changed, 1000);
    EXPECT_EQ(astray, 0);
}

TEST_F(Frame, ANewFrameKeepsNothingOfTheFrameBefore)
{
    for (bool8& layer : wnd->Values.SMValues.Check)
        layer = 1;
    wnd->Values.Planets = 1;
    Picture();
    Show(Date{8, 12, 2026}, Time{3, 30, 0});
    Trigger(wnd, "zoomIn");
    const QImage after = Picture();
    Trigger(wnd, "return");
    Trigger(wnd, "starMap");
    Show(Date{8, 12, 2026}, Time{3, 30, 0});
    Trigger(wnd, "zoomIn");
    EXPECT_TRUE(after == Picture());
}

TEST_F(Frame, NoTwoNamesOverlapAndNoneCoversTheSunOrTheMoonAtAnyZoom)
{
    for (bool8& layer : wnd->Values.SMValues.Check)
        layer = 1;
    wnd->Values.SMValues.SelectMagn = 6.0f;
    wnd->Values.Planets = 1;
    wnd->Values.Names = 1;
    const struct
    {
        Date date;
        int zoomSteps; // in, or out when negative
        bool transparent;
    } cases[] = {{{7, 12, 2026}, 0, false},  {{7, 12, 2026}, 0, true}, {{24, 12, 2026}, 3, true},
                 {{9, 12, 2026}, 12, false}, {{1, 7, 2026}, -2, true}, {{1, 7, 2026}, 40, true}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.date.Day << "/" << c.date.Month << " zoom "
                                        << c.zoomSteps << " transparent " << c.transparent);
        Trigger(wnd, "normal");
        Show(c.date, Time{20, 0, 0});
        wnd->Values.SMValues.Check[4] = c.transparent;
        for (int i = 0; i < std::abs(c.zoomSteps); ++i)
            Trigger(wnd, c.zoomSteps > 0 ? "zoomIn" : "zoomOut");
        Picture();
        const std::vector<StarMapView::Name>& names = View().Names();
        EXPECT_GT(names.size(), 8u);
        std::vector<labels::Box> discs;
        if (Places().sun.drawn)
            discs.push_back({Places().sun.X() - 2.0, Places().sun.Y() - 2.0, 5, 5});
        if (Places().moon.drawn)
            discs.push_back({Places().moon.X() - 4.0, Places().moon.Y() - 4.0, 9, 9});
        for (size_t i = 0; i < names.size(); ++i)
        {
            for (size_t j = i + 1; j < names.size(); ++j)
                EXPECT_FALSE(labels::Overlaps(names[i].box, names[j].box))
                    << names[i].text.toStdString() << " and " << names[j].text.toStdString();
            for (const labels::Box& disc : discs)
                EXPECT_FALSE(labels::Overlaps(names[i].box, disc)) << names[i].text.toStdString();
        }
    }
}

TEST_F(Frame, NamesUseTheDesktopsFontAndGrowWithTheGlobeUpToTwiceItsSize)
{
    // The compass letter N: its box is a line of the font's height.
    const auto letterHeight = [this]
    {
        Picture();
        for (const StarMapView::Name& name : View().Names())
            if (name.text == QStringLiteral("N"))
                return name.box.height;
        return 0.0;
    };
    const double font = QFontMetricsF(QApplication::font()).height();
    EXPECT_LT(Map().Radius(), 300);
    EXPECT_DOUBLE_EQ(letterHeight(), font);
    double before = font;
    while (IsEnabled(wnd, "zoomIn"))
    {
        Trigger(wnd, "zoomIn");
        const double now = letterHeight();
        EXPECT_GE(now, before);
        before = now;
    }
    EXPECT_GT(before, 1.8 * font);
    EXPECT_LT(before, 2.2 * font);
}

TEST(FrameOfDamagedCatalogue, RandomBytesDrawEveryLayerWithoutFault)
{
    // NaN and infinite angles, constellation numbers out of range and links anywhere: every
    // layer draws, nothing is read or written outside the tables or the picture, and a star
    // without a finite position is never taken as visible.
    testing_support::ScratchDir dir;
    for (const char* name : {"Bitmap", "Sound"})
        dir.LinkRuntime(name);
    testing_support::MessageRecorder messages;
    testing_support::SoundRecorder sounds;
    std::mt19937 random(20261207);
    const auto bytes = [&](size_t n)
    {
        std::string b(n, '\0');
        for (char& c : b)
            c = static_cast<char>(random());
        return b;
    };
    dir.Write("Data/Stars.dat", bytes(49 * 700));
    dir.Write("Data/NGCMess.dat", bytes(50 * 33));
    dir.Write("Data/Solobj.dat", bytes(54 * 9));
    ::Setup values = DefaultSetup();
    values.SMValues = SMSetup{{1, 1, 1, 1, 0}, 1e30f};
    SimClock clock;
    StarMapView view(values, clock);
    view.resize(800, 600);
    ASSERT_TRUE(view.Enter());
    ASSERT_EQ(view.Catalogue().StarCount(), 690);
    for (bool transparent : {false, true})
        for (int lat : {50, 0, 90})
        {
            values.SMValues.Check[4] = transparent;
            values.LocValues.Lat.Degree = static_cast<uint8_t>(lat);
            view.Normal();
            for (int zoom = 0; zoom < 70; zoom += 20)
            {
                view.ShowInstant(ClockInstant(Date{7, 12, 2026}, Time{22, 0, 0}) + 3600 * zoom, 0);
                view.grab();
                for (int i = 0; i < 20; ++i)
                    view.Action("zoomIn")->trigger();
            }
            for (size_t i = 0; i < view.Frame().stars.size(); ++i)
            {
                const Stars& s = view.Catalogue().stars[i];
                if (!std::isfinite(s.RA) || !std::isfinite(s.Dec))
                {
                    EXPECT_FALSE(view.Frame().stars[i].visible) << i;
                }
            }
        }
    view.Leave();
}
} // namespace
