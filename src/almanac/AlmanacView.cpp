#include "almanac/AlmanacView.h"

#include "platform/Clock.h"
#include "platform/Hint.h"
#include "platform/MessageBox.h"
#include "platform/PictureExport.h"
#include "time/SimClock.h"
#include "time/SkyTime.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrent>
#include <cmath>

namespace
{
// A page still being worked out after this long shows its progress bar.
constexpr int kProgressDelayMs = 200;

const char* const kPageNames[] = {"Day", "Month", "Year"};

// The headings of each page's columns as the screen shows them (the CSV keeps its own names).
const QStringList kHeadings[] = {
    {QStringLiteral("Body"), QStringLiteral("Rise"), QStringLiteral("Transit"),
     QStringLiteral("Set"), QStringLiteral("Altitude at transit (\u00B0)"), QStringLiteral("Note")},
    {QStringLiteral("Phase"), QStringLiteral("Date and time")},
    {QStringLiteral("Date and time"), QStringLiteral("Event"), QStringLiteral("Bodies")}};

// Degrees with their sign from the stored degrees, minutes and seconds.
double Degrees(const Coordinate& c, bool negative)
{
    const double d = c.Degree + c.Minute / 60.0 + c.Second / 3600.0;
    return negative ? -d : d;
}

// "UTC+1", "UTC-3:30", "UTC" for an offset in seconds.
QString OffsetText(int32_t offset)
{
    if (offset == 0)
        return QStringLiteral("UTC");
    const int minutes = std::abs(offset) / 60;
    QString text = QStringLiteral("UTC%1%2").arg(offset < 0 ? '-' : '+').arg(minutes / 60);
    if (minutes % 60)
        text += QStringLiteral(":%1").arg(minutes % 60, 2, 10, QLatin1Char('0'));
    return text;
}

QString Escaped(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}
} // namespace

// What one computation is asked for and what it gives.
struct AlmanacView::Work
{
    almanac::Observer where{};
    Date date{};
    skytime::ZoneOffsetAt zone;
    std::array<almanac::Table, 3> tables;
    almanac::MoonOfTheDay moon{};
    bool known = false;
};

AlmanacView::AlmanacView(Setup& v, SimClock& c, QWidget* parent)
    : model::View(parent), values(v), clock(c)
{
    setObjectName(QStringLiteral("almanacView"));
    BuildPages();
    CreateActions();
    connect(&watcher, &QFutureWatcher<std::shared_ptr<Work>>::finished, this,
            &AlmanacView::Finished);
}

AlmanacView::~AlmanacView()
{
    if (cancel)
        *cancel = true;
    watcher.waitForFinished();
}

void AlmanacView::BuildPages()
{
    heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("almanacHeading"));
    heading->setWordWrap(true);
    tabs = new QTabWidget(this);
    for (int page = 0; page < 3; ++page)
    {
        auto* table = new QTableWidget(0, static_cast<int>(kHeadings[page].size()), this);
        table->setObjectName(QStringLiteral("almanacPage%1").arg(kPageNames[page]));
        table->setHorizontalHeaderLabels(kHeadings[page]);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->verticalHeader()->hide();
        table->horizontalHeader()->setStretchLastSection(true);
        table->installEventFilter(this);
        connect(table, &QTableWidget::cellDoubleClicked, this, [this] { OpenChosenRow(); });
        views[static_cast<size_t>(page)] = table;
        if (page == Day)
        {
            auto* dayPage = new QWidget(this);
            auto* layout = new QVBoxLayout(dayPage);
            moonLine = new QLabel(dayPage);
            moonLine->setObjectName(QStringLiteral("almanacMoon"));
            layout->addWidget(table);
            layout->addWidget(moonLine);
            tabs->addTab(dayPage, QStringLiteral("&Day"));
        }
        else
            tabs->addTab(table, page == Month ? QStringLiteral("&Month") : QStringLiteral("&Year"));
    }
    progress = new QProgressBar(this);
    progress->setRange(0, 0);
    progress->hide();
    progressDelay = new QTimer(this);
    progressDelay->setSingleShot(true);
    connect(progressDelay, &QTimer::timeout, this, [this] { progress->setVisible(Busy()); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(tabs, 1);
    layout->addWidget(progress);
}

bool AlmanacView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
    {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
        {
            OpenChosenRow();
            return true;
        }
    }
    return model::View::eventFilter(watched, event);
}

