#include "database/SatelliteDlg.h"

#include "database/CardText.h"
#include "database/CardWidgets.h"

#include <QGridLayout>
#include <QVBoxLayout>
#include <cstring>

using namespace database;

namespace
{
constexpr unsigned long kHelpContext = 9011;
} // namespace

SatelliteDlg::SatelliteDlg(QWidget* parent, const SatelliteDB& satellite, const char* planetName,
                           int resId)
    : platform::Dialog(parent, resId), Satellite(satellite)
{
    if (planetName)
        std::strncpy(PlanetName, planetName, sizeof PlanetName - 1);

    QLabel** values[15] = {&Discoverer, &DiscoveryYear, &LDistance, &Distance, &Eccent,
                           &InclOrb,    &SidRevol,      &SidRot,    &Albedo,   &Magnit,
                           &OrbVel,     &Radius,        &Mass,      &Dens,     &EscapeVel};
    for (int i = 0; i < 15; ++i)
        *values[i] = MakeStatic(this, 3701 + i);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    // Left column: discovery and orbit; right column: brightness and body.
    const char* const left[] = {"Discoverer(s)",
                                "Discovery Year",
                                nullptr,
                                "Eccentricity",
                                "Inclination of orbit to equator (deg)",
                                "Sidereal revolution period (days)",
                                "Sidereal rotation period (days)"};
    QLabel* const leftValues[] = {Discoverer, DiscoveryYear, Distance, Eccent,
                                  InclOrb,    SidRevol,      SidRot};
    for (int i = 0; i < 7; ++i)
    {
        QLabel* caption = left[i] ? MakeStatic(this, 0, left[i]) : LDistance;
        if (leftValues[i] == InclOrb)
            LInclOrb = caption;
        AddRow(grid, i, 0, caption, leftValues[i]);
    }
    const char* const right[] = {"Visual geometric albedo",
                                 "Object visible magnitude at opposition",
                                 "Mean orbital velocity (km/sec)",
                                 "Radius (km)",
                                 "Mass (kg)",
                                 "Density (gm/cm^3)",
                                 "Escape velocity (km/sec)"};
    QLabel* const rightValues[] = {Albedo, Magnit, OrbVel, Radius, Mass, Dens, EscapeVel};
    for (int i = 0; i < 7; ++i)
        AddRow(grid, i, 3, MakeStatic(this, 0, right[i]), rightValues[i]);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::VLine);
    grid->addWidget(rule, 0, 2, 7, 1);
    Discoverer->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(MakeHelpCloseRow(this, kHelpContext));
    AddPictureCommands(this);
}

void SatelliteDlg::SetupWindow()
{
    const SatelliteTexts t = SatelliteValues(Satellite, PlanetName);
    setWindowTitle(Latin1(t.caption));
    LInclOrb->setText(Latin1(t.inclCaption));
    const std::string* texts[15] = {&t.discoverer, &t.discoveryYear, &t.lDistance, &t.distance,
                                    &t.eccent,     &t.inclOrb,       &t.sidRevol,  &t.sidRot,
                                    &t.albedo,     &t.magnit,        &t.orbVel,    &t.radius,
                                    &t.mass,       &t.dens,          &t.escapeVel};
    QLabel* const labels[15] = {Discoverer, DiscoveryYear, LDistance, Distance, Eccent,
                                InclOrb,    SidRevol,      SidRot,    Albedo,   Magnit,
                                OrbVel,     Radius,        Mass,      Dens,     EscapeVel};
    for (int i = 0; i < 15; ++i)
        labels[i]->setText(Latin1(*texts[i]));
}
