// The Star Map's object cards: the marker at the click, then the card of the star, deep-sky
// object, Sun, Moon or planet that was hit.
#include "platform/Files.h"
#include "starmap/ConstName.h"
#include "starmap/SmallCard.h"
#include "starmap/StarMap.h"

#include <cmath>
#include <cstdio>

namespace
{

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

void StarMap::SmStarCard(QPoint point, int index)
{
    MarkObject(canvas, point);
    host.Present();
    StarDB star{};
    if (ReadRecord(kStarsFile, index, star))
    {
        StarSmDlg card(host.Window(), &point, &star);
        card.Execute();
    }
}

void StarMap::SmNGCMess(QPoint point, int index)
{
    MarkObject(canvas, point);
    host.Present();
    NGCMessDB object{};
    if (ReadRecord(kNgcMessFile, index, object))
    {
        NGCMessSmDlg card(host.Window(), &point, &object);
        card.Execute();
    }
}

void StarMap::SmSunCard(QPoint point)
{
    MarkObject(canvas, point);
    host.Present();
    SunSmDlg card(host.Window(), &point, static_cast<float>(-tSol[0]), static_cast<float>(Dec[0]));
    card.Execute();
}

void StarMap::SmMoonCard(QPoint point)
{
    MarkObject(canvas, point);
    host.Present();
    MoonSmDlg card(host.Window(), &point, static_cast<float>(-tSol[1]), static_cast<float>(Dec[1]),
                   &MoonPlace);
    card.Execute();
}

void StarMap::SmPlanetCard(QPoint point, int k)
{
    MarkObject(canvas, point);
    host.Present();
    const SkyPlanet& p = Planet[k];
    SkyPlanetSmDlg card(host.Window(), &point, skybodies::kSkyPlanets[static_cast<size_t>(k)].name,
                        p.Magnitude, p.Distance,
                        skybodies::ConstellationNear(Star, StarCount, p.RA, p.Dec));
    card.Execute();
}

bool StarMap::OpenCardsAt(QPoint point)
{
    bool hit = false;
    if (FlagSol[0] && HitsMark(point, XSol[0], YSol[0]))
    {
        hit = true;
        SmSunCard(point);
    }
    if (FlagSol[1] && HitsMark(point, XSol[1], YSol[1]))
    {
        hit = true;
        SmMoonCard(point);
    }
    for (int k = 0; k < skybodies::kSkyPlanetCount; ++k)
        if (Planet[k].Drawn && HitsMark(point, Planet[k].X, Planet[k].Y))
        {
            hit = true;
            SmPlanetCard(point, k);
        }
    for (int i = 0; i < NgcMessCount; ++i)
        if (NgcMess[i].Flag && HitsMark(point, NgcMess[i].X, NgcMess[i].Y))
        {
            hit = true;
            SmNGCMess(point, i);
        }
    for (int i = 0; i < StarCount; ++i)
        if (Star[i].Flag && HitsMark(point, Star[i].X, Star[i].Y))
        {
            hit = true;
            SmStarCard(point, i);
        }
    return hit;
}
