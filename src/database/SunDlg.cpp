#include "database/SunDlg.h"

#include "database/CardText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace database;

namespace
{
const BodyCardShape kShape{"Sun",           3901, 9005, 0, "Bitmap\\Struct\\SunStr.bmp", 3946,
                           QSize(167, 153), true};

const char* const kCaptions[10] = {"Rotation period (days)",
                                   "Mass (kg)",
                                   "Density (gm/cm^3)",
                                   "Radius (km)",
                                   "Surface temperature (K)",
                                   "Visual / absolute magnitude",
                                   "Escape velocity (km/sec)",
                                   "Luminosity (ergs/sec)",
                                   "Spectral type",
                                   "Age (billion years)"};
} // namespace

SunDlg::SunDlg(QWidget* parent, const SunDB& sun, int resId)
    : BodyCard(parent, resId, kShape), SunData(tabs), Sun(sun)
{

    auto* physical = new QWidget;
    auto* grid = new QGridLayout(physical);
    QLabel** values[10] = {&RotPer, &Mass,   &Dens, &Radius, &Temp,
                           &Magn,   &EscVel, &Lum,  &Spectr, &Age};
    for (int i = 0; i < 10; ++i)
    {
        PhysicalLabels[i] = MakeStatic(physical, 3903 + i, kCaptions[i]);
        *values[i] = MakeStatic(physical, 3913 + i);
        AddRow(grid, i < 5 ? i : i - 5, i < 5 ? 0 : 3, PhysicalLabels[i], *values[i]);
    }
    Separator = new QFrame(physical);
    Separator->setFrameShape(QFrame::VLine);
    SetId(Separator, 3902);
    grid->addWidget(Separator, 0, 2, 5, 1);
    grid->setRowStretch(5, 1);
    grid->setHorizontalSpacing(12);

    auto* structurePage = new QWidget;
    auto* elements = new QGridLayout;
    LElement = MakeStatic(structurePage, 3923, "Chemical elements :");
    elements->addWidget(LElement, 0, 0, 1, 2);
    for (int i = 0; i < 11; ++i)
    {
        Element[i] = MakeStatic(structurePage, 3924 + i);
        Ratio[i] = MakeStatic(structurePage, 3935 + i);
        AddRow(elements, 1 + i, 0, Element[i], Ratio[i]);
    }
    elements->setRowStretch(12, 1);
    auto* row = new QHBoxLayout(structurePage);
    row->addWidget(frame, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(elements, 1);

    SunData->addTab(physical, QStringLiteral("            Physical Data             "));
    SunData->addTab(structurePage, QStringLiteral(" Structured  and Chemical Composition "));
    connect(SunData, &QTabWidget::currentChanged, this, [this] { TabSelChange(); });
    FinishLayout(QSize(332, 227));
}

void SunDlg::SetupWindow()
{
    const SunTexts t = SunValues(Sun);
    QLabel* const values[10] = {RotPer, Mass, Dens, Radius, Temp, Magn, EscVel, Lum, Spectr, Age};
    for (int i = 0; i < 10; ++i)
        values[i]->setText(Latin1(t.values[i]));
    for (int i = 0; i < 11; ++i)
    {
        Element[i]->setText(Latin1(t.element[i]));
        Ratio[i]->setText(Latin1(t.ratio[i]));
    }
    ChangePicture();
    ShowPhysical(true);
}

void SunDlg::TabSelChange()
{
    ShowPhysical(false);
    ShowStructure(false);
    if (SelectedTab() == kStructure)
        ShowStructure(true);
    else
        ShowPhysical(true);
}

void SunDlg::ShowPhysical(bool show)
{
    if (show)
        SunData->setCurrentIndex(kPhysical);
}

void SunDlg::ShowStructure(bool show)
{
    if (show)
        SunData->setCurrentIndex(kStructure);
    frame->update();
}
