// Every picture, film, sound and help page that the program names is in the working directory
// that the build makes, in a form the program can read.
#include "platform/Help.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace
{
const QString kRuntime = QStringLiteral(VELMORIA_RUNTIME_DIR);

QString Native(const char* path)
{
    return kRuntime + "/" + QString::fromLatin1(path).replace('\\', '/');
}

enum class Kind
{
    Picture,
    Film,
    Sound,
    HelpTopic
};
} // namespace

TEST(RuntimeMedia, EveryPictureFilmSoundAndHelpPageTheProgramNamesIsThere)
{
    const struct
    {
        Kind kind;
        const char* name;
    } items[] = {
        {Kind::Picture, "Bitmap\\Solar\\SunV1.bmp"},
        {Kind::Picture, "Bitmap\\Solar\\MercuryV1.bmp"},
        {Kind::Picture, "Bitmap\\Solar\\VenusV1.bmp"},
        {Kind::Picture, "Bitmap\\Solar\\EarthV1.bmp"},
        {Kind::Picture, "Bitmap\\Solar\\MarsV1.bmp"},
        {Kind::Picture, "Bitmap\\Solar\\JupiterV1.bmp"},
        {Kind::Picture, "Bitmap\\Solar\\SaturnV1.bmp"},
        {Kind::Picture, "Bitmap\\Solar\\UranusV1.bmp"},
        {Kind::Picture, "Bitmap\\Solar\\NeptuneV1.bmp"},
        {Kind::Picture, "Bitmap\\Solar\\PlutoV1.bmp"},
        {Kind::Picture, "Bitmap\\Solar\\MoonV1.bmp"},
        {Kind::Picture, "Bitmap\\Galaxy\\Galaxy1.bmp"},
        {Kind::Picture, "Bitmap\\Galaxy\\Galaxy2.bmp"},
        {Kind::Picture, "Bitmap\\Galaxy\\Galaxy3.bmp"},
        {Kind::Picture, "Bitmap\\Galaxy\\Galaxy4.bmp"},
        {Kind::Picture, "Bitmap\\Galaxy\\Galaxy5.bmp"},
        {Kind::Picture, "Bitmap\\Galaxy\\Galaxy6.bmp"},
        {Kind::Picture, "Bitmap\\Galaxy\\Galaxy7.bmp"},
        {Kind::Picture, "Bitmap\\Nebula\\Nebula1.bmp"},
        {Kind::Picture, "Bitmap\\Nebula\\Nebula2.bmp"},
        {Kind::Picture, "Bitmap\\Nebula\\Nebula3.bmp"},
        {Kind::Picture, "Bitmap\\Nebula\\Nebula4.bmp"},
        {Kind::Picture, "Bitmap\\Nebula\\Nebula5.bmp"},
        {Kind::Picture, "Bitmap\\Nebula\\Nebula6.bmp"},
        {Kind::Picture, "Bitmap\\Nebula\\Nebula7.bmp"},
        {Kind::Picture, "Bitmap\\Nebula\\Nebula8.bmp"},
        {Kind::Picture, "Bitmap\\Nebula\\Nebula9.bmp"},
        {Kind::Picture, "Bitmap\\Nebula\\Nebula10.bmp"},
        {Kind::Film, "Video\\Sun.avi"},
        {Kind::Film, "Video\\Venus.avi"},
        {Kind::Film, "Video\\Earth.avi"},
        {Kind::Film, "Video\\Mars.avi"},
        {Kind::Film, "Video\\Jupiter.avi"},
        {Kind::Film, "Video\\Saturn.avi"},
        {Kind::Film, "Video\\Neptune.avi"},
        {Kind::Film, "Video\\Moon.avi"},
        {Kind::Sound, "Sound\\Video.wav"},
        {Kind::Sound, "Sound\\DataBase.wav"},
        {Kind::HelpTopic, "contents"},
        {Kind::HelpTopic, "helponhelp"},
        {Kind::HelpTopic, "9001"},
        {Kind::HelpTopic, "9002"},
        {Kind::HelpTopic, "9003"},
        {Kind::HelpTopic, "9004"},
        {Kind::HelpTopic, "9005"},
        {Kind::HelpTopic, "9006"},
        {Kind::HelpTopic, "9007"},
        {Kind::HelpTopic, "9008"},
        {Kind::HelpTopic, "9009"},
        {Kind::HelpTopic, "9010"},
        {Kind::HelpTopic, "9011"},
        {Kind::HelpTopic, "9012"},
        {Kind::HelpTopic, "9013"},
        {Kind::HelpTopic, "9014"},
        {Kind::HelpTopic, "9015"},
        {Kind::HelpTopic, "9016"},
        {Kind::HelpTopic, "9017"},
        {Kind::HelpTopic, "9018"},
    };
    std::ifstream help((kRuntime + "/Velmoria.hlp").toStdString(), std::ios::binary);
    std::stringstream text;
    text << help.rdbuf();
    const auto topics = platform::ParseHelpFile(text.str());
    for (const auto& item : items)
    {
        SCOPED_TRACE(item.name);
        const QString path = Native(item.name);
        switch (item.kind)
        {
        case Kind::Picture:
        {
            // A 256-colour picture with its own palette, made at the viewer's frame size.
            QImageReader reader(path);
            EXPECT_EQ(reader.format(), "bmp");
            const QImage image = reader.read();
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), QSize(512, 384));
            EXPECT_EQ(image.format(), QImage::Format_Indexed8);
            EXPECT_LE(image.colorCount(), 256);
            EXPECT_GE(image.colorCount(), 32) << "a picture, not a blank";
            break;
        }
        case Kind::Film:
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray head = file.read(4096);
            EXPECT_TRUE(head.startsWith("RIFF"));
            EXPECT_EQ(head.mid(8, 4), "AVI ");
            EXPECT_TRUE(head.contains("MJPG")) << "Motion-JPEG";
            EXPECT_GT(file.size(), 100000) << "a film of many frames";
            break;
        }
        case Kind::Sound:
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray head = file.read(12);
            EXPECT_TRUE(head.startsWith("RIFF"));
            EXPECT_EQ(head.mid(8, 4), "WAVE");
            break;
        }
        case Kind::HelpTopic:
        {
            const auto it = topics.find(item.name);
            ASSERT_NE(it, topics.end());
            EXPECT_GT(it->second.size(), 400u) << "a real page";
            EXPECT_NE(it->second.find("<h1>"), std::string::npos);
            break;
        }
        }
    }
}

TEST(RuntimeMedia, EveryLinkOfTheHelpFileLeadsToAPageOfIt)
{
    std::ifstream help((kRuntime + "/Velmoria.hlp").toStdString(), std::ios::binary);
    std::stringstream text;
    text << help.rdbuf();
    const auto topics = platform::ParseHelpFile(text.str());
    ASSERT_FALSE(topics.empty());
    int links = 0;
    for (const auto& [key, body] : topics)
    {
        size_t at = 0;
        while ((at = body.find("href=\"", at)) != std::string::npos)
        {
            at += 6;
            const std::string target = body.substr(at, body.find('"', at) - at);
            SCOPED_TRACE(key + " -> " + target);
            ASSERT_EQ(target.rfind("topic:", 0), 0u) << "links stay inside the help file";
            EXPECT_NE(topics.find(target.substr(6)), topics.end());
            ++links;
        }
    }
    EXPECT_GT(links, 50);
}
