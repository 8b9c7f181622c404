#include "database/SunDlg.h"

#include "database/CardText.h"

#include <QGridLayout>
#include <QHBoxLayout>

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
    : BodyCard(parent, resId, kShape), Sun(sun)
{
    const int ids[10] = {3913, 3914, 3915, 3916, 3917, 3918, 3919, 3920, 3921, 3922};
    QLabel* captions[10];
    QWidget* physical = MakeColumnsPage(kCaptions, 10, 5, 3903, ids, 3902, captions, values.data());

    auto* structurePage = new QWidget;
    auto* elements = new QGridLayout;
    elements->addWidget(MakeStatic(structurePage, 3923, "Chemical elements :"), 0, 0, 1, 2);
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

    tabs->addTab(physical, QStringLiteral("            Physical Data             "));
    tabs->addTab(structurePage, QStringLiteral(" Structured  and Chemical Composition "));
    FinishLayout(QSize(332, 227));
}

void SunDlg::SetupWindow()
{
    const SunTexts t = SunValues(Sun);
    for (int i = 0; i < 10; ++i)
        values[i]->setText(Latin1(t.values[i]));
    for (int i = 0; i < 11; ++i)
    {
        Element[i]->setText(Latin1(t.element[i]));
        Ratio[i]->setText(Latin1(t.ratio[i]));
    }
    ChangePicture();
    tabs->setCurrentIndex(0);
}
