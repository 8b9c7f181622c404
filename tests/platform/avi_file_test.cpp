// The film reader: films as the generator writes them, films laid out in the other ways the file
// format allows, and cut, damaged and foreign files.
#include "Avi.h"
#include "AviSamples.h"
#include "platform/AviFile.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace avi_samples;
using platform::AviFilm;
using platform::AviStatus;
using platform::FourCC;

namespace
{
const std::vector<std::string> kWrittenFrames = {"first", "second!", "3rd"};

// A 320 x 240 film at 15 frames per second by the film generator; its frames are odd-sized, so
// each is followed by a pad byte.
std::string WrittenFilm(const std::vector<std::string>& frames = kWrittenFrames)
{
    AviWriter writer(320, 240, 15);
    for (const std::string& f : frames)
        writer.AddFrame(QByteArray::fromStdString(f));
    return writer.Bytes().toStdString();
}

std::string Put32(std::string bytes, size_t at, uint32_t value)
{
    std::memcpy(&bytes[at], &value, sizeof value);
    return bytes;
}

std::string ReplaceAll(std::string bytes, const std::string& from, const std::string& to)
{
    for (size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + 1))
        bytes.replace(at, from.size(), to);
    return bytes;
}

std::string HandMade(const std::string& streams, const std::string& movi, uint32_t width = 64,
                     uint32_t height = 48, uint32_t microSecPerFrame = 100000)
{
    return Riff(List("hdrl", MainHeader(width, height, microSecPerFrame, 1) + streams) +
                List("movi", movi));
}

// Every frame lies inside the file; each one's bytes as a list.
std::vector<std::string> FrameBytes(const std::string& file, const AviFilm& film)
{
    std::vector<std::string> frames;
    for (const platform::AviFrame& f : film.Frames)
    {
        EXPECT_GE(f.Offset, 0);
        EXPECT_LE(f.Offset + int64_t(f.Size), int64_t(file.size()));
        if (f.Offset >= 0 && f.Offset + int64_t(f.Size) <= int64_t(file.size()))
            frames.push_back(file.substr(size_t(f.Offset), f.Size));
    }
    return frames;
}
} // namespace

