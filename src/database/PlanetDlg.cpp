#include "database/PlanetDlg.h"

#include "database/AnimDlg.h"
#include "database/CardText.h"
#include "database/MoonDlg.h"
#include "database/RingDlg.h"
#include "database/SatelliteDlg.h"
#include "database/ViewDlg.h"
#include "database/ViewList.h"
#include "platform/Help.h"
#include "platform/Hint.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

using namespace database;

namespace
{
constexpr uint8_t kMercury = 1;
constexpr uint8_t kEarth = 3;
constexpr unsigned long kHelpOrbital = 9007;

const char* const kTabs[] = {"      Orbital Data       ", "     Physical Data       ",
                             " Atmospheric Composition ", " Structured Composition  "};

const char* const kOrbitalCaptions[13] = {"Semimajor Axis (a.u.)",
                                          "Semimajor Axis (10^6 km)",
                                          "Eccentricity",
                                          "Inclination of orbit to ecliptic (deg)",
                                          "Revolution period - sidereal (days)",
                                          "Revolution period - synodic (days)",
                                          "Mean daily motion (deg)",
                                          "Angular diameter at closest approach (min)",
                                          "Visual geometric albedo",
                                          "Object visible magnitude at opposition",
                                          "Mean orbital velocity (km/sec)",
                                          "Distance from Sun - min (10^6 km)",
                                          "Distance from Sun - max (10^6 km)"};

// Captions 0, 1, 7 and 10 are set from the values.
const char* const kPhysicalCaptions[12] = {"",
                                           "",
                                           "Inclination of equator to orbit (deg)",
                                           "Radius - equatorial (km)",
                                           "Radius - polar (km)",
                                           "Mass (kg)",
                                           "Density (gm/cm^3)",
                                           "",
                                           "Gravitational acceleration (cm/sec^2)",
                                           "Escape velocity (km/sec)",
                                           "",
                                           "Rings"};

// Part colours of the atmosphere chart: light blue, green, cyan, magenta.
const QColor kPartColours[kMaxAtmosphereParts] = {QColor(0, 0, 255), QColor(0, 255, 0),
                                                  QColor(0, 255, 255), QColor(255, 0, 255)};
} // namespace

PlanetDlg::PlanetDlg(QWidget* parent, const database::PlanetData& data, int resId)
    : platform::Dialog(parent, resId), data(data)
{
    PlanetData = new QTabWidget(this);
    SetId(PlanetData, 3501);
    QWidget* const pages[] = {BuildOrbital(), BuildPhysical(), BuildAtmosphere(), BuildStructure()};
    for (int tab = 0; tab < 4; ++tab)
        PlanetData->addTab(pages[tab], QString::fromLatin1(kTabs[tab]));
    connect(PlanetData, &QTabWidget::currentChanged, this, [this] { ButtonEnabler(); });

    auto button = [this](const char* text, int id, void (PlanetDlg::*command)())
    {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        SetId(b, id);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, command);
        return b;
    };
    btnView = button("View", 3503, &PlanetDlg::BtnView);
    btnVideo = button("Video", 3504, &PlanetDlg::BtnVideo);
    btnRing = button("Ring Data", 3606, &PlanetDlg::ShowRingData);
    btnSatellite = button("Satellite Data", 3607, &PlanetDlg::ShowSatelliteData);

    QHBoxLayout* buttons = MakeHelpCloseRow(this, [this] { CmHelp(); });
    for (QPushButton* b : {btnRing, btnSatellite, btnVideo, btnView})
        buttons->insertWidget(0, b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PlanetData);
    layout->addLayout(buttons);
    setMinimumSize(Dlu(0, 0, 394, 249).size());
    AddPictureCommands(this);
}

QWidget* PlanetDlg::BuildOrbital()
{
    const int ids[13] = {3518, 3519, 3520, 3521, 3522, 3523, 3524,
                         3525, 3526, 3527, 3528, 3529, 3530};
    QLabel* captions[13];
    // Seven rows on the left, six on the right of the rule.
    return MakeColumnsPage(kOrbitalCaptions, 13, 7, 3505, ids, 3502, captions,
                           orbitalValues.data());
}

