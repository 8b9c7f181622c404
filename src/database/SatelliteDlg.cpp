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
// The values that are the distance's caption and the inclination.
constexpr int kDistanceCaption = 2;
constexpr int kInclination = 5;
} // namespace

SatelliteDlg::SatelliteDlg(QWidget* parent, const SatelliteDB& satellite, const char* planetName,
                           int resId)
    : platform::Dialog(parent, resId), Satellite(satellite)
{
    if (planetName)
        std::strncpy(PlanetName, planetName, sizeof PlanetName - 1);

    for (int i = 0; i < 15; ++i)
        values[i] = MakeStatic(this, 3701 + i);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    // Left column: discovery and orbit; right column: brightness and body. The distance's
    // caption names the planet, so it is filled like a value.
    const char* const captions[15] = {"Discoverer(s)",
                                      "Discovery Year",
                                      nullptr,
                                      nullptr,
                                      "Eccentricity",
                                      "Inclination of orbit to equator (deg)",
                                      "Sidereal revolution period (days)",
                                      "Sidereal rotation period (days)",
                                      "Visual geometric albedo",
                                      "Object visible magnitude at opposition",
                                      "Mean orbital velocity (km/sec)",
                                      "Radius (km)",
                                      "Mass (kg)",
                                      "Density (gm/cm^3)",
                                      "Escape velocity (km/sec)"};
    for (int i = 0, row = 0; i < 15; ++i)
    {
        if (i == kDistanceCaption)
            continue;
        QLabel* caption = captions[i] ? MakeStatic(this, 0, captions[i]) : values[kDistanceCaption];
        if (i == kInclination)
            inclinationCaption = caption;
        AddRow(grid, row < 7 ? row : row - 7, row < 7 ? 0 : 3, caption, values[i]);
        ++row;
    }
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::VLine);
    grid->addWidget(rule, 0, 2, 7, 1);
    values[0]->setWordWrap(true);

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
    inclinationCaption->setText(Latin1(t.inclCaption));
    const std::string* texts[15] = {&t.discoverer, &t.discoveryYear, &t.lDistance, &t.distance,
                                    &t.eccent,     &t.inclOrb,       &t.sidRevol,  &t.sidRot,
                                    &t.albedo,     &t.magnit,        &t.orbVel,    &t.radius,
                                    &t.mass,       &t.dens,          &t.escapeVel};
    for (int i = 0; i < 15; ++i)
        values[i]->setText(Latin1(*texts[i]));
}
