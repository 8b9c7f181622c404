#include "platform/PictureExport.h"

#include "platform/MessageBox.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QStringList>

namespace platform
{
namespace
{
SaveFileChooser& Chooser()
{
    static SaveFileChooser chooser;
    return chooser;
}

QString StandardChooser(QWidget* parent, const QString& caption, const QString& suggested)
{
    QFileDialog dialog(parent, caption, suggested,
                       QStringLiteral("PNG pictures (*.png);;All files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the suffix itself, so that its question before overwriting a file names
    // the file that will really be written.
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

// A name the file system takes: the characters that separate folders or that other systems
// refuse become blanks.
QString FileNameOf(const QString& name)
{
    QString file = name.trimmed();
    for (QChar& c : file)
        if (QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char(' ');
    return file.simplified().isEmpty() ? QStringLiteral("Velmoria") : file.simplified();
}

void SetUpPage(QPrinter& printer, const QImage& image, const QString& title)
{
    printer.setDocName(title.isEmpty() ? QStringLiteral("Velmoria") : title);
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
}

void PrintOn(QPrinter& printer, const QImage& image, const QString& title)
{
    QPainter painter(&printer);
    DrawPicturePage(painter, QRect(0, 0, printer.width(), printer.height()), image, title);
}
} // namespace

SaveFileChooser SetSaveFileChooser(SaveFileChooser chooser)
{
    SaveFileChooser old = std::move(Chooser());
    Chooser() = std::move(chooser);
    return old;
}

QString WithPngSuffix(const QString& path)
{
    return path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? path : path + ".png";
}

bool SavePicture(QWidget* parent, const QImage& image, const QString& suggestedName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString suggested = QDir(folder).filePath(WithPngSuffix(FileNameOf(suggestedName)));
    const QString caption = QStringLiteral("Save Picture");
    const QString chosen = Chooser() ? Chooser()(parent, caption, suggested)
                                     : StandardChooser(parent, caption, suggested);
    if (chosen.isEmpty())
        return false;
    const QString path = WithPngSuffix(chosen);
    if (image.save(path, "PNG"))
        return true;
    // The user's own path is told as it was chosen: the upper-case form of the program's data
    // paths would name a different file here.
    ErrorBox(parent, "Unable to write to file " + QDir::toNativeSeparators(path).toStdString());
    return false;
}

void CopyPicture(const QImage& image)
{
    QGuiApplication::clipboard()->setImage(image);
}

QString PictureTitleLine(const QString& caption, const QString& date, const QString& time,
                         const QString& place)
{
    QStringList parts;
    for (const QString& part : {caption, date, time, place})
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    return parts.join(QStringLiteral(" \u2014 "));
}

QRect FitKeepingAspect(QSize image, const QRect& area)
{
    if (image.isEmpty() || area.isEmpty())
        return QRect();
    const QSize fitted = image.scaled(area.size(), Qt::KeepAspectRatio);
    return QRect(area.left() + (area.width() - fitted.width()) / 2, area.top(), fitted.width(),
                 fitted.height());
}

void DrawPicturePage(QPainter& painter, const QRect& page, const QImage& image,
                     const QString& title)
{
    QFont font = QApplication::font();
    font.setPointSize(12);
    painter.setFont(QFont(font, painter.device()));
    const QFontMetrics metrics = painter.fontMetrics();
    int top = page.top();
    if (!title.isEmpty())
    {
        painter.setPen(Qt::black);
        painter.drawText(QRect(page.left(), top, page.width(), metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(title, Qt::ElideRight, page.width()));
        top += metrics.height() * 3 / 2;
    }
    const QRect area(page.left(), top, page.width(), page.bottom() - top + 1);
    const QRect target = FitKeepingAspect(image.size(), area);
    if (target.isEmpty())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
}

bool PrintPicture(QWidget* parent, const QImage& image, const QString& title)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpPage(printer, image, title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&image, &title](QPrinter* p) { PrintOn(*p, image, title); });
    return preview.exec() == QDialog::Accepted;
}

bool PrintPictureToPdf(const QImage& image, const QString& title, const QString& path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    SetUpPage(printer, image, title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    DrawPicturePage(painter, QRect(0, 0, printer.width(), printer.height()), image, title);
    return painter.end();
}
} // namespace platform
