#include "database/MoonDlg.h"

#include "database/CardText.h"

#include <QHBoxLayout>

using namespace database;

namespace
{
const BodyCardShape kShape{"Moon",          3801, 9012, 10, "Bitmap\\Struct\\MoonStr.bmp", 3862,
                           QSize(145, 131), false};

const char* const kOrbitalCaptions[11] = {"Distance from the Earth in Perigee (km)",
                                          "Distance from the Earth in Apogee (km)",
                                          "Eccentricity",
                                          "Inclination of orbit to ecliptic",
                                          "Inclination of equator to orbit",
                                          "Albedo",
                                          "Revolution period - sidereal (days)",
                                          "Revolution period - synodic (days)",
                                          "Object visible magnitude at opposition",
                                          "Mean angular diameter (min)",
                                          "Mean orbital velocity (km/sec)"};
const char* const kPhysicalCaptions[7] = {"Sidereal rotation period (days)",
                                          "Radius (km)",
                                          "Mass (kg)",
                                          "Density (gm/cm^3)",
                                          "Surface temperature (K)",
                                          "Gravitational acceleration (cm/sec^2)",
                                          "Escape velocity (km/sec)"};

} // namespace

MoonDlg::MoonDlg(QWidget* parent, const MoonDB& moon, int resId)
    : BodyCard(parent, resId, kShape), Moon(moon)
{
    const int orbitalIds[11] = {3814, 3815, 3816, 3817, 3819, 3820, 3821, 3822, 3823, 3824, 3825};
    const int physicalIds[7] = {3833, 3834, 3835, 3836, 3837, 3838, 3839};
    QLabel* captions[11];
    tabs->addTab(
        MakeColumnsPage(kOrbitalCaptions, 11, 6, 3803, orbitalIds, 3802, captions, orbital.data()),
        QStringLiteral("      Orbital Data       "));
    tabs->addTab(MakeColumnsPage(kPhysicalCaptions, 7, 4, 3826, physicalIds, 3802, captions,
                                 physical.data()),
                 QStringLiteral("     Physical Data       "));

    auto* structurePage = new QWidget;
    structure = new StructureTableBox(structurePage, 3840, 3847, 3850);
    auto* row = new QHBoxLayout(structurePage);
    row->addWidget(frame, 0, Qt::AlignTop);
    row->addWidget(structure, 1, Qt::AlignTop);
    tabs->addTab(structurePage, QStringLiteral(" Structured Composition  "));
    FinishLayout(QSize(371, 216));
}

void MoonDlg::SetupWindow()
{
    const MoonTexts t = MoonValues(Moon);
    for (int i = 0; i < 11; ++i)
        orbital[i]->setText(Latin1(t.orbital[i]));
    for (int i = 0; i < 7; ++i)
        physical[i]->setText(Latin1(t.physical[i]));
    structure->Fill(FillStructure(Moon.Layers, Moon.Structure));
    ChangePicture();
    tabs->setCurrentIndex(0);
}
