#include "platform/AviFile.h"

#include "platform/Files.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace platform
{
namespace
{
constexpr uint32_t kRiff = FourCC("RIFF");
constexpr uint32_t kList = FourCC("LIST");

// Reads ranges of the file, refusing any that does not lie wholly inside it.
class FileBytes
{
public:
    FileBytes(std::FILE* f, int64_t n) : file(f), size(n) {}
    int64_t Size() const { return size; }
    bool Read(int64_t at, void* out, size_t n) const
    {
        if (at < 0 || int64_t(n) > size || at > size - int64_t(n))
            return false;
        return std::fseek(file, long(at), SEEK_SET) == 0 && std::fread(out, 1, n, file) == n;
    }

private:
    std::FILE* file;
    int64_t size;
};

struct Chunk
{
    uint32_t id = 0;
    int64_t data = 0; // where the data starts
    int64_t size = 0; // bytes of data inside the enclosing range
    bool cut = false; // the declared size runs past the enclosing range
    int64_t next = 0; // where the next chunk starts
};

// The chunk at `at`, inside the range that ends at `end`; false when not even its header fits.
// The next chunk starts at least 8 bytes further on, so that every walk ends.
bool ChunkAt(const FileBytes& bytes, int64_t at, int64_t end, Chunk& chunk)
{
    RiffChunkHeader head;
    if (end - at < int64_t(sizeof head) || !bytes.Read(at, &head, sizeof head))
        return false;
    chunk.id = head.Id;
    chunk.data = at + int64_t(sizeof head);
    const int64_t declared = head.Size;
    chunk.size = std::min(declared, end - chunk.data);
    chunk.cut = declared > chunk.size;
    chunk.next = chunk.data + declared + (declared & 1);
    return true;
}

// The type of a LIST chunk; 0 when it has none.
uint32_t ListType(const FileBytes& bytes, const Chunk& chunk)
{
    uint32_t type = 0;
    if (chunk.id != kList || chunk.size < 4 || !bytes.Read(chunk.data, &type, sizeof type))
        return 0;
    return type;
}

// Reads up to sizeof(T) bytes of a chunk into a zeroed record; false when the chunk holds
// fewer than `least` bytes.
template <typename T>
bool ReadRecord(const FileBytes& bytes, const Chunk& chunk, size_t least, T& record)
{
    std::memset(&record, 0, sizeof record);
    if (chunk.size < int64_t(least))
        return false;
    return bytes.Read(chunk.data, &record, size_t(std::min<int64_t>(chunk.size, sizeof record)));
}

struct Headers
{
    bool haveMain = false;
    AviMainHeader main{};
    int streams = 0;
    int video = -1; // number of the first video stream
    AviStreamHeader stream{};
};

// One LIST 'strl': its strh and, for the first video stream, its strf.
void ReadStream(const FileBytes& bytes, int64_t begin, int64_t end, Headers& h, AviFilm& film)
{
    AviStreamHeader strh{};
    bool haveStrh = false;
    std::optional<Chunk> strf;
    Chunk c;
    for (int64_t at = begin; ChunkAt(bytes, at, end, c); at = c.next)
    {
        // A stream header without its frame rectangle (48 bytes) is still complete enough.
        if (c.id == FourCC("strh") && !haveStrh)
            haveStrh = ReadRecord(bytes, c, 48, strh);
        else if (c.id == FourCC("strf") && !strf)
            strf = c;
    }
    const int number = h.streams++;
    if (!haveStrh)
        return;
    if (strh.Type == FourCC("auds"))
        film.HasSound = true;
    // Chunk ids give a stream's number in two digits: a later stream cannot be addressed.
    if (strh.Type != FourCC("vids") || h.video >= 0 || number > 99)
        return;
    h.video = number;
    h.stream = strh;
    if (strf)
    {
        film.Format.resize(size_t(std::min<int64_t>(strf->size, kAviMaxFormat)));
        if (!bytes.Read(strf->data, film.Format.data(), film.Format.size()))
            film.Format.clear();
    }
}

void ReadHeaders(const FileBytes& bytes, int64_t begin, int64_t end, Headers& h, AviFilm& film)
{
    Chunk c;
    for (int64_t at = begin; ChunkAt(bytes, at, end, c); at = c.next)
    {
        if (c.id == FourCC("avih") && !h.haveMain)
            h.haveMain = ReadRecord(bytes, c, sizeof h.main, h.main);
        else if (ListType(bytes, c) == FourCC("strl"))
            ReadStream(bytes, c.data + 4, c.data + c.size, h, film);
    }
}

bool GoodSide(int64_t pixels)
{
    return pixels >= 1 && pixels <= kAviMaxSide;
}

// Collects the frames of stream `video` from a movi list, or from a LIST 'rec ' inside it.
// False once a frame is cut short by the end of the file or the list: nothing after it counts.
bool ReadFrames(const FileBytes& bytes, int64_t begin, int64_t end, int video, int depth,
                AviFilm& film)
{
    // "nndc" and "nndb", nn the stream's number.
    const uint32_t number = uint32_t('0' + video / 10) | uint32_t('0' + video % 10) << 8;
    const uint32_t compressed = number | (FourCC("00dc") & 0xFFFF0000u);
    const uint32_t uncompressed = number | (FourCC("00db") & 0xFFFF0000u);
    Chunk c;
    for (int64_t at = begin; ChunkAt(bytes, at, end, c); at = c.next)
    {
        if (film.Frames.size() >= kAviMaxFrames)
            return false;
        if (c.id == compressed || c.id == uncompressed)
        {
            if (c.cut)
                return false;
            film.Frames.push_back(AviFrame{c.data, uint32_t(c.size)});
        }
        else if (depth == 0 && ListType(bytes, c) == FourCC("rec "))
        {
            if (!ReadFrames(bytes, c.data + 4, c.data + c.size, video, depth + 1, film))
                return false;
        }
    }
    return true;
}

// The picture's size and kind: from the stream's format when it has one, else from the stream
// and film headers. False when neither gives a size.
bool ReadPictureSize(const Headers& h, AviFilm& film)
{
    BitmapInfoHeader format{};
    int64_t width = 0;
    int64_t height = 0;
    if (film.Format.size() >= sizeof format)
    {
        std::memcpy(&format, film.Format.data(), sizeof format);
        width = format.Width;
        height = format.Height < 0 ? -int64_t(format.Height) : int64_t(format.Height);
        film.Codec = format.Compression;
    }
    else
    {
        film.Format.clear();
        film.Codec = h.stream.Handler;
    }
    if (!GoodSide(width) || !GoodSide(height))
    {
        width = h.main.Width;
        height = h.main.Height;
    }
    if (!GoodSide(width) || !GoodSide(height))
        return false;
    film.Width = int(width);
    film.Height = int(height);
    return true;
}

// Frames per second: the stream's Rate / Scale, else the film's time per frame. False when
// neither is plausible.
bool ReadFrameRate(const Headers& h, AviFilm& film)
{
    const uint64_t rate = h.stream.Rate;
    const uint64_t scale = h.stream.Scale;
    if (scale > 0 && rate * 10 >= scale && rate <= scale * 1000)
    {
        film.Rate = h.stream.Rate;
        film.Scale = h.stream.Scale;
        return true;
    }
    if (h.main.MicroSecPerFrame >= 1000 && h.main.MicroSecPerFrame <= 10000000)
    {
        film.Rate = 1000000;
        film.Scale = h.main.MicroSecPerFrame;
        return true;
    }
    return false;
}
} // namespace

AviStatus ReadAvi(std::FILE* file, AviFilm& film)
{
    film = AviFilm{};
    const long length = FileSize(file);
    if (length < 12)
        return AviStatus::NotAvi;
    const FileBytes bytes(file, length);
    RiffChunkHeader riff;
    uint32_t form = 0;
    if (!bytes.Read(0, &riff, sizeof riff) || !bytes.Read(8, &form, sizeof form) ||
        riff.Id != kRiff || form != FourCC("AVI "))
        return AviStatus::NotAvi;
    const int64_t end = std::min<int64_t>(8 + int64_t(riff.Size), bytes.Size());

    Headers h;
    bool haveHeaders = false;
    int64_t moviBegin = 0;
    int64_t moviEnd = 0;
    Chunk c;
    for (int64_t at = 12; ChunkAt(bytes, at, end, c); at = c.next)
    {
        const uint32_t type = ListType(bytes, c);
        if (type == FourCC("hdrl") && !haveHeaders)
        {
            ReadHeaders(bytes, c.data + 4, c.data + c.size, h, film);
            haveHeaders = true;
        }
        else if (type == FourCC("movi") && moviEnd == 0)
        {
            moviBegin = c.data + 4;
            moviEnd = c.data + c.size;
        }
    }
    if (!h.haveMain)
        return AviStatus::Damaged;
    if (h.video < 0)
        return AviStatus::NoVideo;

    if (!ReadPictureSize(h, film))
        return AviStatus::Damaged;
    if (!ReadFrameRate(h, film))
        return AviStatus::NoFrameRate;

    // Each frame takes at least a chunk header of the list: the count cannot exceed that.
    const int64_t room = (moviEnd - moviBegin) / int64_t(sizeof(RiffChunkHeader));
    film.Frames.reserve(size_t(
        std::clamp<int64_t>(std::min<int64_t>(h.stream.Length, room), 0, int64_t(kAviMaxFrames))));
    ReadFrames(bytes, moviBegin, moviEnd, h.video, 0, film);
    const bool anyPicture = std::any_of(film.Frames.begin(), film.Frames.end(),
                                        [](const AviFrame& f) { return f.Size > 0; });
    return anyPicture ? AviStatus::Ok : AviStatus::NoFrames;
}
} // namespace platform