void AlmanacView::CreateActions()
{
    using model::MakeAction;
    save = MakeAction(this, {"savePage",
                             "&Save Page\u2026\tCtrl+S",
                             {QKeySequence::Save},
                             "Save the page as a CSV or PDF file"});
    copy = MakeAction(
        this,
        {"copyPage", "&Copy Page\tCtrl+C", {QKeySequence::Copy}, "Copy the page to the clipboard"});
    print = MakeAction(this, {"printPage",
                              "&Print\u2026\tCtrl+P",
                              {QKeySequence::Print},
                              "Print the page with its place and date"});
    location = MakeAction(
        this, {"almanacLocation", "&Location Choice", {}, "Choice to your location", 376});
    auto* next = MakeAction(this, {"nextPage",
                                   "Next Page",
                                   {QKeySequence(Qt::CTRL | Qt::Key_Tab)},
                                   "The next page of the Almanac"});
    next->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(next);
    connect(next, &QAction::triggered, this,
            [this] { tabs->setCurrentIndex((tabs->currentIndex() + 1) % tabs->count()); });
    connect(save, &QAction::triggered, this, &AlmanacView::SaveShownPage);
    connect(copy, &QAction::triggered, this, &AlmanacView::CopyShownPage);
    connect(print, &QAction::triggered, this, &AlmanacView::PrintShownPage);
    connect(location, &QAction::triggered, this, [this] { emit LocationAsked(); });
}

model::MenuBar AlmanacView::Menus(const model::SharedActions& shared)
{
    using model::Separator;
    return {
        {QStringLiteral("Al&manac"), {{save}, {copy}, {print}, Separator(), {shared.ret}}},
        {QStringLiteral("&Setup"),
         {{location}, {shared.timeUpdate}, Separator(), {shared.showToolbar}, {shared.sound}}},
        {QStringLiteral("&Help"),
         {{shared.helpContents}, {shared.usingHelp}, Separator(), {shared.about}}},
    };
}

model::ToolbarButtons AlmanacView::Toolbar(const model::SharedActions& shared)
{
    return {location, shared.timeUpdate, nullptr, shared.ret};
}

// ---- working out the pages ----

bool AlmanacView::Enter()
{
    Recompute();
    return true;
}

void AlmanacView::Leave()
{
    if (cancel)
        *cancel = true;
}

bool AlmanacView::Busy() const
{
    return watcher.isRunning();
}

