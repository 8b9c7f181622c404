#include "Avi.h"

#include "platform/AviFile.h"

#include <QFile>
#include <algorithm>
#include <cstdint>

namespace
{
using platform::FourCC;

template <typename T> QByteArray Record(const T& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

// A chunk: its id, size and data, padded to an even size.
QByteArray Chunk(uint32_t id, const QByteArray& data)
{
    QByteArray c = Record(platform::RiffChunkHeader{id, uint32_t(data.size())});
    c.append(data);
    if (data.size() % 2)
        c.append(char(0));
    return c;
}

// A LIST of `type` holding `data`.
QByteArray List(uint32_t type, const QByteArray& data)
{
    return Chunk(FourCC("LIST"), Record(type) + data);
}
} // namespace

AviWriter::AviWriter(int w, int h, int f) : width(w), height(h), fps(f) {}

void AviWriter::AddFrame(const QByteArray& jpeg)
{
    frames.push_back(jpeg);
}

QByteArray AviWriter::Bytes() const
{
    const uint32_t count = uint32_t(frames.size());
    uint32_t largest = 0;
    for (const QByteArray& f : frames)
        largest = std::max(largest, uint32_t(f.size() + (f.size() % 2)));

    platform::AviMainHeader avih{};
    avih.MicroSecPerFrame = 1000000 / uint32_t(fps);
    avih.MaxBytesPerSec = largest * uint32_t(fps);
    avih.Flags = platform::kAviHasIndex;
    avih.TotalFrames = count;
    avih.Streams = 1;
    avih.SuggestedBufferSize = largest;
    avih.Width = uint32_t(width);
    avih.Height = uint32_t(height);

    platform::AviStreamHeader strh{};
    strh.Type = FourCC("vids");
    strh.Handler = FourCC("MJPG");
    strh.Scale = 1;
    strh.Rate = uint32_t(fps);
    strh.Length = count;
    strh.SuggestedBufferSize = largest;
    strh.Quality = 0xFFFFFFFFu; // the codec's default
    strh.Frame.Right = int16_t(width);
    strh.Frame.Bottom = int16_t(height);

    platform::BitmapInfoHeader strf{};
    strf.Size = sizeof strf;
    strf.Width = width;
    strf.Height = height;
    strf.Planes = 1;
    strf.BitCount = 24;
    strf.Compression = FourCC("MJPG");
    strf.SizeImage = uint32_t(width * height * 3);

    const QByteArray strl = List(FourCC("strl"), Chunk(FourCC("strh"), Record(strh)) +
                                                     Chunk(FourCC("strf"), Record(strf)));
    const QByteArray hdrl = List(FourCC("hdrl"), Chunk(FourCC("avih"), Record(avih)) + strl);

    QByteArray movi;
    QByteArray idx1;
    uint32_t offset = 4; // from the "movi" type field
    for (const QByteArray& f : frames)
    {
        const QByteArray c = Chunk(FourCC("00dc"), f);
        idx1.append(Record(platform::AviIndexEntry{FourCC("00dc"), platform::kAviKeyFrame, offset,
                                                   uint32_t(f.size())}));
        offset += uint32_t(c.size());
        movi.append(c);
    }

    QByteArray body = Record(FourCC("AVI "));
    body.append(hdrl);
    body.append(List(FourCC("movi"), movi));
    body.append(Chunk(FourCC("idx1"), idx1));
    return Chunk(FourCC("RIFF"), body);
}

bool AviWriter::Save(const QString& path) const
{
    const QByteArray bytes = Bytes();
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
