// A persistent RGB32 drawing surface: the window's picture and the off-screen sprite surfaces.
// The operations are those of the classic device context: block transfers with raster
// operations, stretched copies, filled rectangles, 1-pixel pen lines with the classic end-pixel
// rule, rectangles and text. Coordinates are pixels, x to the right and y downward; rectangles
// are given as left, top, right, bottom with right and bottom excluded.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>

namespace platform
{
// A colour as 0x00RRGGBB.
using Rgb = uint32_t;
constexpr Rgb RGB(int r, int g, int b)
{
    return (static_cast<Rgb>(r & 0xFF) << 16) | (static_cast<Rgb>(g & 0xFF) << 8) |
           static_cast<Rgb>(b & 0xFF);
}

// Raster operations of a block transfer.
enum class Rop
{
    SrcCopy,   // destination := source
    SrcAnd,    // destination := destination AND source (masks)
    SrcPaint,  // destination := destination OR source (sprites on black)
    Blackness  // destination := black; the source is not read
};

// Text alignment flags (combinable as the classic SetTextAlign).
enum TextAlign : unsigned
{
    TA_LEFT = 0,
    TA_TOP = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_BOTTOM = 8,
    TA_BASELINE = 24
};

class Canvas
{
public:
    Canvas() = default;
    // A w x h surface filled with `fill`.
    Canvas(int w, int h, Rgb fill = 0);
    // A surface holding a copy of `image`, converted to RGB32.
    explicit Canvas(const QImage& image);

    int Width() const { return img.width(); }
    int Height() const { return img.height(); }
    bool IsNull() const { return img.isNull(); }
    const QImage& Image() const { return img; }
    QImage& Image() { return img; }

    // The colour at (x, y) as 0x00RRGGBB; 0 outside the surface.
    Rgb Pixel(int x, int y) const;
    void SetPixel(int x, int y, Rgb color);

    // Resizes to w x h keeping the old picture at the top left; new area gets `fill`.
    void Resize(int w, int h, Rgb fill);
    // Fills the whole surface.
    void Clear(Rgb color);

    // Copies the w x h block at (sx, sy) of `src` to (x, y) with raster operation `rop`,
    // clipped to both surfaces.
    void BitBlt(int x, int y, int w, int h, const Canvas& src, int sx, int sy, Rop rop);
    // Applies a raster operation that needs no source (Blackness) to a block.
    void PatBlt(int x, int y, int w, int h, Rop rop);
    // Copies the sw x sh block at (sx, sy) of `src` scaled to the w x h block at (x, y),
    // nearest neighbour (colour on colour).
    void StretchBlt(int x, int y, int w, int h, const Canvas& src, int sx, int sy, int sw,
                    int sh);
    // Fills [left, right) x [top, bottom) with a solid colour.
    void FillRect(int left, int top, int right, int bottom, Rgb color);

    // The pen: solid, 1 pixel wide.
    void SetPen(Rgb color) { pen = color; }
    Rgb Pen() const { return pen; }
    // The brush used by Rectangle.
    void SetBrush(Rgb color) { brush = color; }
    void SetNullBrush() { hollow = true; }
    // Moves the current position without drawing.
    void MoveTo(int x, int y);
    // Draws from the current position to (x, y) with the pen, the end pixel excluded, and
    // makes (x, y) the current position. Drawing the same line again in black erases
    // exactly the pixels it lit.
    void LineTo(int x, int y);
    int CurrentX() const { return curX; }
    int CurrentY() const { return curY; }
    // Outline with the pen and inside with the brush, right and bottom excluded.
    void Rectangle(int left, int top, int right, int bottom);

    // Text output with the selected font and colours.
    void SetFont(const QFont& f) { font = f; }
    void SetTextColor(Rgb color) { textColor = color; }
    void SetBkColor(Rgb color) { bkColor = color; }
    // Transparent (false) or opaque (true) text background.
    void SetBkOpaque(bool opaque) { bkOpaque = opaque; }
    void SetTextAlign(unsigned align) { textAlign = align; }
    // Escapement in tenths of a degree, anticlockwise.
    void SetEscapement(int tenths) { escapement = tenths; }
    void TextOut(int x, int y, const QString& text);

    // Number of changes since the counter was last taken; the window uses it to know when
    // to show the picture again.
    bool TakeDirty();
    void MarkDirty() { dirty = true; }

private:

    QImage img;
    Rgb pen = 0;
    Rgb brush = 0xFFFFFF;
    bool hollow = false;
    int curX = 0;
    int curY = 0;
    QFont font;
    Rgb textColor = 0;
    Rgb bkColor = 0xFFFFFF;
    bool bkOpaque = true;
    unsigned textAlign = 0;
    int escapement = 0;
    bool dirty = false;
};

// An off-screen surface that holds a selected picture (a sprite or a mask).
using MemoryDC = Canvas;
} // namespace platform
