// The Star Map's object cards: a right click on the stopped globe opens the card of every
// object whose mark it hits, with the marker at the click while the card is open.
#include "starmap/SmallCard.h"
#include "starmap/StarMapView.h"

void StarMapView::OpenCardsAt(QPoint point)
{
    if (playing || !entered)
        return;
    for (const skyframe::Hit& hit : skyframe::HitsAt(Frame(), point.x(), point.y()))
        OpenCard(hit, point);
}

void StarMapView::OpenCard(const skyframe::Hit& hit, QPoint point)
{
    cardMarker = point;
    update();
    const SkyBodies& bodies = starmap.Bodies();
    const auto run = [](SmallCardDlg&& card) { card.Execute(); };
    switch (hit.kind)
    {
    case skyframe::Kind::Sun:
        run(SunSmDlg(this, &point, static_cast<float>(bodies.sun.ra),
                     static_cast<float>(bodies.sun.dec)));
        break;
    case skyframe::Kind::Moon:
        run(MoonSmDlg(this, &point, static_cast<float>(bodies.moon.ra),
                      static_cast<float>(bodies.moon.dec),
                      MoonOfInstant{bodies.moonPlace, bodies.deltaT}));
        break;
    case skyframe::Kind::Planet:
    {
        const PlanetOnSky& p = bodies.planets[static_cast<size_t>(hit.index)];
        run(SkyPlanetSmDlg(this, &point,
                           skybodies::kSkyPlanets[static_cast<size_t>(hit.index)].name, p.magnitude,
                           p.distance,
                           skybodies::ConstellationNear(catalogue.stars.data(),
                                                        catalogue.StarCount(), p.ra, p.dec)));
        break;
    }
    case skyframe::Kind::DeepSky:
        run(NGCMessSmDlg(this, &point, catalogue.deepSkyRecords[static_cast<size_t>(hit.index)]));
        break;
    case skyframe::Kind::Star:
        run(StarSmDlg(this, &point, catalogue.starRecords[static_cast<size_t>(hit.index)]));
        break;
    }
    cardMarker.reset();
    update();
}
