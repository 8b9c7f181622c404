// The Star Map's object cards: the marker at the click, then the card of the star, deep-sky
// object, Sun or Moon that was hit.
#include "app/VelmoriaWnd.h"
#include "platform/Files.h"
#include "starmap/SmallCard.h"

#include <cstdio>

namespace
{
constexpr const char* kStarFile = "Data\\Stars.dat";
constexpr const char* kNgcMessFile = "Data\\NGCMess.dat";

// Reads record `index` of `path` into `record`; false when the file cannot be opened or the
// record is not there.
template <class Record> bool ReadRecord(const char* path, int index, Record& record)
{
    if (index < 0)
        return false;
    std::FILE* f = platform::OpenFile(path, "rb");
    if (!f)
        return false;
    const bool ok =
        std::fseek(f, static_cast<long>(index) * static_cast<long>(sizeof record), SEEK_SET) == 0 &&
        std::fread(&record, sizeof record, 1, f) == 1;
    std::fclose(f);
    return ok;
}
} // namespace

void VelmoriaWnd::SmStarCard(QPoint point, int index)
{
    MarkObject(canvas, point);
    Present();
    star = new StarDB{};
    if (ReadRecord(kStarFile, index, *star))
    {
        StarSmDlg card(this, &point, star);
        card.Execute();
    }
    delete star;
    star = nullptr;
}

void VelmoriaWnd::SmNGCMess(QPoint point, int index)
{
    MarkObject(canvas, point);
    Present();
    NGCM = new NGCMessDB{};
    if (ReadRecord(kNgcMessFile, index, *NGCM))
    {
        NGCMessSmDlg card(this, &point, NGCM);
        card.Execute();
    }
    delete NGCM;
    NGCM = nullptr;
}

void VelmoriaWnd::SmSunCard(QPoint point)
{
    MarkObject(canvas, point);
    Present();
    SunSmDlg card(this, &point, static_cast<float>(-tSol[0]), static_cast<float>(Dec[0]));
    card.Execute();
}

void VelmoriaWnd::SmMoonCard(QPoint point)
{
    MarkObject(canvas, point);
    Present();
    MoonSmDlg card(this, &point, static_cast<float>(-tSol[1]), static_cast<float>(Dec[1]));
    card.Execute();
}
