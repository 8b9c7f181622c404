// The Almanac in the whole window: opened with F6 and left with Return, its pages worked out for
// the clock's date and the observer's place, a row leading to the sky at its moment and back, and
// a page saved as CSV or PDF.
#include "almanac/AlmanacTable.h"
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/AppSupport.h"
#include "common/TestSupport.h"
#include "platform/PictureExport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMenuBar>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace
{
using testing_support::Trigger;

class AlmanacWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.LinkAllRuntime();
        app = std::make_unique<VelmoriaApp>();
        app->InitMainWindow(false);
        app->Frame()->resize(900, 700);
        wnd = app->Frame()->Client();
        // Berlin.
        wnd->Values.LocValues = LocationSetup{{13, 24, 0}, {52, 31, 0}, 1, 0, 0};
    }
    void TearDown() override { app.reset(); }

    // Waits (the event loop running) until the pages are worked out.
    void WaitForPages()
    {
        QElapsedTimer waited;
        waited.start();
        while (wnd->Almanac().Busy() && waited.elapsed() < 20000)
            QTest::qWait(10);
        QTest::qWait(10);
        ASSERT_FALSE(wnd->Almanac().Busy());
    }

    // The first row of `page` whose cells hold `text`.
    int RowWith(AlmanacView::Page page, const std::string& text) const
    {
        const almanac::Table& table = wnd->Almanac().Shown(page);
        for (size_t r = 0; r < table.Rows.size(); ++r)
            for (const std::string& cell : table.Rows[r].Cells)
                if (cell.find(text) != std::string::npos)
                    return static_cast<int>(r);
        return -1;
    }

    testing_support::ScratchDir dir;
    testing_support::MessageRecorder messages;
    testing_support::SoundRecorder sounds;
    testing_support::HelpRecorder help;
    testing_support::ScopedTimeZone zone{"CET-1CEST,M3.5.0,M10.5.0/3"};
    testing_support::FixedClock clock{Date{7, 12, 2026}, Time{10, 0, 0}};
    std::unique_ptr<VelmoriaApp> app;
    VelmoriaWnd* wnd = nullptr;
};

