// The comparison charts as a student reads them: numbers in plain digits or powers of ten, the
// logarithmic scale and its check box, and the picture commands every card carries.
#include "SampleRecords.h"
#include "common/TestSupport.h"
#include "database/CardWidgets.h"
#include "database/Charts.h"
#include "database/ComparisonDlg.h"
#include "platform/PictureExport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QVBoxLayout>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{
using namespace database;

TEST(ReadableNumber, WritesThreeFiguresInPlainDigitsOrAsAPowerOfTen)
{
    // Expected texts written by hand from the values, rounded to three significant figures and
    // keeping them all, trailing zeros too.
    const struct
    {
        double value;
        const char* text;
    } cases[] = {{69173.0, "69,200"},
                 {4332.59, "4,330"},
                 {999499.0, "999,000"},
                 {87.969, "88.0"},
                 {29.78, "29.8"},
                 {1.0, "1.00"},
                 {5.5, "5.50"},
                 {0.3871, "0.387"},
                 {0.01, "0.0100"},
                 {0.0, "0"},
                 {-273.15, "-273"},
                 {999600.0, "1.00 × 10⁶"},
                 {1234567.0, "1.23 × 10⁶"},
                 {3.302e23, "3.30 × 10²³"},
                 {4.8673e24, "4.87 × 10²⁴"},
                 {1.8986e27, "1.90 × 10²⁷"},
                 {0.00999, "9.99 × 10⁻³"},
                 {std::numeric_limits<double>::quiet_NaN(), ""}};
    for (const auto& c : cases)
        EXPECT_EQ(ReadableNumber(c.value), c.text) << c.value;
    EXPECT_EQ(PowerOfTen(10), "10¹⁰");
    EXPECT_EQ(PowerOfTen(-14), "10⁻¹⁴");
}

std::array<Box, 9> Labels()
{
    std::array<Box, 9> labels{};
    for (int k = 0; k < 9; ++k)
        labels[k] = Box{10 + 20 * k, 125, 20, 10};
    return labels;
}

// The planets' mean distances from the Sun in astronomical units, Mercury to Pluto.
constexpr std::array<float, 9> kDistances{0.387f, 0.723f, 1.0f,   1.524f, 5.203f,
                                          9.537f, 19.19f, 30.07f, 39.48f};

TEST(LogarithmicChart, BarsRiseWithThePowerOfTenAboveAFootHalfAPowerBelowTheSmallest)
{
    // Frame 100 high from y = 20: baseline 119, tallest bar 92. Foot 10^-1 (log 0.387 = -0.41),
    // top log 39.48 = 1.596: 2.596 powers of ten over 92 pixels, 35.4 pixels each.
    const ComparisonChart c =
        LayoutComparison(kDistances, Box{10, 20, 180, 100}, Labels(), ChartScale::Logarithmic);
    ASSERT_EQ(c.bars.size(), 9u);
    const struct
    {
        int planet;
        int top;
    } cases[] = {
        {8, 27}, // the largest: 92 % of the frame
        {2, 83}, // 1 a.u. stands exactly on the line of 10^0
        {0, 98}, // Mercury: 0.59 of a power above the foot, 20.8 pixels
        {4, 58}, // Jupiter: log 5.203 = 0.716, 1.716 powers, 60.8 pixels
    };
    for (const auto& k : cases)
        EXPECT_EQ(c.bars[k.planet].rect.top, k.top) << k.planet;
    EXPECT_EQ(c.ticks, (std::vector<ChartTick>{{119, -1}, {83, 0}, {48, 1}}));
    EXPECT_EQ(c.unit, (Point{10 - 10 - kTickLabelRoom, 49}));
    EXPECT_EQ(c.bars[8].value, "39.5");
    EXPECT_TRUE(LayoutComparison(kDistances, Box{10, 20, 180, 100}, Labels()).ticks.empty());
    // A value of 0 keeps its place but has no height.
    std::array<float, 9> withZero = kDistances;
    withZero[3] = 0;
    const ComparisonChart zero =
        LayoutComparison(withZero, Box{10, 20, 180, 100}, Labels(), ChartScale::Logarithmic);
    EXPECT_EQ(zero.bars[3].rect.top, zero.bars[3].rect.bottom);
    EXPECT_EQ(zero.bars[3].value, "0");
}

