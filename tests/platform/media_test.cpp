// The generated artwork, music and help file: sizes, sprite masks, sprite patterns, loop seams
// and the help file's topics.
#include "starmap/ConstName.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace
{
const QString kRuntime = QStringLiteral(VELMORIA_RUNTIME_DIR);

QImage Resource(const QString& name)
{
    return QImage(QStringLiteral(":/") + name).convertToFormat(QImage::Format_RGB32);
}

bool IsBlack(QRgb p)
{
    return (p & 0xFFFFFF) == 0;
}
bool IsWhite(QRgb p)
{
    return (p & 0xFFFFFF) == 0xFFFFFF;
}

int DistinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

TEST(MediaSprites, SolarSystemSpritesHaveTheirSizesAndMasksExactlyComplementThem)
{
    const struct
    {
        int id;
        int size;
    } sprites[] = {{1001, 11}, {1002, 4}, {1003, 6}, {1004, 7}, {1005, 5}, {1006, 9},
                   {1007, 9},  {1008, 8}, {1009, 8}, {1010, 4}, {1011, 3}};
    for (const auto& s : sprites)
    {
        SCOPED_TRACE(s.id);
        const QImage raw(QString(":/bitmap/%1.bmp").arg(s.id));
        ASSERT_FALSE(raw.isNull());
        EXPECT_LE(raw.depth(), 8) << "sprites are palettised, 256 colours at most";
        const QImage sprite = raw.convertToFormat(QImage::Format_RGB32);
        const QImage mask = Resource(QString("bitmap/%1.bmp").arg(s.id + 100));
        ASSERT_FALSE(mask.isNull());
        ASSERT_EQ(sprite.size(), QSize(s.size, s.size));
        ASSERT_EQ(mask.size(), sprite.size());
        int opaque = 0;
        for (int y = 0; y < s.size; ++y)
            for (int x = 0; x < s.size; ++x)
            {
                const QRgb m = mask.pixel(x, y);
                ASSERT_TRUE(IsBlack(m) || IsWhite(m)) << "mask pixel " << x << "," << y;
                // AND with the mask, then OR with the sprite, must leave the background
                // untouched exactly where the sprite is black.
                EXPECT_EQ(IsWhite(m), IsBlack(sprite.pixel(x, y))) << x << "," << y;
                opaque += IsBlack(m);
            }
        EXPECT_GE(opaque, s.size * s.size / 3) << "the body fills a good part of its square";
    }
}

TEST(MediaSprites, StarMapSpritesDrawTheirPatterns)
{
    const struct
    {
        const char* name;
        std::vector<const char*> rows;
    } patterns[] = {{"Star", {"1111"}},
                    {"Sun", {"01110", "11111", "11111", "11111", "01110"}},
                    {"Moon", {"01110", "11111", "11111", "11111", "01110"}},
                    {"NGCMess", {"01110", "10011", "11001", "01110"}}};
    for (const auto& p : patterns)
    {
        SCOPED_TRACE(p.name);
        const QImage image = Resource(QString("bitmap/%1.bmp").arg(p.name));
        ASSERT_EQ(image.size(), QSize(int(std::strlen(p.rows[0])), int(p.rows.size())));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                EXPECT_EQ(!IsBlack(image.pixel(x, y)), p.rows[y][x] == '1') << x << "," << y;
    }
    const QRgb sun = Resource("bitmap/Sun.bmp").pixel(1, 2);
    EXPECT_TRUE(qRed(sun) > 200 && qGreen(sun) > 180 && qBlue(sun) < 120) << "the Sun is yellow";
    const QImage moon = Resource("bitmap/Moon.bmp");
    const QImage ngc = Resource("bitmap/NGCMess.bmp");
    const QImage star = Resource("bitmap/Star.bmp");
    for (const QImage* image : {&moon, &ngc, &star})
        for (int y = 0; y < image->height(); ++y)
            for (int x = 0; x < image->width(); ++x)
                EXPECT_TRUE(IsBlack(image->pixel(x, y)) || IsWhite(image->pixel(x, y)));
}

TEST(MediaSprites, MarkersAreDrawnOnABlackGroundForOring)
{
    const QImage label = Resource("bitmap/SkyLabel.bmp");
    ASSERT_EQ(label.size(), QSize(32, 32));
    for (int y = 13; y <= 18; ++y)
        for (int x = 13; x <= 18; ++x)
            EXPECT_TRUE(IsBlack(label.pixel(x, y))) << x << "," << y;
    EXPECT_TRUE(IsBlack(label.pixel(0, 0)));
    int bright = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            bright += qRed(label.pixel(x, y)) > 200;
    EXPECT_GT(bright, 40);

    const QImage place = Resource("bitmap/LocationLabel.bmp");
    ASSERT_EQ(place.size(), QSize(14, 14));
    EXPECT_TRUE(IsBlack(place.pixel(0, 0)) && IsBlack(place.pixel(13, 13)));
    EXPECT_FALSE(IsBlack(place.pixel(7, 7))) << "the chosen place itself is marked";
}

TEST(MediaPictures, ToolbarButtonsAreDrawnSymbolsOfTwentyFourPixels)
{
    const int ids[] = {301, 302, 303, 305, 373, 374, 375, 376, 400, 403, 404, 405,
                       406, 407, 408, 409, 501, 502, 509, 510, 701, 801, 802, 803,
                       804, 805, 806, 807, 808, 809, 810, 811, 812, 813, 814};
    for (int id : ids)
    {
        SCOPED_TRACE(id);
        const QImage button = Resource(QString("bitmap/%1.bmp").arg(id));
        ASSERT_EQ(button.size(), QSize(24, 24));
        EXPECT_EQ(button.pixel(0, 23) & 0xFFFFFF, 0xC0C0C0u) << "button face in the corner";
        EXPECT_GE(DistinctColours(button), 12) << "a drawn symbol, not a flat square";
    }
}

TEST(MediaPictures, TitleStripsIconAndCursorsHaveTheirSizes)
{
    for (int id = 1201; id <= 1212; ++id)
    {
        SCOPED_TRACE(id);
        const QImage strip = Resource(QString("bitmap/%1.bmp").arg(id));
        EXPECT_EQ(strip.size(), id <= 1206 ? QSize(160, 32) : QSize(120, 22));
    }
    EXPECT_EQ(Resource("bitmap/102.bmp").size(), QSize(320, 120));
    const struct
    {
        const char* name;
        int size;
    } icons[] = {{"icon/101.png", 32},
                 {"icon/101-16.png", 16},
                 {"cursor/103.png", 32},
                 {"cursor/104.png", 32}};
    for (const auto& i : icons)
    {
        SCOPED_TRACE(i.name);
        const QImage image(QString(":/") + i.name);
        ASSERT_EQ(image.size(), QSize(i.size, i.size));
        EXPECT_TRUE(image.hasAlphaChannel());
    }
    for (const char* cursor : {"cursor/103.png", "cursor/104.png"})
    {
        const QImage image = QImage(QString(":/") + cursor).convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(image.pixel(16, 16)), 255) << cursor << ": the hot spot is marked";
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << cursor << ": transparent around the symbol";
    }
}

