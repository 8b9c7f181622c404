#include "database/ComparisonDlg.h"

#include "database/CardWidgets.h"
#include "database/ViewList.h"
#include "platform/PictureExport.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

using namespace database;

namespace
{
constexpr unsigned long kHelpContext = 9019;

// "Arial" of the given pixel height with characters about `width` pixels wide on average.
QFont ChartFont(int height, int width)
{
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(height);
    f.setWeight(QFont::Normal);
    const int average = QFontMetrics(f).averageCharWidth();
    if (average > width)
        f.setStretch(std::max(60, width * 100 / average));
    return f;
}

// Text centred on (x, y) along its run with its baseline through the point, turned
// anticlockwise by `degrees`.
void TextOut(QPainter& p, int x, int y, const QString& text, int degrees = 0)
{
    p.save();
    p.translate(x, y);
    p.rotate(-degrees);
    p.drawText(-p.fontMetrics().horizontalAdvance(text) / 2, 0, text);
    p.restore();
}
} // namespace

ComparisonDlg::ComparisonDlg(QWidget* parent, const std::array<PlanetDB, kPlanetCount>& planets,
                             int resId)
    : platform::Dialog(parent, resId), planets(planets)
{
    setWindowTitle(QStringLiteral("Comparison of Planets"));
    for (int t = 0; t < kComparisonTabs; ++t)
        LogScale[t] = LogScaleByDefault(t);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildTabs());
    layout->addWidget(BuildChart(), 0, Qt::AlignHCenter);
    chbLog = new QCheckBox(QStringLiteral("&Logarithmic scale"), this);
    SetId(chbLog, kIdLogScale);
    chbLog->setToolTip(QStringLiteral("Each grey line stands for ten times the one below it, so "
                                      "that small and large values can be seen side by side"));
    connect(chbLog, &QCheckBox::toggled, this, [this] { CmLogScale(); });
    QHBoxLayout* buttons = MakeHelpCloseRow(this, kHelpContext);
    buttons->insertWidget(0, chbLog);
    layout->addLayout(buttons);
    platform::AddPictureCommands(
        this, {[this] { return ChartTitle(); },
               [this] { return windowTitle() + QStringLiteral(" - ") + ChartCaption(); }});
}

QWidget* ComparisonDlg::BuildTabs()
{
    // The eight tabs in two rows, one selected at a time.
    auto* tabs = new QWidget(this);
    SetId(tabs, 4301);
    auto* tabGrid = new QGridLayout(tabs);
    tabGrid->setContentsMargins(0, 0, 0, 0);
    tabGrid->setSpacing(2);
    Comp = new QButtonGroup(this);
    Comp->setExclusive(true);
    for (int t = 0; t < kComparisonTabs; ++t)
    {
        auto* tab = new QPushButton(QString::fromLatin1(ComparisonCaption(t)), tabs);
        tab->setCheckable(true);
        tab->setAutoDefault(false);
        tab->setFocusPolicy(Qt::TabFocus);
        Comp->addButton(tab, t);
        tabGrid->addWidget(tab, t / 4, t % 4);
    }
    connect(Comp, &QButtonGroup::idClicked, this, [this] { TabSelChange(); });
    return tabs;
}

QWidget* ComparisonDlg::BuildChart()
{
    // Chart area in dialog units: the bars' frame at (52, 24), 344 x 164, the names under it,
    // 38 units wide each, from x = 52. Left of the frame stand the unit and, on a logarithmic
    // scale, the powers of ten.
    chart = new PaintedPage([this](QPainter& p) { DrawGist(p); }, this);
    chart->setFixedSize(Dlu(0, 0, 407, 204).size());
    frame = new QWidget(chart);
    SetId(frame, 4311);
    frame->setGeometry(Dlu(52, 24, 344, 164));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int k = 0; k < 9; ++k)
    {
        Label[k] = new QLabel(QString::fromLatin1(ViewName(k + 1)), chart);
        SetId(Label[k], 4302 + k);
        Label[k]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Label[k]->setGeometry(Dlu(52 + 38 * k, 192, 38, 10));
    }
    // Pluto is a dwarf planet (IAU resolutions 5A and 6A, 2006); it stays here as the ninth body.
    Label[8]->setToolTip(QStringLiteral("Pluto is a dwarf planet (since 2006)"));
    return chart;
}

