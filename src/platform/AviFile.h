// AVI films: the header records of the file format and a reader that finds a film's video
// stream and the place of each of its frames. The records are the single definitions shared by
// the reader, the film generator (tools/mkviews) and the tests.
//
// An AVI file is a RIFF file ("AVI RIFF File Reference", Microsoft): chunks of a four-character
// id, a 32-bit little-endian size and the data, padded to an even size; a "LIST" chunk starts
// with a four-character type and holds further chunks.
//     RIFF 'AVI '
//         LIST 'hdrl'
//             avih                       AviMainHeader
//             LIST 'strl'                one per stream, in stream order
//                 strh                   AviStreamHeader
//                 strf                   for video: BitmapInfoHeader, then any palette
//         LIST 'movi'                    the frames: chunks "nndc" (compressed) or "nndb"
//                                        (uncompressed), nn the stream's number in two decimal
//                                        digits; LIST 'rec ' groups and JUNK chunks may be mixed in
//         idx1                           optional index of the movi chunks
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

static_assert(std::endian::native == std::endian::little,
              "records are read by copying little-endian bytes");

namespace platform
{
// The four-character code `text` ("MJPG") as the 32-bit little-endian value a file stores.
constexpr uint32_t FourCC(const char (&text)[5])
{
    return uint32_t(uint8_t(text[0])) | uint32_t(uint8_t(text[1])) << 8 |
           uint32_t(uint8_t(text[2])) << 16 | uint32_t(uint8_t(text[3])) << 24;
}

#pragma pack(push, 1)
// The head of every chunk.
struct RiffChunkHeader
{
    uint32_t Id;   // four-character code
    uint32_t Size; // bytes of data after this header, the pad byte of an odd size not counted
};

// "avih": the whole film.
struct AviMainHeader
{
    uint32_t MicroSecPerFrame;    // time of one frame, microseconds
    uint32_t MaxBytesPerSec;      // bytes per second the film needs at most
    uint32_t PaddingGranularity;  // 0 = none
    uint32_t Flags;               // AVIF_HASINDEX (0x10), ...
    uint32_t TotalFrames;         // frames of the file
    uint32_t InitialFrames;       // 0 for films without interleaved sound
    uint32_t Streams;             // number of strl lists
    uint32_t SuggestedBufferSize; // bytes of the largest chunk
    uint32_t Width;               // pixels
    uint32_t Height;              // pixels
    uint32_t Reserved[4];
};

// "strh": one stream.
struct AviStreamHeader
{
    uint32_t Type;    // FourCC("vids") video, FourCC("auds") sound, ...
    uint32_t Handler; // the codec that writes the stream (FourCC("MJPG")), or 0
    uint32_t Flags;
    uint16_t Priority;
    uint16_t Language;
    uint32_t InitialFrames;
    uint32_t Scale; // time unit: Rate / Scale units per second, frames for video
    uint32_t Rate;
    uint32_t Start;  // in the units above
    uint32_t Length; // in the units above: frames of a video stream
    uint32_t SuggestedBufferSize;
    uint32_t Quality;    // 0..10000, 0xFFFFFFFF = the codec's default
    uint32_t SampleSize; // 0 = each chunk may have another size
    struct
    {
        int16_t Left; // the stream's rectangle in the film's picture, pixels
        int16_t Top;
        int16_t Right;
        int16_t Bottom;
    } Frame;
};

// "strf" of a video stream.
struct BitmapInfoHeader
{
    uint32_t Size;        // bytes of this header: 40
    int32_t Width;        // pixels
    int32_t Height;       // pixels; negative: rows stored top first (uncompressed frames)
    uint16_t Planes;      // 1
    uint16_t BitCount;    // bits per pixel
    uint32_t Compression; // FourCC("MJPG"), or 0 (BI_RGB) for uncompressed rows
    uint32_t SizeImage;   // bytes of one uncompressed picture
    int32_t XPelsPerMeter;
    int32_t YPelsPerMeter;
    uint32_t ClrUsed; // palette entries that follow; 0 = all that the bit count allows
    uint32_t ClrImportant;
};

// One entry of "idx1".
struct AviIndexEntry
{
    uint32_t ChunkId; // "00dc"
    uint32_t Flags;   // AVIIF_KEYFRAME (0x10), ...
    uint32_t Offset;  // of the chunk's header, from the type field of LIST 'movi'
    uint32_t Size;    // of the chunk's data
};
#pragma pack(pop)

static_assert(sizeof(RiffChunkHeader) == 8);
static_assert(sizeof(AviMainHeader) == 56);
static_assert(offsetof(AviMainHeader, TotalFrames) == 16);
static_assert(offsetof(AviMainHeader, Width) == 32);
static_assert(sizeof(AviStreamHeader) == 56);
static_assert(offsetof(AviStreamHeader, Scale) == 20);
static_assert(offsetof(AviStreamHeader, Rate) == 24);
static_assert(offsetof(AviStreamHeader, Length) == 32);
static_assert(offsetof(AviStreamHeader, Frame) == 48);
static_assert(sizeof(BitmapInfoHeader) == 40);
static_assert(offsetof(BitmapInfoHeader, Compression) == 16);
static_assert(offsetof(BitmapInfoHeader, ClrUsed) == 32);
static_assert(sizeof(AviIndexEntry) == 16);

constexpr uint32_t kAviHasIndex = 0x10; // AviMainHeader::Flags: the file ends with idx1
constexpr uint32_t kAviKeyFrame = 0x10; // AviIndexEntry::Flags
constexpr uint32_t kBiRgb = 0;          // BitmapInfoHeader::Compression: uncompressed rows

// Where one frame's data lies in the file. A frame of size 0 repeats the frame before it.
struct AviFrame
{
    int64_t Offset; // bytes from the start of the file
    uint32_t Size;  // bytes
};

// What a film is made of, as far as playing its pictures needs.
struct AviFilm
{
    int Width = 0;      // pixels, 1..kAviMaxSide
    int Height = 0;     // pixels, 1..kAviMaxSide
    uint32_t Codec = 0; // compression of the frames: FourCC("MJPG"), kBiRgb, ...
    uint32_t Rate = 0;  // frames per second = Rate / Scale, between 0.1 and 1000
    uint32_t Scale = 0;
    bool HasSound = false; // the file also holds a sound stream
    // The video stream's "strf" data as stored (a BitmapInfoHeader and its palette), at most
    // kAviMaxFormat bytes; empty when the stream has none.
    std::vector<uint8_t> Format;
    std::vector<AviFrame> Frames; // in playing order, each inside the file
};

constexpr int kAviMaxSide = 16384;               // pixels
constexpr size_t kAviMaxFormat = 40 + 1024 + 12; // header, 256-entry palette, colour masks
constexpr size_t kAviMaxFrames = 1 << 22;        // about 46 hours at 25 frames per second

enum class AviStatus
{
    Ok,
    NotAvi,      // not a RIFF 'AVI ' file
    Damaged,     // the headers are cut short or contradict themselves
    NoVideo,     // no video stream
    NoFrameRate, // neither the stream nor the film gives a usable frame rate
    NoFrames,    // the video stream has no frame
};

// Reads the film in `file` (opened for binary reading; read from its start, left open). Only
// what lies inside the file counts: a chunk that runs past its end is taken as far as the file
// goes, and a frame cut short by the end of the file is left out, so that a cut film plays the
// frames it still has. The movi chunks themselves give the frames; idx1 only repeats where
// they are, so a film without an index plays the same. On any status but Ok, `film` holds
// whatever was read until then.
AviStatus ReadAvi(std::FILE* file, AviFilm& film);
} // namespace platform
