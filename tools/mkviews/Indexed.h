// 256-colour pictures: a palette chosen for the picture (median cut), error diffusion onto it,
// and a writer of 8-bit BMP files, run-length encoded when that is smaller.
#pragma once

#include <QImage>
#include <QString>

// The picture reduced to at most 256 colours of its own (Heckbert's median cut, "Color image
// quantization for frame buffer display", SIGGRAPH 1982), with Floyd-Steinberg error
// diffusion. Pure black stays exactly black and takes no diffused error, so that the black sky
// of the astronomical pictures stays clean.
QImage ReduceTo256(const QImage& image);

// Writes an 8-bit indexed picture as a BMP file: compressed with BI_RLE8 when that is smaller
// than the plain pixels, else uncompressed. False when the file cannot be written or the
// picture is not 8-bit indexed.
bool SaveIndexedBmp(const QImage& indexed, const QString& path);

// The RLE8 pixel data of an 8-bit indexed picture, bottom row first, with end-of-line and
// end-of-picture marks ("BMP file format", BI_RLE8 encoded mode with absolute runs).
QByteArray EncodeRle8(const QImage& indexed);
