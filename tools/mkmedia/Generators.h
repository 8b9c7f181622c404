// The media generator's parts. Each writes its files below the given directories (which must
// exist) and returns false, after printing the failing path to stderr, when a file cannot be
// written.
#pragma once

#include <QString>

// Solar System and Star Map sprites and masks, the sky marker, the cursors and the icon, and
// the icon at the desktop's sizes under resDir/hicolor/<n>x<n>/apps/velmoria.png.
bool MakeSprites(const QString& resDir);
constexpr int kDesktopIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
// The toolbar button pictures.
bool MakeToolbar(const QString& resDir);
// The About picture, the dialog and card title strips, the title and main-screen pictures.
bool MakePictures(const QString& resDir, const QString& runtimeDir);
// The location dialog's world map, from the equirectangular Earth picture `sourcePicture`.
bool MakeWorldMap(const QString& sourcePicture, const QString& runtimeDir);
// The six looping music pieces.
bool MakeMusic(const QString& runtimeDir);
// The inner-structure pictures Bitmap/Struct/<Body>Str.bmp of the Sun, the nine planets and the
// Moon, drawn from the layer tables in `dataDir`.
bool MakeStructures(const QString& dataDir, const QString& runtimeDir);
// The help file assembled from the topic sources in `helpSrcDir`.
bool MakeHelp(const QString& helpSrcDir, const QString& runtimeDir);

// Prints "mkmedia: cannot write <path>" and returns false when `ok` is false.
bool Report(bool ok, const QString& path);

// The symbol of toolbar button `id` (24 x 24) on a transparent ground; a null image for an
// unknown id.
class QImage;
QImage ButtonSymbol(int id);
