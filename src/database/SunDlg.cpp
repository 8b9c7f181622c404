#include "database/SunDlg.h"

#include "database/AnimDlg.h"
#include "database/CardText.h"
#include "database/ViewDlg.h"
#include "platform/Help.h"
#include "platform/Hint.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace database;

namespace
{
constexpr unsigned long kHelpPhysical = 9005;
constexpr const char* kPicture = "Bitmap\\Struct\\SunStr.bmp";

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

SunDlg::SunDlg(QWidget* parent, SunDB* sun, int resId) : platform::Dialog(parent, resId), Sun(sun)
{
    setWindowTitle(QStringLiteral("Sun"));
    SunData = new QTabWidget(this);
    SetId(SunData, 3901);

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
    frame = new PictureFrame(structurePage, 3946, &picture);
    frame->setFixedSize(Dlu(0, 0, 167, 153).size());
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

    btnVideo = new QPushButton(QStringLiteral("Video"), this);
    btnView = new QPushButton(QStringLiteral("View"), this);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    SetId(btnVideo, 3504);
    SetId(btnView, 3503);
    SetId(help, 9);
    SetId(close, platform::IDOK);
    for (QPushButton* b : {btnVideo, btnView, help})
        b->setAutoDefault(false);
    close->setDefault(true);
    connect(btnVideo, &QPushButton::clicked, this, [this] { BtnVideo(); });
    connect(btnView, &QPushButton::clicked, this, [this] { BtnView(); });
    connect(help, &QPushButton::clicked, this, [this] { CmHelp(); });
    connect(close, &QPushButton::clicked, this, [this] { CmOk(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnVideo);
    buttons->addWidget(btnView);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SunData);
    layout->addLayout(buttons);
    setMinimumSize(Dlu(0, 0, 332, 227).size());
}

void SunDlg::SetupWindow()
{
    const SunTexts t = SunValues(*Sun);
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

void SunDlg::ChangePicture()
{
    picture.ChangePicture(this, kPicture);
    frame->update();
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

void SunDlg::CmOk()
{
    CloseWindow(platform::IDOK);
}

void SunDlg::CmHelp()
{
    platform::WinHelp(this, "Velmoria.hlp", platform::HELP_CONTEXT,
                      kHelpPhysical + static_cast<unsigned long>(SelectedTab()));
    update();
}

void SunDlg::BtnVideo()
{
    platform::SetHint("Viewing video of Sun");
    {
        AnimDlg dlg(this, "Video\\Sun.avi", 0);
        dlg.Execute();
    }
    platform::SetHint("Viewing Sun card");
}

void SunDlg::BtnView()
{
    platform::SetHint("Showing view of Sun");
    {
        ViewDlg dlg(this, 0, -1);
        dlg.Execute();
    }
    platform::SetHint("Viewing Sun card");
}