QString ComparisonDlg::ChartCaption() const
{
    return QString::fromLatin1(ComparisonCaption(SelectedTab())).trimmed();
}

QString ComparisonDlg::ChartTitle() const
{
    QStringList parts{windowTitle(), ChartCaption()};
    if (Scale() == ChartScale::Logarithmic)
        parts << QStringLiteral("logarithmic scale");
    return parts.join(QStringLiteral(" \u2014 "));
}

void ComparisonDlg::SetupWindow()
{
    SelectTab(0);
}

void ComparisonDlg::SelectTab(int tab)
{
    if (QAbstractButton* b = Comp->button(tab))
        b->setChecked(true);
    TabSelChange();
}

void ComparisonDlg::TabSelChange()
{
    const QSignalBlocker quiet(chbLog);
    chbLog->setChecked(LogScale[SelectedTab()]);
    chart->update();
}

void ComparisonDlg::CmLogScale()
{
    LogScale[SelectedTab()] = chbLog->isChecked();
    chart->update();
}

ChartScale ComparisonDlg::Scale() const
{
    return LogScale[SelectedTab()] ? ChartScale::Logarithmic : ChartScale::Linear;
}

ComparisonChart ComparisonDlg::Layout() const
{
    const QRect f = frame->geometry();
    std::array<Box, 9> labels{};
    for (int k = 0; k < 9; ++k)
    {
        const QRect r = Label[k]->geometry();
        labels[k] = Box{r.left(), r.top(), r.width(), r.height()};
    }
    return LayoutComparison(ComparisonValues(planets, SelectedTab()),
                            Box{f.left(), f.top(), f.width(), f.height()}, labels, Scale());
}

void ComparisonDlg::DrawGist(QPainter& p) const
{
    const QRect f = frame->geometry();
    // The axes: the vertical line with its tick at the top, and the baseline.
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(f.left(), f.top(), f.left(), f.top() + f.height() - 1);
    p.drawLine(f.left(), f.top(), f.left() + Dlu(0, 0, 5, 0).width(), f.top());
    p.drawLine(f.left(), f.top() + f.height() - 1, f.left() + f.width() - 1,
               f.top() + f.height() - 1);

    const ComparisonChart c = Layout();
    // The powers of ten: a grey line across the frame behind the bars, its label left of the
    // axis.
    p.setFont(ChartFont(12, 5));
    for (const ChartTick& tick : c.ticks)
    {
        p.setPen(QPen(QColor(192, 192, 192), 1, Qt::DotLine));
        p.drawLine(f.left() + 1, tick.y, f.left() + f.width() - 1, tick.y);
        p.setPen(Qt::black);
        p.drawLine(f.left() - 3, tick.y, f.left(), tick.y);
        const QString label = QString::fromStdString(PowerOfTen(tick.exponent));
        const int width = p.fontMetrics().horizontalAdvance(label);
        p.drawText(f.left() - 5 - width, tick.y + p.fontMetrics().ascent() / 2, label);
    }
    p.setFont(ChartFont(14, 5));
    for (const ComparisonBar& bar : c.bars)
    {
        FillRect(p, bar.rect, QColor(0, 0, 255));
        p.setPen(Qt::black);
        TextOut(p, bar.text.x, bar.text.y, QString::fromStdString(bar.value));
    }
    p.setFont(ChartFont(16, 6));
    p.setPen(Qt::black);
    TextOut(p, c.unit.x, c.unit.y, QString::fromLatin1(ComparisonUnit(SelectedTab())), 90);
}
