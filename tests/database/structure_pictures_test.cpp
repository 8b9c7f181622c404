// The inner-structure pictures that the Sun, planet and Moon cards stretch into their frames.
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

TEST(StructurePictures, EveryBodyHasAPictureOfItsCardFramesShape)
{
    struct Case
    {
        const char* file;
        double aspect; // width / height of the frame the card stretches the picture into
    };
    // The Sun card's frame is 167 x 153 dialog units, the Moon card's 145 x 131; the planet
    // card's is square. The paths are the cards', with '\' turned into '/'.
    const Case cases[] = {
        {"SunStr", 167.0 / 153.0}, {"MercuryStr", 1.0},        {"VenusStr", 1.0},
        {"EarthStr", 1.0},         {"MarsStr", 1.0},           {"JupiterStr", 1.0},
        {"SaturnStr", 1.0},        {"UranusStr", 1.0},         {"NeptuneStr", 1.0},
        {"PlutoStr", 1.0},         {"MoonStr", 145.0 / 131.0},
    };
    for (const Case& c : cases)
    {
        const QString path =
            QStringLiteral(VELMORIA_RUNTIME_DIR "/Bitmap/Struct/%1.bmp").arg(QLatin1String(c.file));
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << c.file;
        EXPECT_NEAR(double(image.width()) / image.height(), c.aspect, 0.02) << c.file;
        EXPECT_GE(image.height(), 200) << c.file;
        EXPECT_LE(image.height(), 300) << c.file;
    }
}
