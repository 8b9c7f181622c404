#include "Avi.h"

#include <QFile>
#include <algorithm>

namespace
{
void Put16(QByteArray& b, quint32 v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}
void Put32(QByteArray& b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}
void PutFourCC(QByteArray& b, const char* cc)
{
    b.append(cc, 4);
}

// A chunk: its id, size and data, padded to an even size.
QByteArray Chunk(const char* id, const QByteArray& data)
{
    QByteArray c;
    PutFourCC(c, id);
    Put32(c, quint32(data.size()));
    c.append(data);
    if (data.size() % 2)
        c.append(char(0));
    return c;
}

// A LIST of `type` holding `data`.
QByteArray List(const char* type, const QByteArray& data)
{
    QByteArray body;
    PutFourCC(body, type);
    body.append(data);
    return Chunk("LIST", body);
}
} // namespace

AviWriter::AviWriter(int w, int h, int f) : width(w), height(h), fps(f) {}

void AviWriter::AddFrame(const QByteArray& jpeg)
{
    frames.push_back(jpeg);
}

QByteArray AviWriter::Bytes() const
{
    const quint32 count = quint32(frames.size());
    quint32 largest = 0;
    for (const QByteArray& f : frames)
        largest = std::max(largest, quint32(f.size() + (f.size() % 2)));

    QByteArray avih;
    Put32(avih, 1000000 / quint32(fps)); // microseconds per frame
    Put32(avih, largest * quint32(fps)); // maximum bytes per second
    Put32(avih, 0);                      // padding granularity
    Put32(avih, 0x10);                   // AVIF_HASINDEX
    Put32(avih, count);
    Put32(avih, 0); // initial frames
    Put32(avih, 1); // streams
    Put32(avih, largest);
    Put32(avih, quint32(width));
    Put32(avih, quint32(height));
    for (int i = 0; i < 4; ++i)
        Put32(avih, 0);

    QByteArray strh;
    PutFourCC(strh, "vids");
    PutFourCC(strh, "MJPG");
    Put32(strh, 0);            // flags
    Put16(strh, 0);            // priority
    Put16(strh, 0);            // language
    Put32(strh, 0);            // initial frames
    Put32(strh, 1);            // scale
    Put32(strh, quint32(fps)); // rate: frames per second = rate / scale
    Put32(strh, 0);            // start
    Put32(strh, count);        // length in frames
    Put32(strh, largest);      // suggested buffer size
    Put32(strh, 0xFFFFFFFFu);  // quality: default
    Put32(strh, 0);            // sample size: varies
    Put16(strh, 0);            // frame rectangle
    Put16(strh, 0);
    Put16(strh, quint32(width));
    Put16(strh, quint32(height));

    QByteArray strf; // BITMAPINFOHEADER
    Put32(strf, 40);
    Put32(strf, quint32(width));
    Put32(strf, quint32(height));
    Put16(strf, 1);
    Put16(strf, 24);
    PutFourCC(strf, "MJPG");
    Put32(strf, quint32(width * height * 3));
    Put32(strf, 0);
    Put32(strf, 0);
    Put32(strf, 0);
    Put32(strf, 0);

    const QByteArray strl = List("strl", Chunk("strh", strh) + Chunk("strf", strf));
    const QByteArray hdrl = List("hdrl", Chunk("avih", avih) + strl);

    QByteArray movi;
    QByteArray idx1;
    quint32 offset = 4; // from the "movi" type field
    for (const QByteArray& f : frames)
    {
        const QByteArray c = Chunk("00dc", f);
        PutFourCC(idx1, "00dc");
        Put32(idx1, 0x10); // AVIIF_KEYFRAME
        Put32(idx1, offset);
        Put32(idx1, quint32(f.size()));
        offset += quint32(c.size());
        movi.append(c);
    }

    QByteArray body;
    PutFourCC(body, "AVI ");
    body.append(hdrl);
    body.append(List("movi", movi));
    body.append(Chunk("idx1", idx1));
    return Chunk("RIFF", body);
}

bool AviWriter::Save(const QString& path) const
{
    const QByteArray bytes = Bytes();
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
