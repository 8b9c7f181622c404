#include "starmap/SMSetupDlg.h"

#include "platform/Bitmaps.h"
#include "platform/Help.h"
#include "starmap/Magnitude.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace
{
QLabel* Static(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

SMSetupDlg::SMSetupDlg(QWidget* parent, const StarMapOptions& given, int resId)
    : platform::Dialog(parent, resId), options(given)
{
    setWindowTitle(QStringLiteral("Star Map Setup"));
    auto* title = new QLabel(this);
    title->setPixmap(QPixmap::fromImage(platform::LoadBitmapResource(1203)));

    auto* show = new QGroupBox(QStringLiteral(" Show On Star Map : "), this);
    auto* boxes = new QVBoxLayout(show);
    auto box = [show, boxes](const char* text, int id)
    {
        auto* b = new QCheckBox(QString::fromLatin1(text), show);
        SetId(b, id);
        boxes->addWidget(b);
        return b;
    };
    chbConstLines = box("Constellation Lines", 3101);
    chbCoordGrid = box("Coordinate Grid", 3102);
    chbNGCMess = box("NGC and Messier", 3103);
    chbSolObj = box("Sun and Moon", 3104);
    chbTransparent = box("Transparent Sphere", 3105);
    chbPlanets = box("Planets", 3108);
    chbNames = box("Names", 3109);

    auto* limit = new QGroupBox(QStringLiteral(" Limiting Magnitude : "), this);
    sbMagn = new QScrollBar(Qt::Horizontal, limit);
    SetId(sbMagn, 3106);
    sbMagn->setMinimumWidth(Dlu(0, 0, 100, 0).width());
    sbMagn->setPageStep(10);
    txtMagn = new QLabel(limit);
    SetId(txtMagn, 3107);
    txtMagn->setAlignment(Qt::AlignCenter);
    auto* grid = new QGridLayout(limit);
    grid->addWidget(Static("What Magnitude ?", limit), 0, 0, 1, 3);
    grid->addWidget(Static("--", limit), 1, 0);
    grid->addWidget(sbMagn, 1, 1);
    grid->addWidget(Static("+", limit), 1, 2);
    grid->addWidget(txtMagn, 2, 1);
    connect(sbMagn, &QScrollBar::valueChanged, this, [this] { sbChange(); });
    connect(sbMagn, &QScrollBar::sliderMoved, this, [this] { sbChange(); });

    QHBoxLayout* const buttons =
        MakeOkCancelHelp([this] { CmOk(); }, [this] { platform::ShowHelpTopic(this, 9002); }).Row();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(show);
    layout->addWidget(limit);
    layout->addLayout(buttons);
}

QCheckBox* SMSetupDlg::Box(int index) const
{
    QCheckBox* const boxes[] = {chbConstLines, chbCoordGrid, chbNGCMess, chbSolObj, chbTransparent};
    return boxes[index];
}

void SMSetupDlg::SetupWindow()
{
    for (int i = 0; i < 5; ++i)
        Box(i)->setChecked(options.layers.Check[i] != 0);
    chbPlanets->setChecked(options.planets != 0);
    chbNames->setChecked(options.names != 0);
    const float limit = options.layers.SelectMagn;
    const int position = magnitude::PositionOf(limit);
    {
        // The label is set from the stored limit below, not from the position.
        const QSignalBlocker quiet(sbMagn);
        sbMagn->setRange(magnitude::kMinPosition, magnitude::kMaxPosition);
        sbMagn->setValue(position);
    }
    // A limit the bar cannot show (only a damaged configuration holds one) is shown as the
    // bar's value, so that OK stores what the user sees.
    const bool shown = limit >= -2.0f && limit <= 12.0f;
    txtMagn->setText(QString::fromStdString(shown ? magnitude::LabelOf(limit)
                                                  : magnitude::LabelOfPosition(position)));
}

void SMSetupDlg::sbChange()
{
    txtMagn->setText(QString::fromStdString(magnitude::LabelOfPosition(sbMagn->sliderPosition())));
}

void SMSetupDlg::CmOk()
{
    for (int i = 0; i < 5; ++i)
        options.layers.Check[i] = Box(i)->isChecked() ? 1 : 0;
    options.planets = chbPlanets->isChecked() ? 1 : 0;
    options.names = chbNames->isChecked() ? 1 : 0;
    options.layers.SelectMagn = magnitude::ReadLabel(txtMagn->text().toStdString());
    CloseWindow(QDialog::Accepted);
}
