#include "database/MoonDlg.h"

#include "database/CardText.h"

#include <QGridLayout>
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

// A page of captions and values in two columns split by a rule after `leftRows` rows.
QWidget* TwoColumns(const char* const* captions, int count, int leftRows, int firstCaption,
                    const int* valueIds, QLabel** labels, QLabel*** values, QFrame*& rule,
                    int ruleId)
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    for (int i = 0; i < count; ++i)
    {
        labels[i] = MakeStatic(page, firstCaption + i, captions[i]);
        *values[i] = MakeStatic(page, valueIds[i]);
        const bool left = i < leftRows;
        AddRow(grid, left ? i : i - leftRows, left ? 0 : 3, labels[i], *values[i]);
    }
    rule = new QFrame(page);
    rule->setFrameShape(QFrame::VLine);
    platform::Dialog::SetId(rule, ruleId);
    grid->addWidget(rule, 0, 2, leftRows, 1);
    grid->setRowStretch(leftRows, 1);
    grid->setHorizontalSpacing(12);
    return page;
}
} // namespace

MoonDlg::MoonDlg(QWidget* parent, const MoonDB& moon, int resId)
    : BodyCard(parent, resId, kShape), MoonData(tabs), Moon(moon)
{

    QLabel** orbital[11] = {&DistP,  &DistA,  &Eccent,  &InclOrb, &InclEqu, &Albedo,
                            &RevSid, &RevSin, &VisMagn, &Diam,    &Vel};
    const int orbitalIds[11] = {3814, 3815, 3816, 3817, 3819, 3820, 3821, 3822, 3823, 3824, 3825};
    QLabel** physical[7] = {&SidRot, &Radius, &Mass, &Dens, &Temp, &Grav, &EscVel};
    const int physicalIds[7] = {3833, 3834, 3835, 3836, 3837, 3838, 3839};
    MoonData->addTab(TwoColumns(kOrbitalCaptions, 11, 6, 3803, orbitalIds, OrbitalLabels.data(),
                                orbital, Separator[0], 3802),
                     QStringLiteral("      Orbital Data       "));
    MoonData->addTab(TwoColumns(kPhysicalCaptions, 7, 4, 3826, physicalIds, PhysicalLabels.data(),
                                physical, Separator[1], 3802),
                     QStringLiteral("     Physical Data       "));

    auto* structurePage = new QWidget;
    structure = new StructureTableBox(structurePage, 3840, 3847, 3850);
    auto* row = new QHBoxLayout(structurePage);
    row->addWidget(frame, 0, Qt::AlignTop);
    row->addWidget(structure, 1, Qt::AlignTop);
    MoonData->addTab(structurePage, QStringLiteral(" Structured Composition  "));
    connect(MoonData, &QTabWidget::currentChanged, this, [this] { TabSelChange(); });

    FinishLayout(QSize(371, 216));
}

void MoonDlg::SetupWindow()
{
    const MoonTexts t = MoonValues(Moon);
    QLabel* const orbital[11] = {DistP,  DistA,  Eccent,  InclOrb, InclEqu, Albedo,
                                 RevSid, RevSin, VisMagn, Diam,    Vel};
    for (int i = 0; i < 11; ++i)
        orbital[i]->setText(Latin1(t.orbital[i]));
    QLabel* const physical[7] = {SidRot, Radius, Mass, Dens, Temp, Grav, EscVel};
    for (int i = 0; i < 7; ++i)
        physical[i]->setText(Latin1(t.physical[i]));
    structure->Fill(FillStructure(Moon.Layers, Moon.Structure));
    ChangePicture();
    ShowOrbital(true);
}

void MoonDlg::TabSelChange()
{
    ShowOrbital(false);
    ShowPhysical(false);
    ShowStructure(false);
    switch (SelectedTab())
    {
    case kPhysical:
        ShowPhysical(true);
        break;
    case kStructure:
        ShowStructure(true);
        break;
    default:
        ShowOrbital(true);
        break;
    }
}

void MoonDlg::ShowOrbital(bool show)
{
    if (show)
        MoonData->setCurrentIndex(kOrbital);
}

void MoonDlg::ShowPhysical(bool show)
{
    if (show)
        MoonData->setCurrentIndex(kPhysical);
}

void MoonDlg::ShowStructure(bool show)
{
    if (show)
        MoonData->setCurrentIndex(kStructure);
    frame->update();
}
