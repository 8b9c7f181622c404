#include "platform/Canvas.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace platform
{
namespace
{
constexpr QRgb kOpaque = 0xFF000000u;

// Clips a w x h block at (x, y) in the destination and (sx, sy) in the source to both
// surfaces; false when nothing is left.
bool ClipBlock(int& x, int& y, int& w, int& h, int& sx, int& sy, int dw, int dh, int srcW,
               int srcH)
{
    if (sx < 0)
    {
        x -= sx;
        w += sx;
        sx = 0;
    }
    if (sy < 0)
    {
        y -= sy;
        h += sy;
        sy = 0;
    }
    if (x < 0)
    {
        sx -= x;
        w += x;
        x = 0;
    }
    if (y < 0)
    {
        sy -= y;
        h += y;
        y = 0;
    }
    w = std::min({w, dw - x, srcW - sx});
    h = std::min({h, dh - y, srcH - sy});
    return w > 0 && h > 0;
}
} // namespace

Canvas::Canvas(int w, int h, Rgb fill)
    : img(std::max(w, 0), std::max(h, 0), QImage::Format_RGB32)
{
    img.fill(kOpaque | fill);
}

Canvas::Canvas(const QImage& image) : img(image.convertToFormat(QImage::Format_RGB32)) {}

Rgb Canvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height())
        return 0;
    return reinterpret_cast<const QRgb*>(img.constScanLine(y))[x] & 0xFFFFFF;
}

void Canvas::SetPixel(int x, int y, Rgb color)
{
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height())
        return;
    reinterpret_cast<QRgb*>(img.scanLine(y))[x] = kOpaque | color;
    dirty = true;
}

void Canvas::Resize(int w, int h, Rgb fill)
{
    w = std::max(w, 0);
    h = std::max(h, 0);
    if (w == img.width() && h == img.height())
        return;
    QImage next(w, h, QImage::Format_RGB32);
    next.fill(kOpaque | fill);
    const int cw = std::min(w, img.width());
    const int ch = std::min(h, img.height());
    for (int y = 0; y < ch; ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(img.constScanLine(y)), cw,
                    reinterpret_cast<QRgb*>(next.scanLine(y)));
    img = std::move(next);
    dirty = true;
}

void Canvas::Clear(Rgb color)
{
    img.fill(kOpaque | color);
    dirty = true;
}

void Canvas::BitBlt(int x, int y, int w, int h, const Canvas& src, int sx, int sy, Rop rop)
{
    if (rop == Rop::Blackness)
    {
        PatBlt(x, y, w, h, rop);
        return;
    }
    if (src.img.isNull() ||
        !ClipBlock(x, y, w, h, sx, sy, img.width(), img.height(), src.Width(), src.Height()))
        return;
    const bool same = &src == this;
    QImage copy;
    const QImage& from = same ? (copy = img.copy()) : src.img;
    for (int row = 0; row < h; ++row)
    {
        const QRgb* s = reinterpret_cast<const QRgb*>(from.constScanLine(sy + row)) + sx;
        QRgb* d = reinterpret_cast<QRgb*>(img.scanLine(y + row)) + x;
        switch (rop)
        {
        case Rop::SrcCopy:
            for (int i = 0; i < w; ++i)
                d[i] = s[i] | kOpaque;
            break;
        case Rop::SrcAnd:
            for (int i = 0; i < w; ++i)
                d[i] = (d[i] & s[i]) | kOpaque;
            break;
        case Rop::SrcPaint:
            for (int i = 0; i < w; ++i)
                d[i] = d[i] | s[i] | kOpaque;
            break;
        case Rop::Blackness: break;
        }
    }
    dirty = true;
}

void Canvas::PatBlt(int x, int y, int w, int h, Rop rop)
{
    if (rop != Rop::Blackness)
        return;
    FillRect(x, y, x + w, y + h, 0);
}