double MeanLuminance(const QImage& image, int top, int bottom)
{
    double sum = 0.0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / ((bottom - top) * image.width());
}

TEST(MediaPictures, TitleAndBackgroundPicturesAreInTheWorkingDirectory)
{
    const QImage title(kRuntime + "/Bitmap/Title.bmp");
    ASSERT_EQ(title.size(), QSize(640, 480));
    // The buttons sit along the bottom edge: that band stays darker than the picture above.
    EXPECT_LT(MeanLuminance(title, 430, 480), MeanLuminance(title, 0, 430));
    const QImage background(kRuntime + "/Bitmap/BackGnd.bmp");
    EXPECT_EQ(background.size(), QSize(600, 400));
}

struct Wav
{
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples; // interleaved
};

std::uint32_t Le(const QByteArray& b, int at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | std::uint8_t(b[at + i]);
    return v;
}

// Reads a PCM WAV file chunk by chunk; false when it is not one.
bool ReadWav(const QString& path, Wav& wav)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray b = file.readAll();
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE")
        return false;
    int at = 12;
    while (at + 8 <= b.size())
    {
        const QByteArray id = b.mid(at, 4);
        const std::uint32_t size = Le(b, at + 4, 4);
        if (size > std::uint32_t(b.size() - at - 8))
            return false;
        if (id == "fmt " && size >= 16)
        {
            if (Le(b, at + 8, 2) != 1)
                return false;
            wav.channels = int(Le(b, at + 10, 2));
            wav.rate = int(Le(b, at + 12, 4));
            wav.bits = int(Le(b, at + 22, 2));
        }
        else if (id == "data")
        {
            wav.samples.resize(size / 2);
            for (std::size_t i = 0; i < wav.samples.size(); ++i)
                wav.samples[i] = std::int16_t(Le(b, at + 8 + int(2 * i), 2));
        }
        at += 8 + int(size) + int(size & 1);
    }
    return wav.channels > 0 && wav.rate > 0 && !wav.samples.empty();
}

