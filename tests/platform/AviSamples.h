// Small AVI files put together chunk by chunk, for the film reader's and the video window's
// tests: any stream layout, codec and frame payloads, laid out as the file format describes.
#pragma once

#include "platform/AviFile.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace avi_samples
{
template <typename T> std::string Bytes(const T& record)
{
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

inline std::string Chunk(const char* id, const std::string& data)
{
    std::string c = std::string(id, 4) + Bytes(uint32_t(data.size())) + data;
    if (data.size() % 2)
        c += '\0';
    return c;
}

inline std::string List(const char* type, const std::string& body)
{
    return Chunk("LIST", std::string(type, 4) + body);
}

inline std::string Riff(const std::string& body)
{
    return Chunk("RIFF", "AVI " + body);
}

inline std::string MainHeader(uint32_t width, uint32_t height, uint32_t microSecPerFrame,
                              uint32_t streams)
{
    platform::AviMainHeader avih{};
    avih.MicroSecPerFrame = microSecPerFrame;
    avih.Streams = streams;
    avih.Width = width;
    avih.Height = height;
    return Chunk("avih", Bytes(avih));
}

// A video stream's strl: strh with the given rate, then a BITMAPINFOHEADER and `palette`.
inline std::string VideoStream(int32_t width, int32_t height, uint32_t codec, uint32_t rate,
                               uint32_t scale, uint16_t bitCount = 24,
                               const std::string& palette = "")
{
    platform::AviStreamHeader strh{};
    strh.Type = platform::FourCC("vids");
    strh.Handler = codec;
    strh.Rate = rate;
    strh.Scale = scale;
    platform::BitmapInfoHeader strf{};
    strf.Size = sizeof strf;
    strf.Width = width;
    strf.Height = height;
    strf.Planes = 1;
    strf.BitCount = bitCount;
    strf.Compression = codec;
    return List("strl", Chunk("strh", Bytes(strh)) + Chunk("strf", Bytes(strf) + palette));
}

inline std::string SoundStream()
{
    platform::AviStreamHeader strh{};
    strh.Type = platform::FourCC("auds");
    strh.Rate = 22050;
    strh.Scale = 1;
    strh.SampleSize = 1;
    const std::string wave = Bytes(uint16_t(1)) + Bytes(uint16_t(1)) + Bytes(uint32_t(22050)) +
                             Bytes(uint32_t(22050)) + Bytes(uint16_t(1)) + Bytes(uint16_t(8));
    return List("strl", Chunk("strh", Bytes(strh)) + Chunk("strf", wave));
}

// A whole film of one video stream: `frames` become "00dc" chunks (or "00db" for kBiRgb).
inline std::string Film(int32_t width, int32_t height, uint32_t codec, uint32_t rate,
                        const std::vector<std::string>& frames, uint16_t bitCount = 24)
{
    std::string movi;
    for (const std::string& f : frames)
        movi += Chunk(codec == platform::kBiRgb ? "00db" : "00dc", f);
    return Riff(List("hdrl", MainHeader(uint32_t(width), uint32_t(height < 0 ? -height : height),
                                        1000000 / rate, 1) +
                                 VideoStream(width, height, codec, rate, 1, bitCount)) +
                List("movi", movi));
}

// The bytes as an open file, read from its start; the caller closes it.
inline std::FILE* AsFile(const std::string& bytes)
{
    std::FILE* f = std::tmpfile();
    if (f)
    {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::rewind(f);
    }
    return f;
}

inline platform::AviStatus Read(const std::string& bytes, platform::AviFilm& film)
{
    std::FILE* f = AsFile(bytes);
    if (!f)
        return platform::AviStatus::NotAvi;
    const platform::AviStatus status = platform::ReadAvi(f, film);
    std::fclose(f);
    return status;
}
} // namespace avi_samples
