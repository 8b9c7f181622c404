// The parts of the viewer and film generator. Each writes its files under the working
// directory `runtimeDir` and returns false, after printing the failing path, when a file cannot
// be read or written.
#pragma once

#include "Globe.h"

#include <QImage>
#include <QString>

// The 28 pictures of the object viewer: Bitmap/Solar, Bitmap/Galaxy and Bitmap/Nebula.
bool MakeViews(const QString& dataDir, const QString& runtimeDir);
// The films of the Sun, the planets and the Moon: Video/*.avi.
bool MakeFilms(const QString& dataDir, const QString& runtimeDir);

// The bodies with a globe, in the viewer's order.
enum class Globe
{
    Sun,
    Mercury,
    Venus,
    Earth,
    Mars,
    Jupiter,
    Saturn,
    Uranus,
    Neptune,
    Pluto,
    Moon
};

// The surface map of a globe: from data/media for the Earth, Mars and the Moon, painted for
// the others. A null map when a source image cannot be read.
SurfaceMap GlobeMap(Globe globe, const QString& dataDir, int width);
// How the globe is turned and lit in the pictures and films.
GlobeLook GlobeLookOf(Globe globe);

// Prints "mkviews: cannot write <path>" (or read) and returns false when `ok` is false.
bool Report(bool ok, const char* what, const QString& path);