TEST(AviFile, ReadsTheFramesOfAFilmLaidOutInAnyWayTheFormatAllowsAndOfACutFilm)
{
    const std::string written = WrittenFilm();
    const size_t third = written.find("3rd");
    const uint32_t mjpg = FourCC("MJPG");
    const std::string strh48 = [&]
    {
        platform::AviStreamHeader strh{};
        strh.Type = FourCC("vids");
        strh.Rate = 25;
        strh.Scale = 2;
        return Chunk("strh", Bytes(strh).substr(0, 48));
    }();
    const std::string pixels(4 * 3 * 2, '\x40'); // 4 x 2 pixels, 24 bits, rows of 12 bytes
    const struct
    {
        const char* what;
        std::string bytes;
        int width, height;
        uint32_t codec, rate, scale;
        bool sound;
        std::vector<std::string> frames;
    } cases[] = {
        {"as the generator writes it", written, 320, 240, mjpg, 15, 1, false, kWrittenFrames},
        {"without its index", written.substr(0, written.find("idx1")), 320, 240, mjpg, 15, 1, false,
         kWrittenFrames},
        {"with RIFF and movi sizes far beyond the file",
         Put32(Put32(written, 4, 0x7FFFFFF0), written.find("movi") - 4, 0x7FFFFFF0), 320, 240, mjpg,
         15, 1, false, kWrittenFrames},
        {"cut inside its third frame",
         written.substr(0, third + 1),
         320,
         240,
         mjpg,
         15,
         1,
         false,
         {"first", "second!"}},
        {"with JUNK, an index chunk and a LIST rec among its frames",
         HandMade(VideoStream(64, 48, mjpg, 10, 1),
                  Chunk("JUNK", "xyz") + Chunk("00dc", "a") +
                      List("rec ", Chunk("00dc", "bb") + Chunk("JUNK", "") + Chunk("00dc", "ccc")) +
                      Chunk("ix00", "0123") + Chunk("00dc", "dddd")) +
             Chunk("JUNK", std::string(13, '\0')),
         64,
         48,
         mjpg,
         10,
         1,
         false,
         {"a", "bb", "ccc", "dddd"}},
        {"with a sound stream before its video",
         HandMade(SoundStream() + VideoStream(64, 48, mjpg, 10, 1),
                  Chunk("00wb", "snd") + Chunk("01dc", "p1") + Chunk("00wb", "sound") +
                      Chunk("01dc", "p2")),
         64,
         48,
         mjpg,
         10,
         1,
         true,
         {"p1", "p2"}},
        {"whose stream header lacks the frame rectangle, and no format",
         HandMade(List("strl", strh48), Chunk("00dc", "x")),
         64,
         48,
         0,
         25,
         2,
         false,
         {"x"}},
        {"whose stream gives no rate: the film's time per frame counts",
         HandMade(VideoStream(64, 48, mjpg, 0, 0), Chunk("00dc", "x"), 64, 48, 66666),
         64,
         48,
         mjpg,
         1000000,
         66666,
         false,
         {"x"}},
        {"whose format gives no size: the film's header does",
         HandMade(VideoStream(0, 0, mjpg, 10, 1), Chunk("00dc", "x"), 32, 16),
         32,
         16,
         mjpg,
         10,
         1,
         false,
         {"x"}},
        {"uncompressed, rows stored top first, with an empty frame",
         Film(4, -2, platform::kBiRgb, 5, {pixels, "", pixels}),
         4,
         2,
         platform::kBiRgb,
         5,
         1,
         false,
         {pixels, "", pixels}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        AviFilm film;
        ASSERT_EQ(Read(c.bytes, film), AviStatus::Ok);
        EXPECT_EQ(film.Width, c.width);
        EXPECT_EQ(film.Height, c.height);
        EXPECT_EQ(film.Codec, c.codec);
        EXPECT_EQ(film.Rate, c.rate);
        EXPECT_EQ(film.Scale, c.scale);
        EXPECT_EQ(film.HasSound, c.sound);
        EXPECT_EQ(FrameBytes(c.bytes, film), c.frames);
    }
}

TEST(AviFile, RefusesWhatIsNoPlayableFilmAndSaysWhy)
{
    const std::string written = WrittenFilm();
    const uint32_t mjpg = FourCC("MJPG");
    const struct
    {
        const char* what;
        std::string bytes;
        AviStatus status;
    } cases[] = {
        {"an empty file", "", AviStatus::NotAvi},
        {"a RIFF header cut short", written.substr(0, 10), AviStatus::NotAvi},
        {"a RIFF file of another form", ReplaceAll(written, "AVI ", "WAVE"), AviStatus::NotAvi},
        {"a film cut inside its headers", written.substr(0, written.find("avih") + 20),
         AviStatus::Damaged},
        {"no picture size anywhere", HandMade(VideoStream(0, 0, mjpg, 10, 1), "", 0, 0),
         AviStatus::Damaged},
        {"a picture larger than any screen",
         HandMade(VideoStream(20000, 10, mjpg, 10, 1), Chunk("00dc", "x"), 20000, 10),
         AviStatus::Damaged},
        {"a stream of text instead of video", ReplaceAll(written, "vids", "txts"),
         AviStatus::NoVideo},
        {"no frame rate anywhere",
         HandMade(VideoStream(64, 48, mjpg, 0, 0), Chunk("00dc", "x"), 64, 48, 0),
         AviStatus::NoFrameRate},
        {"a film without frames", WrittenFilm({}), AviStatus::NoFrames},
        {"a film of empty frames only", WrittenFilm({"", ""}), AviStatus::NoFrames},
        {"frames of a stream that is not there", ReplaceAll(written, "00dc", "01dc"),
         AviStatus::NoFrames},
        {"a first frame whose size runs past the end",
         Put32(written, written.find("00dc") + 4, 0x7FFFFFF0), AviStatus::NoFrames},
        {"a film cut before its frames", written.substr(0, written.find("movi") - 8),
         AviStatus::NoFrames},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        AviFilm film;
        EXPECT_EQ(Read(c.bytes, film), c.status);
    }
}

// Every cut of the film and every byte of it spoilt: whatever the reader makes of it, each frame
// it gives lies inside the file and there are no more frames than chunk headers would fit.
TEST(AviFile, NoCutOrSpoiltByteMakesAFrameReachOutsideTheFile)
{
    const std::string films[] = {
        WrittenFilm(),
        HandMade(SoundStream() + VideoStream(64, -48, platform::kBiRgb, 10, 1, 8, "palette!"),
                 Chunk("01db", "a") + List("rec ", Chunk("00wb", "bb") + Chunk("01db", "ccc")) +
                     Chunk("JUNK", "") + Chunk("01db", "dddd")),
    };
    int readable = 0;
    for (const std::string& original : films)
    {
        std::vector<std::string> variants;
        for (size_t n = 0; n < original.size(); ++n)
            variants.push_back(original.substr(0, n));
        for (size_t at = 0; at < original.size(); ++at)
            for (const char spoilt : {'\xFF', '\x00', '\x80'})
            {
                std::string v = original;
                v[at] = spoilt;
                variants.push_back(v);
            }
        for (const std::string& v : variants)
        {
            AviFilm film;
            if (Read(v, film) == AviStatus::Ok)
                ++readable;
            EXPECT_LE(film.Frames.size(), v.size() / 8);
            EXPECT_LE(film.Format.size(), platform::kAviMaxFormat);
            for (const platform::AviFrame& f : film.Frames)
                ASSERT_TRUE(f.Offset >= 0 && f.Offset + int64_t(f.Size) <= int64_t(v.size()))
                    << "frame at " << f.Offset << ", " << f.Size << " bytes, of a file of "
                    << v.size();
        }
    }
    EXPECT_GT(readable, 100) << "most single spoilt bytes leave a playable film";
}