QWidget* PlanetDlg::BuildPhysical()
{
    // Left: rotation, inclination, radii, mass, density; right: temperature, gravity, escape
    // velocity; under both the satellites and the rings with their lists.
    const int ids[12] = {3543, 3544, 3545, 3547, 3546, 3548, 3549, 3550, 3551, 3552, 3553, 3554};
    QGridLayout* grid = nullptr;
    QWidget* page = MakeColumnsPage(kPhysicalCaptions, 10, 7, 3531, ids, 3502,
                                    physicalCaptions.data(), physicalValues.data(), &grid);
    for (int i = 10; i < 12; ++i)
    {
        physicalCaptions[i] = MakeStatic(page, 3531 + i, kPhysicalCaptions[i]);
        physicalValues[i] = MakeStatic(page, ids[i]);
    }

    lbSat = new QListWidget(page);
    lbRings = new QListWidget(page);
    SetId(lbSat, 3555);
    SetId(lbRings, 3556);
    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(12);
    AddRow(lists, 0, 0, physicalCaptions[10], physicalValues[10]);
    AddRow(lists, 0, 3, physicalCaptions[11], physicalValues[11]);
    lists->addWidget(lbSat, 1, 0, 1, 2);
    lists->addWidget(lbRings, 1, 3, 1, 2);
    lists->setColumnMinimumWidth(2, 12);
    grid->addLayout(lists, 8, 0, 1, 5);
    for (QListWidget* lb : {lbSat, lbRings})
    {
        lb->setSelectionMode(QAbstractItemView::SingleSelection);
        lb->setMinimumHeight(lb->fontMetrics().height() * 6);
        connect(lb, &QListWidget::itemSelectionChanged, this, [this] { ButtonEnabler(); });
    }
    connect(lbSat, &QListWidget::itemDoubleClicked, this, [this] { ShowSatelliteData(); });
    connect(lbRings, &QListWidget::itemDoubleClicked, this, [this] { ShowRingData(); });
    grid->setRowStretch(7, 0);
    grid->setRowMinimumHeight(7, 8);
    grid->setRowStretch(8, 1);
    return page;
}