void AlmanacView::Recompute()
{
    if (cancel)
        *cancel = true;
    cancel = std::make_shared<std::atomic<bool>>(false);
    auto work = std::make_shared<Work>();
    const LocationSetup& loc = values.LocValues;
    work->where = {Degrees(loc.Lat, !loc.North), Degrees(loc.Lon, loc.West != 0)};
    work->date = clock.CurrentDate();
    const bool universal = loc.GMT != 0;
    work->zone = [universal](int64_t ut)
    { return universal ? 0 : platform::ZoneOffsetAtPosix(ut + skytime::kPosix1901); };
    const int32_t offset = work->zone(static_cast<int64_t>(clock.Instant()));
    const QString abbreviation =
        universal
            ? QString()
            : QDateTime(QDate(static_cast<int>(work->date.Year), static_cast<int>(work->date.Month),
                              static_cast<int>(work->date.Day)),
                        QTime(12, 0))
                  .timeZoneAbbreviation();
    // A zone with no name of its own is called by its offset alone.
    zoneText = abbreviation.isEmpty() || abbreviation.startsWith(QLatin1Char('+')) ||
                       abbreviation.startsWith(QLatin1Char('-')) || abbreviation.startsWith("UTC")
                   ? QStringLiteral("times in %1").arg(OffsetText(offset))
                   : QStringLiteral("times in %1, %2").arg(abbreviation, OffsetText(offset));
    dateText = QStringLiteral("%1-%2-%3")
                   .arg(work->date.Year, 4, 10, QLatin1Char('0'))
                   .arg(work->date.Month, 2, 10, QLatin1Char('0'))
                   .arg(work->date.Day, 2, 10, QLatin1Char('0'));
    heading->setText(Heading());
    const std::shared_ptr<std::atomic<bool>> stop = cancel;
    watcher.setFuture(QtConcurrent::run(
        [work, stop]
        {
            const Date& d = work->date;
            const auto cancelled = [stop] { return stop->load(); };
            const auto day = almanac::LocalDay(static_cast<int>(d.Year), static_cast<int>(d.Month),
                                               static_cast<int>(d.Day), work->zone);
            const auto month = almanac::LocalMonth(static_cast<int>(d.Year),
                                                   static_cast<int>(d.Month), work->zone);
            const auto year = almanac::LocalYear(static_cast<int>(d.Year), work->zone);
            if (!day || !month || !year)
                return work;
            const almanac::DayPage dayPage = almanac::ComputeDay(work->where, *day);
            work->tables[Day] = almanac::MakeDayTable(dayPage, work->zone);
            work->moon = dayPage.Moon;
            if (cancelled())
                return work;
            work->tables[Month] =
                almanac::MakeMonthTable(almanac::FindMoonPhases(*month), work->zone);
            const almanac::YearEvents events = almanac::ComputeYear(*year, cancelled);
            work->tables[Year] = almanac::MakeYearTable(events.Events, work->zone);
            work->known = events.Complete && dayPage.Known;
            return work;
        }));
    progress->hide();
    progressDelay->start(kProgressDelayMs);
}

void AlmanacView::Finished()
{
    progressDelay->stop();
    progress->hide();
    const std::shared_ptr<Work> work = watcher.result();
    // The work of an earlier date or place, cancelled on its way: a newer one is running.
    if (!work || watcher.isRunning() || (cancel && *cancel))
        return;
    for (int page = 0; page < 3; ++page)
    {
        tables[static_cast<size_t>(page)] = work->tables[static_cast<size_t>(page)];
        Fill(static_cast<Page>(page));
    }
    const almanac::MoonOfTheDay& moon = work->moon;
    moonLine->setText(QStringLiteral("The Moon at midday: %1, %2% lit, %3 days old")
                          .arg(QString::fromLatin1(sky::PhaseName(moon.Phase)))
                          .arg(std::lround(moon.IlluminatedFraction * 100))
                          .arg(moon.Age, 0, 'f', 1));
}