TEST(MediaMusic, EveryPieceLoopsWithoutAClickAndStaysBelowFullScale)
{
    for (const char* piece : {"Title", "Main", "SolarSystem", "StarMap", "DataBase", "Video"})
    {
        SCOPED_TRACE(piece);
        Wav wav;
        ASSERT_TRUE(ReadWav(kRuntime + "/Sound/" + piece + ".wav", wav));
        ASSERT_EQ(wav.bits, 16);
        ASSERT_TRUE(wav.channels == 1 || wav.channels == 2);
        const std::size_t frames = wav.samples.size() / wav.channels;
        const double seconds = double(frames) / wav.rate;
        EXPECT_GE(seconds, 20.0);
        EXPECT_LE(seconds, 40.0);
        for (int c = 0; c < wav.channels; ++c)
        {
            auto at = [&](std::size_t frame) { return int(wav.samples[frame * wav.channels + c]); };
            // The step from the last sample back to the first must look like the steps just
            // before and after it (not touching either end sample); a click is far larger.
            int neighbours = 0;
            for (std::size_t i = 1; i <= 64; ++i)
            {
                neighbours = std::max(neighbours, std::abs(at(i + 1) - at(i)));
                neighbours =
                    std::max(neighbours, std::abs(at(frames - 2 - i) - at(frames - 3 - i)));
            }
            const int seam = std::abs(at(0) - at(frames - 1));
            EXPECT_LE(seam, std::max(2 * neighbours, 300)) << "channel " << c;
            double mean = 0.0;
            int peak = 0;
            for (std::size_t i = 0; i < frames; ++i)
            {
                mean += at(i);
                peak = std::max(peak, std::abs(at(i)));
            }
            mean /= double(frames);
            EXPECT_LT(std::fabs(mean), 50.0) << "no DC offset";
            EXPECT_LT(peak, 32000) << "no clipping";
            EXPECT_GT(peak, 32768 / 4) << "not too quiet";
        }
    }
}

QString ReadHelp()
{
    QFile file(kRuntime + "/Velmoria.hlp");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

TEST(MediaHelp, HelpFileHoldsEveryTopicTheProgramOpensAndLinksOnlyToThem)
{
    const QString help = ReadHelp();
    ASSERT_FALSE(help.isEmpty());
    EXPECT_TRUE(help.startsWith("VELMORIA HELP 1\n"));
    QStringList keys;
    const QRegularExpression marker("^@@topic (\\S+)$", QRegularExpression::MultilineOption);
    for (auto it = marker.globalMatch(help); it.hasNext();)
        keys << it.next().captured(1);
    QStringList wanted = {"contents", "helponhelp"};
    for (int context = 9001; context <= 9018; ++context)
        wanted << QString::number(context);
    for (const QString& key : wanted)
        EXPECT_EQ(keys.count(key), 1) << qPrintable(key);
    const QRegularExpression link("href=\"topic:([^\"]+)\"");
    QSet<QString> linked;
    for (auto it = link.globalMatch(help); it.hasNext();)
    {
        const QString target = it.next().captured(1);
        EXPECT_TRUE(keys.contains(target)) << "dangling link to " << qPrintable(target);
        linked.insert(target);
    }
    for (const QString& key : wanted)
    {
        if (key != "contents")
        {
            EXPECT_TRUE(linked.contains(key)) << qPrintable(key) << " is reachable";
        }
    }
    EXPECT_FALSE(help.contains("<!--")) << "no placeholder left unexpanded";
}

TEST(MediaHelp, ConstellationIndexListsEveryConstellationOfTheProgram)
{
    const QString help = ReadHelp();
    const int start = help.indexOf("@@topic 9016\n");
    ASSERT_GE(start, 0);
    const int end = help.indexOf("\n@@topic", start + 1);
    const QString page = help.mid(start, end < 0 ? -1 : end - start);
    for (int k = 1; k <= kConstellationCount; ++k)
    {
        const QString row = QString("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                                .arg(k)
                                .arg(ConstName[2 * (k - 1) + 1])
                                .arg(QString(ConstName[2 * (k - 1)]).toHtmlEscaped());
        EXPECT_TRUE(page.contains(row)) << qPrintable(row);
    }
    // Spot checks against the IAU's names (the three once misspelt) and the two halves of
    // Serpens.
    EXPECT_TRUE(page.contains("<td>33</td><td>PSA</td><td>Piscis Austrinus</td>"));
    EXPECT_TRUE(page.contains("<td>34</td><td>CRA</td><td>Corona Australis</td>"));
    EXPECT_TRUE(page.contains("<td>61</td><td>PUP</td><td>Puppis</td>"));
    EXPECT_TRUE(page.contains("<td>79</td><td>SER</td><td>Serpens (Cauda)</td>"));
    EXPECT_TRUE(page.contains("<td>80</td><td>SER</td><td>Serpens (Caput)</td>"));
}
} // namespace