TEST_F(AlmanacWindow, F6OpensItFromTheMainScreenAndBothViewsAndReturnGoesBack)
{
    for (const char* from : {"", "solarSystem", "starMap"})
    {
        if (*from)
        {
            ASSERT_TRUE(Trigger(wnd, from));
        }
        const model::Mode before = wnd->Subject();
        ASSERT_TRUE(Trigger(wnd, "almanac")) << from;
        ASSERT_EQ(wnd->Subject(), model::Mode::Almanac) << from;
        EXPECT_EQ(app->Frame()->windowTitle(), QStringLiteral("Velmoria - [Almanac]"));
        QStringList menus;
        for (const QAction* top : app->Frame()->menuBar()->actions())
            menus << top->text();
        EXPECT_EQ(menus, (QStringList{"Al&manac", "&Setup", "&Help"}));
        EXPECT_TRUE(wnd->Almanac().Heading().contains(
            QStringLiteral("52\u00B0 31' N 13\u00B0 24' E, 2026-12-07 (times in CET, UTC+1)")))
            << wnd->Almanac().Heading().toStdString();
        // Ctrl+Tab moves to the next page, round to the first.
        auto* day = wnd->Almanac().findChild<QTableWidget*>("almanacPageDay");
        ASSERT_NE(day, nullptr);
        wnd->Almanac().ShowPage(AlmanacView::Day);
        QTest::keyClick(day, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(wnd->Almanac().CurrentPage(), AlmanacView::Month);
        wnd->Almanac().ShowPage(AlmanacView::Day);
        Trigger(wnd, "helpContents"); // F1 opens the Almanac's own page
        ASSERT_FALSE(help.requests.empty());
        EXPECT_EQ(help.requests.back().topic, 9020u);
        Trigger(wnd, "return");
        EXPECT_EQ(wnd->Subject(), before) << from;
        Trigger(wnd, "return");
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(AlmanacWindow, ARowLeadsToTheSkyAtItsMomentStoppedAndReturnComesBackToIt)
{
    Trigger(wnd, "almanac");
    WaitForPages();
    AlmanacView& almanac = wnd->Almanac();
    struct Case
    {
        AlmanacView::Page page;
        const char* row;
        model::Mode view;
    };
    // The full Moon of 24 December 2026 in the Star Map; Jupiter's opposition of 2026 (10
    // January) in the Solar System.
    const Case cases[] = {{AlmanacView::Month, "Full Moon", model::Mode::StarMap},
                          {AlmanacView::Year, "Jupiter at opposition", model::Mode::SolarSystem}};
    for (const Case& c : cases)
    {
        almanac.ShowPage(c.page);
        const int row = RowWith(c.page, c.row);
        ASSERT_GE(row, 0) << c.row;
        almanac.SelectRow(row);
        const almanac::TableRow& chosen = almanac.Shown(c.page).Rows[static_cast<size_t>(row)];
        auto* table = almanac.findChild<QTableWidget*>(
            c.page == AlmanacView::Month ? "almanacPageMonth" : "almanacPageYear");
        ASSERT_NE(table, nullptr);
        QTest::keyClick(table, Qt::Key_Return);
        ASSERT_EQ(wnd->Subject(), c.view) << c.row;
        // The clock shows the row's moment to the second, stopped, in the zone of the
        // Almanac's times; the row gives it rounded to the minute.
        Date d{};
        Time t{};
        DateTimeOfInstant(wnd->clock.Instant() + 30, d, t);
        const QString shown = QStringLiteral("%1-%2-%3 %4:%5")
                                  .arg(d.Year)
                                  .arg(d.Month, 2, 10, QLatin1Char('0'))
                                  .arg(d.Day, 2, 10, QLatin1Char('0'))
                                  .arg(t.Hour, 2, 10, QLatin1Char('0'))
                                  .arg(t.Minute, 2, 10, QLatin1Char('0'));
        const std::string& time = chosen.Cells[c.page == AlmanacView::Month ? 1 : 0];
        EXPECT_EQ(shown.toStdString(), time) << c.row;
        EXPECT_FALSE(testing_support::IsEnabled(wnd, "stop")) << c.row;
        Trigger(wnd, "return");
        ASSERT_EQ(wnd->Subject(), model::Mode::Almanac);
        EXPECT_EQ(almanac.CurrentPage(), c.page);
        WaitForPages();
        EXPECT_EQ(almanac.CurrentRow(), row) << c.row;
    }
}

TEST_F(AlmanacWindow, APageIsSavedAsCsvOrPdfByTheNameTyped)
{
    Trigger(wnd, "almanac");
    WaitForPages();
    const std::string csv = almanac::FormatCsv(wnd->Almanac().Shown(AlmanacView::Day));
    ASSERT_EQ(csv.rfind("body,rise,transit,set,transit_altitude_deg,note\r\n", 0), 0u);
    const struct
    {
        const char* typed;
        const char* written;
        const char* starts;
    } cases[] = {{"day.csv", "day.csv", "body,rise"},
                 {"day", "day.csv", "body,rise"},
                 {"day.pdf", "day.pdf", "%PDF"}};
    for (const auto& c : cases)
    {
        const QString typed = QString::fromStdString(dir.Path()) + "/" + c.typed;
        const platform::SaveFileChooser previous = platform::SetSaveFileChooser(
            [&](QWidget*, const QString&, const QString&) { return typed; });
        Trigger(wnd, "savePage");
        platform::SetSaveFileChooser(previous);
        QFile file(QString::fromStdString(dir.Path()) + "/" + c.written);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.typed;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith(c.starts)) << c.typed;
        if (std::string(c.starts) == "body,rise")
        {
            EXPECT_EQ(bytes.toStdString(), csv);
        }
    }
    // Printed: the page's name and date name the document.
    EXPECT_EQ(testing_support::AnswerPrintPreview([&] { Trigger(wnd, "printPage"); }).toStdString(),
              "Almanac Day 2026-12-07");
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(AlmanacWindow, AChangeOfDateDropsTheWorkOfTheOldOne)
{
    Trigger(wnd, "almanac");
    // Three dates in a row, faster than their pages: only the last one's stand.
    for (int day : {1, 2, 3})
    {
        wnd->clock.SetDateTime(Date{static_cast<unsigned>(day), 6, 2030}, Time{12, 0, 0});
        wnd->Almanac().Recompute();
    }
    WaitForPages();
    const almanac::Table& page = wnd->Almanac().Shown(AlmanacView::Day);
    ASSERT_FALSE(page.Rows.empty());
    EXPECT_EQ(page.Rows[0].Cells[1].rfind("2030-06-03", 0), 0u) << page.Rows[0].Cells[1];
    EXPECT_TRUE(wnd->Almanac().Heading().contains("2030-06-03 (times in CEST, UTC+2)"))
        << wnd->Almanac().Heading().toStdString();
}
} // namespace
