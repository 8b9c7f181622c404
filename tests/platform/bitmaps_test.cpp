// Reading pictures: a picture reads whole, whatever its kind, and a header that claims an
// enormous picture is refused before it can unfold into hundreds of megabytes.
#include "common/TestSupport.h"
#include "platform/Bitmaps.h"

#include <QBuffer>
#include <QImage>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace
{
void Put(std::string& s, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// A Windows bitmap file: the file header, a 40-byte information header, a palette of
// `colours` grey entries and `pixels` as they stand.
std::string Bmp(int32_t width, int32_t height, int bpp, int compression, int colours,
                const std::string& pixels)
{
    std::string info;
    Put(info, 40, 4);
    Put(info, static_cast<uint32_t>(width), 4);
    Put(info, static_cast<uint32_t>(height), 4);
    Put(info, 1, 2);
    Put(info, bpp, 2);
    Put(info, compression, 4);
    Put(info, static_cast<uint32_t>(pixels.size()), 4);
    Put(info, 2835, 4);
    Put(info, 2835, 4);
    Put(info, colours, 4);
    Put(info, 0, 4);
    for (int i = 0; i < colours; ++i)
        Put(info, 0x010101u * static_cast<uint32_t>(i), 4);
    std::string file = "BM";
    Put(file, static_cast<uint32_t>(14 + info.size() + pixels.size()), 4);
    Put(file, 0, 4);
    Put(file, static_cast<uint32_t>(14 + info.size()), 4);
    return file + info + pixels;
}

std::string Png(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::green);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

TEST(ReadPicture, ReadsAPictureWholeOfAnyKindAndRefusesOneThatClaimsToBeEnormousOrIsNone)
{
    // Two rows of two 24-bit pixels, bottom row first, each row padded to four bytes.
    const std::string twoByTwo("\x00\x00\xFF\x00\xFF\x00\x00\x00"
                               "\xFF\x00\x00\xFF\xFF\xFF\x00\x00",
                               16);
    // Run-length rows that claim 20000 x 20000: "repeat 255 times colour 1", then end of file.
    std::string bomb;
    for (int i = 0; i < 200; ++i)
        bomb += std::string("\xFF\x01", 2);
    bomb += std::string("\x00\x01", 2);
    const struct
    {
        const char* what;
        std::string bytes;
        int width, height; // 0 x 0: refused
    } cases[] = {
        {"2 x 2, 24 bits", Bmp(2, 2, 24, 0, 0, twoByTwo), 2, 2},
        {"20000 x 20000 in 400 bytes of runs", Bmp(20000, 20000, 8, 1, 2, bomb), 0, 0},
        {"5000 x 5000, 24 bits, pixels missing", Bmp(5000, 5000, 24, 0, 0, twoByTwo), 0, 0},
        {"40000 x 1, 1 bit", Bmp(40000, 1, 1, 0, 2, std::string(5000, '\x55')), 40000, 1},
        {"a PNG picture under a .bmp name", Png(3, 5), 3, 5},
        {"cut after its headers", Bmp(2, 2, 24, 0, 0, twoByTwo).substr(0, 54), 0, 0},
        {"no picture at all", std::string(300, '\x5a'), 0, 0},
        {"empty", "", 0, 0},
    };
    testing_support::ScratchDir dir;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        dir.Write("Bitmap/Picture.bmp", c.bytes);
        const QImage picture = platform::ReadPicture("Bitmap\\Picture.bmp");
        EXPECT_EQ(picture.size(), QSize(c.width, c.height));
    }
}
} // namespace
