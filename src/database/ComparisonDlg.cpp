#include "database/ComparisonDlg.h"

#include "app/NumFormat.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

using namespace database;

namespace
{
const char* const kNames[9] = {"Mercury", "Venus",  "Earth",   "Mars", "Jupiter",
                               "Saturn",  "Uranus", "Neptune", "Pluto"};

// The chart area: the axes and bars drawn behind the planet names.
class ChartArea : public QWidget
{
public:
    ChartArea(QWidget* parent, std::function<void(QPainter&)> draw)
        : QWidget(parent), draw(std::move(draw))
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        draw(p);
    }

private:
    std::function<void(QPainter&)> draw;
};

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

ComparisonDlg::ComparisonDlg(QWidget* parent, PlanetDB** planet, int resId)
    : platform::Dialog(parent, resId), Planet(planet)
{
    setWindowTitle(QStringLiteral("Comparison of Planets"));

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

    // Chart area in dialog units: the bars' frame at (28, 24), 344 x 164, the names under it,
    // 38 units wide each, from x = 28.
    chart = new ChartArea(this, [this](QPainter& p) { DrawGist(p); });
    chart->setFixedSize(Dlu(0, 0, 383, 204).size());
    frame = new QWidget(chart);
    SetId(frame, 4311);
    frame->setGeometry(Dlu(28, 24, 344, 164));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int k = 0; k < 9; ++k)
    {
        Label[k] = new QLabel(QString::fromLatin1(kNames[k]), chart);
        SetId(Label[k], 4302 + k);
        Label[k]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Label[k]->setGeometry(Dlu(28 + 38 * k, 192, 38, 10));
    }

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    SetId(close, platform::IDOK);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, [this] { CmOk(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(chart, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
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
    chart->update();
}

void ComparisonDlg::CmOk()
{
    CloseWindow(platform::IDOK);
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
    const PlanetDB* planets[9];
    for (int k = 0; k < 9; ++k)
        planets[k] = Planet[k];
    return LayoutComparison(ComparisonValues(planets, std::max(0, SelectedTab())),
                            Box{f.left(), f.top(), f.width(), f.height()}, labels);
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
    p.setFont(ChartFont(14, 5));
    for (const ComparisonBar& bar : c.bars)
    {
        const Rect& r = bar.rect;
        if (r.right > r.left && r.bottom > r.top)
            p.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), QColor(0, 0, 255));
        p.setPen(Qt::black);
        TextOut(p, bar.text.x, bar.text.y, QString::fromLatin1(bar.value.c_str()));
    }
    p.setFont(ChartFont(16, 6));
    p.setPen(Qt::black);
    TextOut(p, c.unit.x, c.unit.y, QString::fromLatin1(ComparisonUnit(std::max(0, SelectedTab()))),
            90);
}
