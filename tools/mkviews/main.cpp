// mkviews: makes the pictures of the object viewer and the films of the video window.
// Usage: mkviews SOURCE_DIR RUNTIME_DIR
//   SOURCE_DIR   data/media: surface maps and photographs (see CREDITS.md)
//   RUNTIME_DIR  receives Bitmap/Solar, Bitmap/Galaxy, Bitmap/Nebula and Video/
#include "Media.h"

#include <QGuiApplication>
#include <cstdio>

bool Report(bool ok, const char* what, const QString& path)
{
    if (!ok)
        std::fprintf(stderr, "mkviews: cannot %s %s\n", what, qPrintable(path));
    return ok;
}

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: mkviews SOURCE_DIR RUNTIME_DIR\n");
        return 2;
    }
    // The credit lines need a font engine, which needs a GUI application; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dataDir = QString::fromLocal8Bit(argv[1]);
    const QString runtimeDir = QString::fromLocal8Bit(argv[2]);
    bool ok = MakeViews(dataDir, runtimeDir);
    ok = MakeFilms(dataDir, runtimeDir) && ok;
    return ok ? 0 : 1;
}
