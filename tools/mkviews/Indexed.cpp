#include "Indexed.h"

#include <QFile>
#include <QVector>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace
{
constexpr int kBits = 5;
constexpr int kLevels = 1 << kBits;

int Bin(int r, int g, int b)
{
    return ((r >> (8 - kBits)) << (2 * kBits)) | ((g >> (8 - kBits)) << kBits) | (b >> (8 - kBits));
}

struct Box
{
    int lo[3];
    int hi[3]; // inclusive, in bin units
    long long count = 0;
};

// Counts of each 15-bit colour bin.
using Histogram = std::vector<uint32_t>;

void Shrink(Box& box, const Histogram& h)
{
    int lo[3] = {kLevels, kLevels, kLevels}, hi[3] = {-1, -1, -1};
    long long n = 0;
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
        for (int g = box.lo[1]; g <= box.hi[1]; ++g)
            for (int b = box.lo[2]; b <= box.hi[2]; ++b)
            {
                const uint32_t c = h[(r << 10) | (g << 5) | b];
                if (!c)
                    continue;
                n += c;
                const int v[3] = {r, g, b};
                for (int k = 0; k < 3; ++k)
                {
                    lo[k] = std::min(lo[k], v[k]);
                    hi[k] = std::max(hi[k], v[k]);
                }
            }
    box.count = n;
    if (n)
        for (int k = 0; k < 3; ++k)
        {
            box.lo[k] = lo[k];
            box.hi[k] = hi[k];
        }
}

// Splits `box` at the median of its longest side; false when it holds a single bin.
bool Split(Box& box, Box& other, const Histogram& h)
{
    int axis = 0;
    int longest = -1;
    for (int k = 0; k < 3; ++k)
        if (box.hi[k] - box.lo[k] > longest)
        {
            longest = box.hi[k] - box.lo[k];
            axis = k;
        }
    if (longest <= 0)
        return false;
    std::vector<long long> slice(kLevels, 0);
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
        for (int g = box.lo[1]; g <= box.hi[1]; ++g)
            for (int b = box.lo[2]; b <= box.hi[2]; ++b)
            {
                const int v[3] = {r, g, b};
                slice[v[axis]] += h[(r << 10) | (g << 5) | b];
            }
    long long acc = 0;
    int cut = box.lo[axis];
    for (int i = box.lo[axis]; i < box.hi[axis]; ++i)
    {
        acc += slice[i];
        cut = i;
        if (acc * 2 >= box.count)
            break;
    }
    other = box;
    box.hi[axis] = cut;
    other.lo[axis] = cut + 1;
    Shrink(box, h);
    Shrink(other, h);
    return true;
}

QRgb Mean(const Box& box, const Histogram& h, const std::vector<std::array<double, 3>>& sums)
{
    double s[3] = {0, 0, 0};
    long long n = 0;
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
        for (int g = box.lo[1]; g <= box.hi[1]; ++g)
            for (int b = box.lo[2]; b <= box.hi[2]; ++b)
            {
                const int i = (r << 10) | (g << 5) | b;
                n += h[i];
                for (int k = 0; k < 3; ++k)
                    s[k] += sums[i][k];
            }
    if (!n)
        return qRgb(0, 0, 0);
    return qRgb(int(s[0] / n + 0.5), int(s[1] / n + 0.5), int(s[2] / n + 0.5));
}

int Nearest(const QVector<QRgb>& palette, int r, int g, int b)
{
    int best = 0;
    long long bestD = -1;
    for (int i = 0; i < palette.size(); ++i)
    {
        const long long dr = qRed(palette[i]) - r, dg = qGreen(palette[i]) - g,
                        db = qBlue(palette[i]) - b;
        const long long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestD < 0 || d < bestD)
        {
            bestD = d;
            best = i;
        }
    }
    return best;
}

bool IsBlack(int r, int g, int b)
{
    return r <= 2 && g <= 2 && b <= 2;
}
} // namespace

