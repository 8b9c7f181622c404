// The inner-structure pictures that the Sun, planet and Moon cards stretch into their frames.
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

TEST(StructurePictures, EveryBodyHasASquarePictureTheCardsCanLoad)
{
    // The cards' paths, with '\' turned into '/' as the platform layer does.
    const char* const files[] = {"SunStr",     "MercuryStr", "VenusStr",  "EarthStr",
                                 "MarsStr",    "JupiterStr", "SaturnStr", "UranusStr",
                                 "NeptuneStr", "PlutoStr",   "MoonStr"};
    for (const char* file : files)
    {
        const QString path =
            QStringLiteral(VELMORIA_RUNTIME_DIR "/Bitmap/Struct/%1.bmp").arg(QLatin1String(file));
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << file;
        // The frames are about as wide as high and some 250 to 300 pixels across.
        EXPECT_EQ(image.width(), image.height()) << file;
        EXPECT_GE(image.width(), 200) << file;
        EXPECT_LE(image.width(), 400) << file;
    }
}
