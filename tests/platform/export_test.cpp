// Putting a picture into a file and on paper: Save Picture writes a PNG of the picture's own
// size, Print fits it on the page under its title line and can print to PDF.
#include "common/TestSupport.h"
#include "platform/PictureExport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QTimer>
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
            EXPECT_EQ(messages.boxes[0].text,
                      "Unable to write to file " +
                          QDir::toNativeSeparators(chosen + ".png").toStdString());
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