QWidget* PlanetDlg::BuildAtmosphere()
{
    auto* page = new PaintedPage([this](QPainter& p) { DrawGist(p); });
    atmospherePage = page;
    gframe = new QWidget(page);
    SetId(gframe, 3605);
    gframe->setMinimumSize(Dlu(0, 0, 190, 150).size());

    NoAtm = MakeStatic(page, 3603, "Atmosphere is extremely thin");
    QFont big(QStringLiteral("MS Serif"));
    big.setStyleHint(QFont::Serif);
    big.setPixelSize(32);
    NoAtm->setFont(big);
    NoAtm->setWordWrap(true);
    NoAtm->setAlignment(Qt::AlignCenter);

    pressureBox = new QGroupBox(page);
    SetId(pressureBox, 3579);
    auto* pressureRow = new QHBoxLayout(pressureBox);
    pressureRow->addWidget(MakeStatic(pressureBox, 3581, "Surface atmosphere pressure (bars)"));
    Pressure = MakeStatic(pressureBox, 3582);
    pressureRow->addStretch();
    pressureRow->addWidget(Pressure);

    auto* elementsBox = new QGroupBox(QStringLiteral(" Chemical Elements "), page);
    SetId(elementsBox, 3580);
    auto* elements = new QGridLayout(elementsBox);
    // Column 0 leaves room for the legend squares, which the page draws.
    elements->setColumnMinimumWidth(0, fontMetrics().height() + 12);
    for (int i = 0; i < 9; ++i)
    {
        Element[i] = MakeStatic(elementsBox, 3583 + i);
        Ratio[i] = MakeStatic(elementsBox, 3592 + i);
        Ratio[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        elements->addWidget(Element[i], i, 1);
        elements->addWidget(Ratio[i], i, 2);
    }
    Other = MakeStatic(elementsBox, 3602);
    Other->setWordWrap(true);
    elements->addWidget(MakeStatic(elementsBox, 3601, "Other elements :"), 9, 1);
    elements->addWidget(Other, 9, 2);
    elements->setColumnStretch(2, 1);
    elements->setRowStretch(10, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(pressureBox);
    right->addWidget(elementsBox, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(gframe, 1);
    row->addSpacing(12);
    row->addLayout(right);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(NoAtm);
    layout->addLayout(row, 1);
    return page;
}

QWidget* PlanetDlg::BuildStructure()
{
    auto* page = new QWidget;
    QWidget* sframe = MakePictureFrame(page, 3604, &picture, Dlu(0, 0, 150, 150).size());
    structure = new StructureTableBox(page, 3557, 3564, 3567);
    auto* row = new QHBoxLayout(page);
    row->addWidget(sframe, 0, Qt::AlignTop);
    row->addWidget(structure, 1, Qt::AlignTop);
    return page;
}

void PlanetDlg::SetupWindow()
{
    const uint8_t number = data.planet.PlanetNumber;
    Name = KnownPlanet() ? VideoFile(number) : "";
    const std::string name = FieldText(data.planet.PlanetName, sizeof data.planet.PlanetName);
    setWindowTitle(Latin1("Planet " + std::to_string(number) + " - [ " + name + " ]"));

    const auto orbital = PlanetOrbitalValues(data.planet);
    for (int i = 0; i < 13; ++i)
        orbitalValues[i]->setText(Latin1(orbital[i]));
    const PlanetPhysical physical = PlanetPhysicalValues(data.planet, CountRings(data.rings));
    for (int i = 0; i < 12; ++i)
        physicalValues[i]->setText(Latin1(physical.values[i]));
    physicalCaptions[0]->setText(Latin1(physical.rotSidCaption));
    physicalCaptions[1]->setText(Latin1(physical.rotSinCaption));
    physicalCaptions[7]->setText(Latin1(physical.tempCaption));
    physicalCaptions[10]->setText(Latin1(physical.satCaption));

    FillLists();
    structure->Fill(FillStructure(data.planet.Layer, data.planet.Structure));
    if (KnownPlanet())
    {
        const std::string path = std::string("Bitmap\\Struct\\") + ViewName(number) + "Str.bmp";
        picture.ChangePicture(this, path.c_str());
    }
    FillAtmosphere();
    KeepOneSize();
    PlanetData->setCurrentIndex(kOrbital);
    ButtonEnabler();
}

void PlanetDlg::FillLists()
{
    lbSat->clear();
    if (data.planet.PlanetNumber == kEarth)
        lbSat->addItem(QStringLiteral("Moon"));
    else
        for (int i = 0; i < ListedSatellites(); ++i)
        {
            const SatelliteDB& s = data.satellites[size_t(i)];
            lbSat->addItem(Latin1(FieldText(s.SatelName, sizeof s.SatelName)));
        }
    lbRings->clear();
    for (int i = 0; i < ListedRings(); ++i)
    {
        const RingDB& r = data.rings[size_t(i)];
        lbRings->addItem(Latin1(FieldText(r.Name, sizeof r.Name)));
    }
    // The caret on the first entry, nothing selected yet.
    for (QListWidget* lb : {lbSat, lbRings})
    {
        lb->setCurrentRow(0);
        lb->clearSelection();
    }
}

void PlanetDlg::FillAtmosphere()
{
    const AtmosphereTexts atm = PlanetAtmosphere(data.planet);
    elements = atm.elements;
    Pressure->setText(Latin1(atm.pressure));
    for (int i = 0; i < 9; ++i)
    {
        Element[i]->setText(Latin1(atm.element[i]));
        Ratio[i]->setText(Latin1(atm.ratio[i]));
        Element[i]->setVisible(i < elements);
        Ratio[i]->setVisible(i < elements);
    }
    Other->setText(Latin1(atm.other));
    NoAtm->setVisible(data.planet.PlanetNumber == kMercury);
}

// The tab control asks for the size of the page it shows, and the card takes the size its
// contents ask for: the control keeps the largest page's size, so that the card keeps one size
// on every page and its buttons stay where they are.
void PlanetDlg::KeepOneSize()
{
    QSize largest;
    for (int tab = 0; tab < PlanetData->count(); ++tab)
    {
        PlanetData->setCurrentIndex(tab);
        largest = largest.expandedTo(PlanetData->sizeHint());
    }
    PlanetData->setMinimumSize(largest);
}

void PlanetDlg::ButtonEnabler()
{
    const bool physical = SelectedTab() == kPhysical;
    btnVideo->setEnabled(!Name.empty());
    // A record damaged to a number outside the nine planets has no picture of its own.
    btnView->setEnabled(KnownPlanet());
    lbSat->setEnabled(data.planet.Satellites != 0);
    lbRings->setEnabled(data.planet.Rings != 0);
    btnSatellite->setEnabled(data.planet.Satellites != 0 && physical &&
                             !lbSat->selectedItems().isEmpty());
    btnRing->setEnabled(data.planet.Rings != 0 && physical && !lbRings->selectedItems().isEmpty());
}

void PlanetDlg::CmHelp()
{
    platform::ShowHelpTopic(this, kHelpOrbital + static_cast<unsigned long>(SelectedTab()));
    update();
}

void PlanetDlg::BtnVideo()
{
    if (Name.empty())
        return;
    platform::SetHint("Viewing video of Planet");
    {
        AnimDlg dlg(this, Name.c_str(), data.planet.PlanetNumber);
        dlg.Execute();
    }
    platform::SetHint("Viewing Planet card");
}

void PlanetDlg::BtnView()
{
    if (!KnownPlanet())
        return;
    platform::SetHint("Showing view of Planet");
    {
        ViewDlg dlg(this, data.planet.PlanetNumber, -1);
        dlg.Execute();
    }
    platform::SetHint("Viewing Planet card");
}

void PlanetDlg::ShowSatelliteData()
{
    const int index = lbSat->currentRow();
    if (data.planet.Satellites == 0 || lbSat->selectedItems().isEmpty() || index < 0)
        return;
    if (data.planet.PlanetNumber == kEarth)
    {
        if (!data.isEarth)
            return;
        platform::SetHint("Viewing Moon card");
        MoonDlg dlg(this, data.moon);
        dlg.Execute();
    }
    else
    {
        if (index >= ListedSatellites())
            return;
        platform::SetHint("Viewing Satellite card");
        SatelliteDlg dlg(this, data.satellites[size_t(index)],
                         FieldText(data.planet.PlanetName, sizeof data.planet.PlanetName).c_str());
        dlg.Execute();
    }
    platform::SetHint("Viewing Planet card");
}

void PlanetDlg::ShowRingData()
{
    const int index = lbRings->currentRow();
    if (lbRings->selectedItems().isEmpty() || index < 0 || index >= ListedRings())
        return;
    platform::SetHint("Viewing Ring card");
    RingDlg dlg(this, data.rings[size_t(index)]);
    dlg.Execute();
    platform::SetHint("Viewing Planet card");
}

bool PlanetDlg::KnownPlanet() const
{
    return data.planet.PlanetNumber >= 1 && data.planet.PlanetNumber <= kPlanetCount;
}

int PlanetDlg::ListedSatellites() const
{
    return std::min(int(data.planet.Satellites), int(data.satellites.size()));
}

int PlanetDlg::ListedRings() const
{
    return std::min(int(data.planet.Rings), int(data.rings.size()));
}

void PlanetDlg::DrawGist(QPainter& p) const
{
    const QRect g = gframe->geometry();
    const AtmosphereChart chart =
        LayoutAtmosphere(data.planet, Box{g.left(), g.top(), g.width(), g.height()}, elements);
    for (size_t i = 0; i < chart.bars.size(); ++i)
        FillRect(p, chart.bars[i], kPartColours[i]);
    // Legend squares beside the shown constituents, in the colour of the last bar drawn.
    const int left = pressureBox->geometry().left() + 10;
    const int side = Ratio[0]->height();
    for (size_t i = 0; i < chart.legend.size(); ++i)
    {
        const int top = Ratio[i]->mapTo(atmospherePage, QPoint(0, 0)).y();
        const int part = chart.legend[i];
        const Rect square{left, top, left + side, top + side};
        if (part >= 0)
            FillRect(p, square, kPartColours[part]);
        else
        {
            p.setPen(Qt::black);
            p.setBrush(Qt::white);
            p.drawRect(QRect(left, top, side - 1, side - 1));
        }
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    QPoint axes[4];
    for (int i = 0; i < 4; ++i)
        axes[i] = QPoint(chart.axes[i].x, chart.axes[i].y);
    p.drawPolyline(axes, 4);
}
