// Feeds arbitrary bytes to the film reader as a file. Every frame it hands back is read in full
// from the input itself, so that the sanitizers see any frame placed outside the file; the
// counts it gives are checked against the file's size.
#include "platform/AviFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{
volatile uint8_t gSink;

std::FILE* Open(const uint8_t* data, size_t size)
{
    // fmemopen refuses an empty buffer: an empty file is a one-byte buffer read as empty.
    static uint8_t empty = 0;
    return fmemopen(size ? const_cast<uint8_t*>(data) : &empty, size ? size : 1, "rb");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::FILE* file = Open(data, size);
    if (!file)
        return 0;
    platform::AviFilm film;
    const platform::AviStatus status = platform::ReadAvi(file, film);
    std::fclose(file);
    if (film.Frames.size() > size / 8 || film.Format.size() > platform::kAviMaxFormat)
        std::abort();
    if (status == platform::AviStatus::Ok &&
        (film.Width < 1 || film.Width > platform::kAviMaxSide || film.Height < 1 ||
         film.Height > platform::kAviMaxSide || film.Rate == 0 || film.Scale == 0))
        std::abort();
    uint8_t sum = 0;
    for (const platform::AviFrame& f : film.Frames)
    {
        const uint8_t* bytes = data + f.Offset;
        for (uint32_t i = 0; i < f.Size; ++i)
            sum = uint8_t(sum + bytes[i]);
    }
    for (const uint8_t b : film.Format)
        sum = uint8_t(sum + b);
    gSink = sum;
    return 0;
}
