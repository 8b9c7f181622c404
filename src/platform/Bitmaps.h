// Pictures: pictures read from files by the program's paths, and the program's own bitmap,
// cursor and icon resources.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QRgb>
#include <QVector>

namespace platform
{
// Reads a picture file by the program's path ("Bitmap\Title.bmp"); a null image when it cannot
// be read. A file that claims a picture larger than kMaxDibPixels counts as unreadable: the
// program's pictures are a few hundred pixels across, and a damaged header must not make a few
// bytes unfold into hundreds of megabytes. A ".bmp" file is read as a bitmap straight away;
// only a file that is not one has its kind guessed from its content.
constexpr long long kMaxDibPixels = 4096LL * 4096;
QImage ReadPicture(const char* path);

// The program's bitmap resource with a numeric id (1001) or a name ("Star"); a null image when
// the program has no such resource.
QImage LoadBitmapResource(int id);
QImage LoadBitmapResource(const char* name);

// Cursor resource 103 (animation stopped) or 104 (world map); the arrow when missing.
QCursor LoadCursorResource(int id);

// Icon resource 101 with its large and small pictures.
QIcon LoadIconResource(int id);
} // namespace platform