QImage ReduceTo256(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    Histogram hist(kLevels * kLevels * kLevels, 0);
    std::vector<std::array<double, 3>> sums(hist.size(), {0, 0, 0});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const QRgb p = image.pixel(x, y);
            if (IsBlack(qRed(p), qGreen(p), qBlue(p)))
                continue;
            const int i = Bin(qRed(p), qGreen(p), qBlue(p));
            ++hist[i];
            sums[i][0] += qRed(p);
            sums[i][1] += qGreen(p);
            sums[i][2] += qBlue(p);
        }
    // Black has its own entry; the other 255 come from the boxes.
    std::vector<Box> boxes;
    Box all{{0, 0, 0}, {kLevels - 1, kLevels - 1, kLevels - 1}};
    Shrink(all, hist);
    if (all.count)
        boxes.push_back(all);
    while (!boxes.empty() && boxes.size() < 255)
    {
        // Split the box with the most pixels times its extent, as long as one can be split.
        int pick = -1;
        double best = 0;
        for (size_t i = 0; i < boxes.size(); ++i)
        {
            const Box& b = boxes[i];
            const int extent = std::max({b.hi[0] - b.lo[0], b.hi[1] - b.lo[1], b.hi[2] - b.lo[2]});
            const double score = double(b.count) * extent;
            if (extent > 0 && score > best)
            {
                best = score;
                pick = int(i);
            }
        }
        if (pick < 0)
            break;
        Box other;
        if (!Split(boxes[pick], other, hist))
            break;
        boxes.push_back(other);
    }
    QVector<QRgb> palette;
    palette.push_back(qRgb(0, 0, 0));
    for (const Box& b : boxes)
        palette.push_back(Mean(b, hist, sums));

    // Nearest palette entry for every bin, computed once.
    std::vector<int16_t> lookup(hist.size(), -1);
    auto nearest = [&](int r, int g, int b)
    {
        const int i = Bin(r, g, b);
        if (lookup[i] < 0)
        {
            const int step = 1 << (8 - kBits);
            lookup[i] =
                int16_t(Nearest(palette, ((i >> 10) & 31) * step + step / 2,
                                ((i >> 5) & 31) * step + step / 2, (i & 31) * step + step / 2));
        }
        return lookup[i];
    };

    QImage out(w, h, QImage::Format_Indexed8);
    out.setColorTable(palette);
    out.fill(0);
    std::vector<std::array<float, 3>> err(size_t(w + 2) * 2, {0, 0, 0});
    for (int y = 0; y < h; ++y)
    {
        auto* cur = &err[size_t(y % 2) * (w + 2)];
        auto* nxt = &err[size_t((y + 1) % 2) * (w + 2)];
        for (int x = 0; x < w + 2; ++x)
            nxt[x] = {0, 0, 0};
        uchar* line = out.scanLine(y);
        for (int x = 0; x < w; ++x)
        {
            const QRgb p = image.pixel(x, y);
            if (IsBlack(qRed(p), qGreen(p), qBlue(p)))
            {
                line[x] = 0;
                continue;
            }
            const float want[3] = {qRed(p) + cur[x + 1][0], qGreen(p) + cur[x + 1][1],
                                   qBlue(p) + cur[x + 1][2]};
            int c[3];
            for (int k = 0; k < 3; ++k)
                c[k] = std::clamp(int(want[k] + 0.5f), 0, 255);
            const int index = nearest(c[0], c[1], c[2]);
            line[x] = uchar(index);
            const QRgb got = palette[index];
            const float e[3] = {want[0] - qRed(got), want[1] - qGreen(got), want[2] - qBlue(got)};
            for (int k = 0; k < 3; ++k)
            {
                cur[x + 2][k] += e[k] * 7.f / 16.f;
                nxt[x][k] += e[k] * 3.f / 16.f;
                nxt[x + 1][k] += e[k] * 5.f / 16.f;
                nxt[x + 2][k] += e[k] * 1.f / 16.f;
            }
        }
    }
    return out;
}

QByteArray EncodeRle8(const QImage& indexed)
{
    QByteArray out;
    const int w = indexed.width();
    for (int y = indexed.height() - 1; y >= 0; --y)
    {
        const uchar* line = indexed.constScanLine(y);
        int x = 0;
        while (x < w)
        {
            int run = 1;
            while (x + run < w && run < 255 && line[x + run] == line[x])
                ++run;
            if (run >= 3)
            {
                out.append(char(run));
                out.append(char(line[x]));
                x += run;
                continue;
            }
            // Absolute mode: a stretch of pixels without runs of three, at least 3 long.
            int n = 0;
            while (x + n < w && n < 255)
            {
                if (x + n + 2 < w && line[x + n] == line[x + n + 1] &&
                    line[x + n] == line[x + n + 2])
                    break;
                ++n;
            }
            if (n < 3)
            {
                for (int i = 0; i < n; ++i)
                {
                    out.append(char(1));
                    out.append(char(line[x + i]));
                }
            }
            else
            {
                out.append(char(0));
                out.append(char(n));
                out.append(reinterpret_cast<const char*>(line + x), n);
                if (n % 2)
                    out.append(char(0));
            }
            x += n;
        }
        out.append(char(0));
        out.append(char(y == 0 ? 1 : 0));
    }
    return out;
}

namespace
{
void Put16(QByteArray& b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}
void Put32(QByteArray& b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}
} // namespace

bool SaveIndexedBmp(const QImage& indexed, const QString& path)
{
    if (indexed.format() != QImage::Format_Indexed8)
        return false;
    const int w = indexed.width(), h = indexed.height();
    const int stride = (w + 3) & ~3;
    QByteArray pixels;
    const QByteArray rle = EncodeRle8(indexed);
    const bool compress = rle.size() < stride * h;
    if (compress)
        pixels = rle;
    else
        for (int y = h - 1; y >= 0; --y)
        {
            pixels.append(reinterpret_cast<const char*>(indexed.constScanLine(y)), w);
            pixels.append(QByteArray(stride - w, 0));
        }
    const QVector<QRgb> table = indexed.colorTable();
    const quint32 offset = 14 + 40 + 4 * quint32(table.size());
    QByteArray file;
    file.append("BM");
    Put32(file, offset + quint32(pixels.size()));
    Put32(file, 0);
    Put32(file, offset);
    Put32(file, 40);
    Put32(file, quint32(w));
    Put32(file, quint32(h));
    Put16(file, 1);
    Put16(file, 8);
    Put32(file, compress ? 1 : 0); // BI_RLE8 or BI_RGB
    Put32(file, quint32(pixels.size()));
    Put32(file, 2835); // 72 dpi
    Put32(file, 2835);
    Put32(file, quint32(table.size()));
    Put32(file, quint32(table.size()));
    for (QRgb c : table)
    {
        file.append(char(qBlue(c)));
        file.append(char(qGreen(c)));
        file.append(char(qRed(c)));
        file.append(char(0));
    }
    file.append(pixels);
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}