void Canvas::StretchBlt(int x, int y, int w, int h, const Canvas& src, int sx, int sy, int sw,
                        int sh)
{
    if (src.img.isNull() || w <= 0 || h <= 0 || sw <= 0 || sh <= 0)
        return;
    QPainter p(&img);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(x, y, w, h), src.img, QRect(sx, sy, sw, sh));
    dirty = true;
}

void Canvas::FillRect(int left, int top, int right, int bottom, Rgb color)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, img.width());
    bottom = std::min(bottom, img.height());
    if (left >= right || top >= bottom)
        return;
    for (int row = top; row < bottom; ++row)
        std::fill_n(reinterpret_cast<QRgb*>(img.scanLine(row)) + left, right - left,
                    kOpaque | color);
    dirty = true;
}

void Canvas::MoveTo(int x, int y)
{
    curX = x;
    curY = y;
}

void Canvas::LineTo(int x1, int y1)
{
    // Bresenham from the current position; the end point itself is not drawn, so a line
    // and the next one that starts at its end never light the joint twice.
    int x = curX;
    int y = curY;
    const int dx = std::abs(x1 - x);
    const int dy = std::abs(y1 - y);
    const int stepX = x < x1 ? 1 : -1;
    const int stepY = y < y1 ? 1 : -1;
    const int w = img.width();
    const int h = img.height();
    // A line that lies wholly outside on one side lights nothing.
    const bool outside = (x < 0 && x1 < 0) || (y < 0 && y1 < 0) || (x >= w && x1 >= w) ||
                         (y >= h && y1 >= h);
    if (!outside)
    {
        // One detach and one stride for the whole line: the per-pixel image accessors
        // cost more than the line itself.
        QRgb* const bits = reinterpret_cast<QRgb*>(img.bits());
        const qsizetype stride = img.bytesPerLine() / qsizetype(sizeof(QRgb));
        const QRgb color = kOpaque | pen;
        const auto Plot = [&](int px, int py)
        {
            if (unsigned(px) < unsigned(w) && unsigned(py) < unsigned(h))
                bits[py * stride + px] = color;
        };
        if (dx >= dy)
        {
            int err = 2 * dy - dx;
            for (int i = 0; i < dx; ++i)
            {
                Plot(x, y);
                if (err > 0)
                {
                    y += stepY;
                    err -= 2 * dx;
                }
                err += 2 * dy;
                x += stepX;
            }
        }
        else
        {
            int err = 2 * dx - dy;
            for (int i = 0; i < dy; ++i)
            {
                Plot(x, y);
                if (err > 0)
                {
                    x += stepX;
                    err -= 2 * dy;
                }
                err += 2 * dx;
                y += stepY;
            }
        }
        dirty = true;
    }
    curX = x1;
    curY = y1;
}

void Canvas::Rectangle(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    if (!hollow)
        FillRect(left + 1, top + 1, right - 1, bottom - 1, brush);
    MoveTo(left, top);
    LineTo(right - 1, top);
    LineTo(right - 1, bottom - 1);
    LineTo(left, bottom - 1);
    LineTo(left, top);
}

void Canvas::TextOut(int x, int y, const QString& text)
{
    QPainter p(&img);
    p.setFont(font);
    const QFontMetrics fm(font);
    const int width = fm.horizontalAdvance(text);
    p.translate(x, y);
    if (escapement != 0)
        p.rotate(-escapement / 10.0);
    int left = 0;
    if ((textAlign & TA_CENTER) == TA_CENTER)
        left = -width / 2;
    else if (textAlign & TA_RIGHT)
        left = -width;
    int top = 0;
    if ((textAlign & TA_BASELINE) == TA_BASELINE)
        top = -fm.ascent();
    else if (textAlign & TA_BOTTOM)
        top = -fm.height();
    const QRect box(left, top, width, fm.height());
    if (bkOpaque)
        p.fillRect(box, QColor::fromRgb(kOpaque | bkColor));
    p.setPen(QColor::fromRgb(kOpaque | textColor));
    p.drawText(box.left(), box.top() + fm.ascent(), text);
    dirty = true;
}

bool Canvas::TakeDirty()
{
    const bool was = dirty;
    dirty = false;
    return was;
}
} // namespace platform