void AlmanacView::Fill(Page page)
{
    QTableWidget* table = views[page];
    const int keep = table->currentRow();
    const almanac::Table& rows = tables[page];
    // The Day page shows the hour alone for the day's own times; the file keeps the date.
    const QString today = dateText + QLatin1Char(' ');
    table->setRowCount(static_cast<int>(rows.Rows.size()));
    for (int r = 0; r < table->rowCount(); ++r)
    {
        const std::vector<std::string>& cells = rows.Rows[static_cast<size_t>(r)].Cells;
        for (int c = 0; c < table->columnCount(); ++c)
        {
            QString text = c < static_cast<int>(cells.size())
                               ? QString::fromStdString(cells[static_cast<size_t>(c)])
                               : QString();
            if (page == Day && text.startsWith(today))
                text.remove(0, today.size());
            table->setItem(r, c, new QTableWidgetItem(text));
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    if (keep >= 0 && keep < table->rowCount())
        table->selectRow(keep);
}

QString AlmanacView::Heading() const
{
    return QStringLiteral("Almanac for %1").arg(Where());
}

QString AlmanacView::Where() const
{
    const LocationSetup& loc = values.LocValues;
    const auto angle = [](const Coordinate& c, char hemisphere)
    {
        return QStringLiteral("%1\u00B0 %2' %3")
            .arg(c.Degree)
            .arg(c.Minute, 2, 10, QLatin1Char('0'))
            .arg(QLatin1Char(hemisphere));
    };
    return QStringLiteral("%1 %2, %3 (%4)")
        .arg(angle(loc.Lat, loc.North ? 'N' : 'S'), angle(loc.Lon, loc.West ? 'W' : 'E'), dateText,
             zoneText);
}

// ---- pages and rows ----

AlmanacView::Page AlmanacView::CurrentPage() const
{
    return static_cast<Page>(tabs->currentIndex());
}

void AlmanacView::ShowPage(Page page)
{
    tabs->setCurrentIndex(page);
}

int AlmanacView::CurrentRow() const
{
    return views[CurrentPage()]->currentRow();
}

void AlmanacView::SelectRow(int row)
{
    views[CurrentPage()]->selectRow(row);
}

void AlmanacView::OpenChosenRow()
{
    const Page page = CurrentPage();
    const int row = views[page]->currentRow();
    const std::vector<almanac::TableRow>& rows = tables[page].Rows;
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return;
    const almanac::TableRow& chosen = rows[static_cast<size_t>(row)];
    if (std::isfinite(chosen.JulianDateUt))
        emit RowChosen(chosen.JulianDateUt, chosen.View);
}

// ---- the page on paper, in a file and on the clipboard ----

QString AlmanacView::PageTitle(Page page) const
{
    return QStringLiteral("Almanac, %1 \u2014 %2")
        .arg(QString::fromLatin1(kPageNames[page]), Where());
}

QString AlmanacView::PageHtml(Page page) const
{
    QString html = QStringLiteral("<h3>%1</h3><table border=\"1\" cellspacing=\"0\" "
                                  "cellpadding=\"3\"><tr>")
                       .arg(PageTitle(page).toHtmlEscaped());
    for (const QString& h : kHeadings[page])
        html += QStringLiteral("<th>%1</th>").arg(h.toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (const almanac::TableRow& row : tables[page].Rows)
    {
        html += QStringLiteral("<tr>");
        for (const std::string& cell : row.Cells)
            html += QStringLiteral("<td>%1</td>").arg(Escaped(cell));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

bool AlmanacView::SavePage(Page page, const QString& path) const
{
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QTextDocument document;
        document.setHtml(PageHtml(page));
        document.print(&printer);
        return QFile::exists(path);
    }
    const QString csvPath =
        path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? path : path + ".csv";
    QFile file(csvPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const std::string csv = almanac::FormatCsv(tables[page]);
    return file.write(csv.data(), static_cast<qint64>(csv.size())) ==
           static_cast<qint64>(csv.size());
}

void AlmanacView::SaveShownPage()
{
    const Page page = CurrentPage();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString name = platform::FileNameOf(
        QStringLiteral("Almanac %1 %2").arg(QString::fromLatin1(kPageNames[page]), dateText));
    const QString chosen = platform::ChooseSaveFile(
        this, QStringLiteral("Save Page"), QDir(folder).filePath(name + ".csv"),
        QStringLiteral("CSV tables (*.csv);;PDF documents (*.pdf)"));
    if (chosen.isEmpty())
        return;
    if (!SavePage(page, chosen))
        platform::ErrorBox(this, "Unable to write to file " +
                                     QDir::toNativeSeparators(chosen).toStdString());
}

void AlmanacView::CopyShownPage()
{
    const Page page = CurrentPage();
    auto* data = new QMimeData;
    QString text;
    for (const almanac::TableRow& row : tables[page].Rows)
    {
        QStringList cells;
        for (const std::string& cell : row.Cells)
            cells << QString::fromStdString(cell);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    data->setText(text);
    data->setData(QStringLiteral("text/csv"),
                  QByteArray::fromStdString(almanac::FormatCsv(tables[page])));
    data->setHtml(PageHtml(page));
    QApplication::clipboard()->setMimeData(data);
}

void AlmanacView::PrintShownPage()
{
    const Page page = CurrentPage();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(platform::FileNameOf(
        QStringLiteral("Almanac %1 %2").arg(QString::fromLatin1(kPageNames[page]), dateText)));
    QTextDocument document;
    document.setHtml(PageHtml(page));
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&document](QPrinter* p) { document.print(p); });
    preview.exec();
}