// The nine sample planet records in file order.
std::array<PlanetDB, kPlanetCount> NinePlanets()
{
    std::array<PlanetDB, kPlanetCount> records;
    for (int k = 0; k < kPlanetCount; ++k)
        records[k] = sample_records::Planet(static_cast<uint8_t>(k + 1), "P");
    return records;
}

TEST(ComparisonWindow, TheCheckBoxFollowsEachTabAndRemembersTheUsersChoice)
{
    ComparisonDlg dlg(nullptr, NinePlanets());
    dlg.SetupWindow();
    auto* box = dlg.ControlAs<QCheckBox>(ComparisonDlg::kIdLogScale);
    ASSERT_EQ(box, dlg.chbLog);
    // Tab, then a click on the box (or none), then what the box and the chart show: distance
    // (2), mass (3) and radius (7) open on the logarithmic scale.
    const struct
    {
        int tab;
        bool click, checked;
    } steps[] = {{0, false, false}, {1, false, false}, {2, false, true},  {3, false, true},
                 {4, false, false}, {5, false, false}, {6, false, false}, {7, false, true},
                 {3, true, false},  {2, false, true},  {3, false, false}, {0, true, true}};
    for (const auto& s : steps)
    {
        dlg.SelectTab(s.tab);
        if (s.click)
            box->click();
        EXPECT_EQ(box->isChecked(), s.checked) << s.tab;
        EXPECT_EQ(dlg.Layout().ticks.empty(), !s.checked) << s.tab;
    }
}

TEST(ComparisonWindow, PrintsTheSelectedChartAloneUnderItsName)
{
    ComparisonDlg dlg(nullptr, NinePlanets());
    dlg.SetupWindow();
    dlg.show();
    QAction* print = nullptr;
    for (QAction* action : dlg.actions())
        if (action->objectName() == QLatin1String("printPicture"))
            print = action;
    ASSERT_NE(print, nullptr);
    // The distance, mass and radius charts open on the logarithmic scale.
    const struct
    {
        int tab;
        const char* title;
        const char* document;
    } charts[] = {{0, "Comparison of Planets \u2014 Sidereal Revolution Period",
                   "Comparison of Planets - Sidereal Revolution Period"},
                  {3, "Comparison of Planets \u2014 Mass \u2014 logarithmic scale",
                   "Comparison of Planets - Mass"},
                  {5, "Comparison of Planets \u2014 Mean Surface Temperature",
                   "Comparison of Planets - Mean Surface Temperature"}};
    for (const auto& c : charts)
    {
        dlg.SelectTab(c.tab);
        EXPECT_EQ(dlg.ChartTitle().toStdString(), c.title);
        EXPECT_EQ(testing_support::AnswerPrintPreview([&] { print->trigger(); }).toStdString(),
                  c.document);
    }
    // On paper: the chart area as on the screen, within the window's margins, and no room
    // for the tabs above it or the check box and buttons below it.
    const QImage paper = platform::ContentPicture(&dlg);
    const QMargins margins = dlg.layout()->contentsMargins();
    const QImage chart = dlg.chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(paper.copy(QRect(QPoint(margins.left(), margins.top()), chart.size())), chart);
    EXPECT_LE(paper.height(), chart.height() + margins.top() + margins.bottom());
}

TEST(CardPictures, SaveAndCopyTakeTheWholeCardAtItsOwnSize)
{
    testing_support::ScratchDir dir;
    QWidget card;
    card.setWindowTitle(QStringLiteral("Mars"));
    (new QVBoxLayout(&card))->addWidget(new QLabel(QStringLiteral("Radius 3,390 km"), &card));
    card.resize(260, 120);
    const database::PictureCommands commands = database::AddPictureCommands(&card);
    EXPECT_EQ(commands.save->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(commands.copy->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    EXPECT_EQ(commands.print->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(card.contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_EQ(card.actions().size(), 3);

    const QString chosen = QDir(QString::fromStdString(dir.Path())).filePath("mars card");
    QString suggested;
    const platform::SaveFileChooser previous = platform::SetSaveFileChooser(
        [&](QWidget*, const QString&, const QString& s)
        {
            suggested = s;
            return chosen;
        });
    commands.save->trigger();
    platform::SetSaveFileChooser(previous);
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("/Mars.png"))) << suggested.toStdString();
    QImageReader reader(chosen + ".png");
    EXPECT_EQ(reader.format(), "png");
    EXPECT_EQ(reader.size(), card.size());

    commands.copy->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), card.size());
}
} // namespace
