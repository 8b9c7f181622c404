// Feeds arbitrary bytes to the picture reader as a ".bmp" file, then does with the picture
// what the program does with its pictures: a stretched copy into a frame (title, viewer, structure pictures, world map), a centred copy (the background
// picture), and the world map's rectangle, degrees and marker for the picture's size.
#include <QGuiApplication>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "platform/Bitmaps.h"
#include "starmap/LocationMap.h"

namespace
{
std::string gPath;
volatile int gSink;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Image readers need the application object; it lives as long as the process.
    new QGuiApplication(*argc, *argv);
    char dir[] = "/tmp/velmoria-picture-fuzz-XXXXXX";
    if (!mkdtemp(dir))
        std::abort();
    gPath = std::string(dir) + "/Picture.bmp";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::FILE* f = std::fopen(gPath.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    const QImage picture = platform::ReadPicture(gPath.c_str());
    if (picture.isNull())
        return 0;
    const int w = picture.width();
    const int h = picture.height();

    // Drawn as the views draw pictures: scaled into a frame, and at its own size centred.
    QImage frame(97, 61, QImage::Format_RGB32);
    QImage window(160, 120, QImage::Format_RGB32);
    frame.fill(Qt::black);
    window.fill(Qt::black);
    {
        QPainter scaled(&frame);
        scaled.drawImage(frame.rect(), picture);
        QPainter centred(&window);
        centred.drawImage(QPoint(window.width() / 2 - w / 2, window.height() / 2 - h / 2), picture);
    }
    gSink = static_cast<int>(frame.pixel(48, 30) ^ window.pixel(80, 60));

    if (w > 0 && h > 0)
    {
        const locmap::MapRect map = locmap::MapRectFor(5, 5, 487, 253, w, h);
        if (locmap::IsUsable(map))
            for (const auto& [px, py] : {std::pair{map.x1, map.y1}, std::pair{map.xm, map.ym},
                                         std::pair{map.x2, map.y2}})
            {
                const locmap::Degrees d = locmap::PointToDegrees(map, px, py);
                const locmap::Point p = locmap::DegreesToMarker(map, d);
                gSink = p.x + p.y;
            }
    }
    return 0;
}
