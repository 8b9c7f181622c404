// The Almanac as a view of the main window: for the observer's place and the clock's date, the
// Day page (rises, transits, sets, twilights, the Moon), the Month page (the Moon's phases) and
// the Year page (the year's events), as tabs. The pages are worked out off the window's thread;
// a row leads to the sky at its moment; a page is saved as CSV or PDF, copied or printed.
#pragma once

#include "almanac/Almanac.h"
#include "almanac/AlmanacTable.h"
#include "model/Config.h"
#include "model/View.h"

#include <QFutureWatcher>
#include <array>
#include <atomic>
#include <memory>

class QAction;
class QLabel;
class QProgressBar;
class QTabWidget;
class QTableWidget;
class QTimer;
class SimClock;

class AlmanacView : public model::View
{
    Q_OBJECT
public:
    // The pages in the order of their tabs.
    enum Page
    {
        Day,
        Month,
        Year
    };

    AlmanacView(Setup& values, SimClock& clock, QWidget* parent = nullptr);
    ~AlmanacView() override;

    QString Caption() const override { return QStringLiteral("Velmoria - [Almanac]"); }
    const char* Music() const override { return "Sound\\Main.wav"; }
    const char* Hint() const override { return "Viewing Almanac"; }
    model::MenuBar Menus(const model::SharedActions& shared) override;
    model::ToolbarButtons Toolbar(const model::SharedActions& shared) override;
    QString ToolbarCaption() const override { return QStringLiteral("Almanac Toolbar"); }
    unsigned long HelpTopic() const override { return 9020; }
    bool Enter() override;
    void Leave() override;

    // The pages for the clock's date and the observer's place, worked out again (the work for
    // an earlier date is dropped).
    void Recompute();
    // Whether pages are still being worked out.
    bool Busy() const;
    // The rows of a page as they stand (empty until worked out), the page shown, the row chosen.
    const almanac::Table& Shown(Page page) const { return tables[page]; }
    Page CurrentPage() const;
    void ShowPage(Page page);
    int CurrentRow() const;
    void SelectRow(int row);
    // The heading over the pages: the place, the date and the time zone of the times.
    QString Heading() const;
    // The chosen row's moment in the sky (Enter or a double-click on a row).
    void OpenChosenRow();

    // The page as a file: CSV when `path` ends in ".csv" (or has no known ending, ".csv" then
    // added), PDF when it ends in ".pdf". False when the file cannot be written.
    bool SavePage(Page page, const QString& path) const;

signals:
    // The row's moment (UT Julian date) is to be shown in `view`, the clock stopped there.
    void RowChosen(double julianDateUt, almanac::SkyView view);
    // The user asks for the observer's place (Location Choice).
    void LocationAsked();

protected:
    // Enter on a row of a page opens its moment.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Work;
    void CreateActions();
    void BuildPages();
    void Fill(Page page);
    void Finished();
    void SaveShownPage();
    void CopyShownPage();
    void PrintShownPage();
    // The place, the date and the zone: "52° 31' N 13° 24' E, 2026-12-07 (times in CET, UTC+1)".
    QString Where() const;
    // The title line of a printed or saved page: its name, the place and the date.
    QString PageTitle(Page page) const;
    QString PageHtml(Page page) const;

    Setup& values;
    SimClock& clock;
    QLabel* heading = nullptr;
    QTabWidget* tabs = nullptr;
    std::array<QTableWidget*, 3> views{};
    QLabel* moonLine = nullptr;
    QProgressBar* progress = nullptr;
    QTimer* progressDelay = nullptr;
    QAction* save = nullptr;
    QAction* copy = nullptr;
    QAction* print = nullptr;
    QAction* location = nullptr;

    std::array<almanac::Table, 3> tables;
    QString zoneText;
    QString dateText;
    // The work in progress, its cancel flag, and the date and place it was asked for.
    QFutureWatcher<std::shared_ptr<Work>> watcher;
    std::shared_ptr<std::atomic<bool>> cancel;
};
