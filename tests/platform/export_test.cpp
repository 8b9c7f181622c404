// Putting a picture into a file and on paper: Save Picture writes a PNG of the picture's own
// size, Print fits it on the page under its title line and can print to PDF.
#include "common/TestSupport.h"
#include "platform/PictureExport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace
{
// A picture of a view: black with a white square, 690 x 490 as the views open.
QImage ViewPicture()
{
    QImage image(690, 490, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter(&image).fillRect(100, 100, 50, 50, Qt::white);
    return image;
}

QString InDir(const testing_support::ScratchDir& dir, const char* name)
{
    return QDir(QString::fromStdString(dir.Path())).filePath(QString::fromLatin1(name));
}

// The pixel size of the first picture in a PDF file; empty when it holds none.
QSize PdfPictureSize(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QSize();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("/Subtype /Image\\s*/Width (\\d+)\\s*/Height (\\d+)"))
            .match(QString::fromLatin1(file.readAll()));
    return m.hasMatch() ? QSize(m.captured(1).toInt(), m.captured(2).toInt()) : QSize();
}

TEST(PicturePage, FitsThePictureKeepingItsShapeAtTheTopOfTheArea)
{
    const struct
    {
        QSize image;
        QRect area, fitted;
    } cases[] = {{{200, 100}, {0, 0, 400, 400}, {0, 0, 400, 200}},
                 {{100, 200}, {10, 20, 400, 300}, {135, 20, 150, 300}},
                 {{640, 480}, {0, 0, 6000, 9000}, {0, 0, 6000, 4500}},
                 {{0, 0}, {0, 0, 400, 400}, {}}};
    for (const auto& c : cases)
        EXPECT_EQ(platform::FitKeepingAspect(c.image, c.area), c.fitted) << c.image.width();
    EXPECT_EQ(platform::PictureTitleLine("Star Map", " 21/06/2001", "", "52 N 13 E"),
              QString::fromUtf8("Star Map — 21/06/2001 — 52 N 13 E"));
}

TEST(PictureFileNames, HoldNoCharacterAFileNameCannotHoldAndDateTheViewYearFirst)
{
    const struct
    {
        const char* given;
        const char* file;
    } names[] = {{"NGC / Messier", "NGC Messier"},
                 {"a\\b:c*d?e\"f<g>h|i", "a b c d e f g h i"},
                 {" // ", "Velmoria"}};
    for (const auto& n : names)
        EXPECT_EQ(platform::FileNameOf(n.given).toStdString(), n.file);
    const struct
    {
        Date date;
        Time time;
        const char* file;
    } moments[] = {{{7, 12, 2026}, {21, 20, 50}, "Star Map 2026-12-07 21-20-50"},
                   {{1, 1, 1901}, {0, 0, 0}, "Star Map 1901-01-01 00-00-00"}};
    for (const auto& m : moments)
        EXPECT_EQ(platform::PictureFileName("Star Map", m.date, m.time).toStdString(), m.file);
}

TEST(PictureCommands, PrintPutsTheWindowsContentWithoutItsButtonsOnPaper)
{
    testing_support::ScratchDir dir;
    QDialog window;
    window.setWindowTitle(QStringLiteral("NGC / Messier"));
    auto* column = new QVBoxLayout(&window);
    column->addWidget(new QLabel(QStringLiteral("Magnitude 4.0"), &window));
    column->addWidget(new QPushButton(QStringLiteral("Close"), &window));
    const platform::PictureCommands commands = platform::AddPictureCommands(&window);
    window.show();
    const QString pdf = InDir(dir, "card.pdf");
    // The document is named for a file that can be written.
    EXPECT_EQ(testing_support::AnswerPrintPreview([&] { commands.print->trigger(); }, pdf),
              QStringLiteral("NGC Messier"));
    // The label fills the window's width; the button's row is cut off below it.
    const QSize printed = PdfPictureSize(pdf);
    EXPECT_EQ(printed, platform::ContentPicture(&window).size());
    EXPECT_EQ(printed.width(), window.width());
    EXPECT_LT(printed.height(), window.height() - window.findChild<QPushButton*>()->height());
}

TEST(SavePicture, WritesAPngOfThePicturesOwnSizeOrSaysWhyNot)
{
    testing_support::ScratchDir dir;
    testing_support::MessageRecorder messages;
    QString chosen, asked;
    const platform::SaveFileChooser previous = platform::SetSaveFileChooser(
        [&](QWidget*, const QString& caption, const QString& suggested)
        {
            asked = caption + " | " + QFileInfo(suggested).fileName();
            return chosen;
        });
    const struct
    {
        const char* chosen; // "" for Cancel
        const char* written;
        bool saved;
    } cases[] = {{"sky", "sky.png", true},
                 {"moon.PNG", "moon.PNG", true},
                 {"", "", false},
                 {"missing/folder/sky", "", false}};
    for (const auto& c : cases)
    {
        messages.boxes.clear();
        chosen = *c.chosen ? InDir(dir, c.chosen) : QString();
        EXPECT_EQ(platform::SavePicture(nullptr, ViewPicture(), "Star: Map/1"), c.saved);
        // The suggestion is the caption without the characters a file name cannot hold.
        EXPECT_EQ(asked, QStringLiteral("Save Picture | Star Map 1.png"));
        if (c.saved)
        {
            QImageReader reader(InDir(dir, c.written));
            EXPECT_EQ(reader.format(), "png") << c.written;
            const QImage back = reader.read();
            EXPECT_EQ(back.size(), QSize(690, 490));
            EXPECT_EQ(back.pixel(120, 120), qRgb(255, 255, 255));
        }
        const bool failed = *c.chosen && !c.saved;
        ASSERT_EQ(messages.boxes.size(), failed ? 1u : 0u) << c.chosen;
        if (failed)
        {
            EXPECT_EQ(messages.boxes[0].text,
                      "Unable to write to file " +
                          QDir::toNativeSeparators(chosen + ".png").toStdString());
        }
    }
    platform::SetSaveFileChooser(previous);
}

TEST(PrintPicture, PrintsOnePageToANonEmptyPdfAndRefusesAnUnwritableOne)
{
    testing_support::ScratchDir dir;
    const QString pdf = InDir(dir, "sky.pdf");
    EXPECT_TRUE(platform::PrintPictureToPdf(ViewPicture(), "Star Map", pdf));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 1);
    EXPECT_TRUE(bytes.contains("/Subtype /Image"));
    EXPECT_FALSE(
        platform::PrintPictureToPdf(ViewPicture(), "Star Map", InDir(dir, "missing/sky.pdf")));
}

TEST(PrintPicture, OpensAPreviewAndPrintsNothingWhenItIsClosed)
{
    bool previewed = false;
    QTimer::singleShot(0,
                       [&]
                       {
                           auto* preview = qobject_cast<QPrintPreviewDialog*>(
                               QApplication::activeModalWidget());
                           previewed = preview != nullptr;
                           if (preview)
                               preview->reject();
                       });
    EXPECT_FALSE(platform::PrintPicture(nullptr, ViewPicture(), QStringLiteral("Star Map")));
    EXPECT_TRUE(previewed);
}
} // namespace
