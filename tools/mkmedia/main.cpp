// mkmedia: draws the program's pictures, synthesises its music and assembles its help file.
// Usage: mkmedia RESOURCE_DIR RUNTIME_DIR HELP_SOURCE_DIR
//   RESOURCE_DIR     receives bitmap/, icon/ and cursor/ (compiled into the program)
//   RUNTIME_DIR      receives Bitmap/, Sound/ and Velmoria.hlp (the program's working directory)
//   HELP_SOURCE_DIR  holds the help topics, one <key>.html file each
#include "Generators.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

bool Report(bool ok, const QString& path)
{
    if (!ok)
        std::fprintf(stderr, "mkmedia: cannot write %s\n", qPrintable(path));
    return ok;
}

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: mkmedia RESOURCE_DIR RUNTIME_DIR HELP_SOURCE_DIR\n");
        return 2;
    }
    // Text in pictures needs a font engine, which needs a GUI application; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString resDir = QString::fromLocal8Bit(argv[1]);
    const QString runtimeDir = QString::fromLocal8Bit(argv[2]);
    const QString helpDir = QString::fromLocal8Bit(argv[3]);
    for (const QString& dir : {resDir + "/bitmap", resDir + "/icon", resDir + "/cursor",
                               runtimeDir + "/Bitmap", runtimeDir + "/Sound"})
        if (!QDir().mkpath(dir))
            return Report(false, dir) ? 0 : 1;
    bool ok = MakeSprites(resDir);
    ok = MakeToolbar(resDir) && ok;
    ok = MakePictures(resDir, runtimeDir) && ok;
    ok = MakeWorldMap(QStringLiteral(VELMORIA_DATA_DIR "/earth.jpg"), runtimeDir) && ok;
    ok = MakeMusic(runtimeDir) && ok;
    ok = MakeHelp(helpDir, runtimeDir) && ok;
    ok = MakeStructures(QStringLiteral(VELMORIA_DATA_DIR), runtimeDir) && ok;
    return ok ? 0 : 1;
}
