#include "solar/SSSetupDlg.h"

#include "platform/Bitmaps.h"
#include "platform/Help.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
constexpr int kFirstBoxId = 3000;
constexpr int kOrbits = 11;
constexpr unsigned long kHelpContext = 9001;
} // namespace

SSSetupDlg::SSSetupDlg(QWidget* parent, const SolarOptions& options, bool helio, int resId)
    : platform::Dialog(parent, resId), options(options), helio(helio)
{
    setWindowTitle(QStringLiteral("Solar System Setup"));
    auto* title = new QLabel(this);
    title->setPixmap(QPixmap::fromImage(platform::LoadBitmapResource(1202)));

    auto* group = new QGroupBox(QStringLiteral("Show Objects : "), this);
    auto make = [](QWidget* owner, const char* text, int index)
    {
        auto* box = new QCheckBox(QString::fromLatin1(text), owner);
        SetId(box, kFirstBoxId + index);
        return box;
    };
    chbSun = make(group, "Sun", 0);
    chbMercury = make(group, "Mercury", 1);
    chbVenus = make(group, "Venus", 2);
    chbEarth = make(group, "Earth", 3);
    chbMars = make(group, "Mars", 4);
    chbJupiter = make(group, "Jupiter", 5);
    chbSaturn = make(group, "Saturn", 6);
    chbUranus = make(group, "Uranus", 7);
    chbNeptune = make(group, "Neptune", 8);
    chbPluto = make(group, "Pluto", 9);
    chbComets = make(group, "Comets", 10);
    chbSwOrbits = make(this, "Show orbits", 11);
    chbSwTrails = make(this, "Show trails", 12);
    chbNames = make(this, "Names", 13);

    auto* objects = new QGridLayout(group);
    for (int i = 0; i <= 10; ++i)
        objects->addWidget(Box(i), i % 6, i / 6);

    QHBoxLayout* const buttons = MakeOkCancelHelp([this] { CmOk(); }, [this] { CmHelp(); }).Row();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(group);
    layout->addWidget(chbSwOrbits);
    layout->addWidget(chbSwTrails);
    layout->addWidget(chbNames);
    layout->addLayout(buttons);
}

QCheckBox* SSSetupDlg::Box(int index) const
{
    QCheckBox* const boxes[] = {chbSun,     chbMercury,  chbVenus,   chbEarth,   chbMars,
                                chbJupiter, chbSaturn,   chbUranus,  chbNeptune, chbPluto,
                                chbComets,  chbSwOrbits, chbSwTrails};
    return boxes[index];
}

void SSSetupDlg::SetupWindow()
{
    for (int i = 0; i < 13; ++i)
        Box(i)->setChecked(options.flags[i] && (i != kOrbits || helio));
    chbSwOrbits->setEnabled(helio);
    chbNames->setChecked(options.names != 0);
}

void SSSetupDlg::CmOk()
{
    for (int i = 0; i < 13; ++i)
        if (i != kOrbits || helio)
            options.flags[i] = Box(i)->isChecked() ? 1 : 0;
    options.names = chbNames->isChecked() ? 1 : 0;
    CloseWindow(QDialog::Accepted);
}

void SSSetupDlg::CmHelp()
{
    platform::ShowHelpTopic(this, kHelpContext);
    update();
}
