#include "platform/PictureExport.h"

#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegion>
#include <QStandardPaths>
#include <QStringList>
#include <utility>

namespace platform
{
namespace
{
SaveFileChooser chooser;

void SetUpPage(QPrinter& printer, const QImage& image, const QString& title,
               const QString& fileName)
{
    printer.setDocName(FileNameOf(fileName.isEmpty() ? title : fileName));
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
}

// `path` with ".png" added unless it ends in ".png" already, in any case.
QString WithPngSuffix(const QString& path)
{
    return path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? path : path + ".png";
}

// The picture of a window as it stands on the screen.
QImage WindowPicture(QWidget* window)
{
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The `title` line at the top of `page` (cut with an ellipsis when too long), and under it
// `image` as large as the rest of the page allows, keeping its aspect ratio.
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

bool PrintOn(QPrinter& printer, const QImage& image, const QString& title)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    DrawPicturePage(painter, QRect(0, 0, printer.width(), printer.height()), image, title);
    return painter.end();
}

// Walks the widgets inside `parent` that stand on the screen with `window`: the rectangles of
// its buttons and check boxes go into `controls`, those of the rest into `content`. A widget
// that holds nothing but controls (a row of buttons) is not content. True when `parent` holds
// content.
bool SortWidgets(const QWidget* window, const QWidget* parent, QRect& content, QRegion& controls)
{
    bool any = false;
    for (QObject* object : parent->children())
    {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow() || !child->isVisibleTo(window))
            continue;
        const QRect place(child->mapTo(window, QPoint(0, 0)), child->size());
        if (qobject_cast<QAbstractButton*>(child))
        {
            controls += place;
            continue;
        }
        const QRegion before = controls;
        const bool holds = SortWidgets(window, child, content, controls);
        // Nothing found inside, not even a control: the widget shows content of its own.
        if (holds || controls == before)
        {
            content |= place;
            any = true;
        }
    }
    return any;
}

} // namespace

SaveFileChooser SetSaveFileChooser(SaveFileChooser replacement)
{
    return std::exchange(chooser, std::move(replacement));
}

QString FileNameOf(const QString& name)
{
    QString file = name;
    for (QChar& c : file)
        if (QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char(' ');
    file = file.simplified();
    return file.isEmpty() ? QStringLiteral("Velmoria") : file;
}

QString PictureFileName(const QString& caption, const Date& date, const Time& time)
{
    return caption.trimmed() + QString::asprintf(" %04u-%02u-%02u %02u-%02u-%02u", date.Year,
                                                 date.Month, date.Day, time.Hour, time.Minute,
                                                 time.Second);
}

bool SavePicture(QWidget* parent, const QImage& image, const QString& suggestedName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString suggested = QDir(folder).filePath(WithPngSuffix(FileNameOf(suggestedName)));
    // The dialog adds the suffix itself, so that its question before overwriting a file names
    // the file that will really be written.
    const QString chosen = ChooseSaveFile(parent, QStringLiteral("Save Picture"), suggested,
                                          QStringLiteral("PNG pictures (*.png);;All files (*)"),
                                          QStringLiteral("png"));
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

QString ChooseSaveFile(QWidget* parent, const QString& caption, const QString& suggested,
                       const QString& filters, const QString& defaultSuffix)
{
    if (chooser)
        return chooser(parent, caption, suggested);
    QFileDialog dialog(parent, caption, suggested, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
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

bool PrintPicture(QWidget* parent, const QImage& image, const QString& title,
                  const QString& fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpPage(printer, image, title, fileName);
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
    SetUpPage(printer, image, title, QString());
    return PrintOn(printer, image, title);
}

QImage ContentPicture(QWidget* window)
{
    QRect content;
    QRegion controls;
    SortWidgets(window, window, content, controls);
    QRect box = window->rect();
    if (!content.isEmpty())
    {
        const QMargins margins =
            window->layout() ? window->layout()->contentsMargins() : QMargins();
        box = content.marginsAdded(margins) & window->rect();
    }
    QImage image(box.size(), QImage::Format_RGB32);
    image.fill(window->palette().color(window->backgroundRole()));
    const QRegion shown = QRegion(box) - controls;
    if (!shown.isEmpty())
    {
        QPainter painter(&image);
        // render() puts the top left of the region's bounding rectangle at the offset given.
        window->render(&painter, shown.boundingRect().topLeft() - box.topLeft(), shown);
    }
    return image;
}

PictureCommands AddPictureCommands(QWidget* window, PictureNames names)
{
    auto make = [window](const QString& text, QKeySequence key, const char* name)
    {
        auto* action = new QAction(text, window);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
        return action;
    };
    const PictureCommands commands{
        make(QStringLiteral("Save Picture\u2026"), QKeySequence(Qt::CTRL | Qt::Key_S),
             "savePicture"),
        make(QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), "copyPicture"),
        make(QStringLiteral("Print\u2026"), QKeySequence(Qt::CTRL | Qt::Key_P), "printPicture")};
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto name = [window](const std::function<QString()>& given)
    { return given ? given() : window->windowTitle(); };
    QObject::connect(commands.save, &QAction::triggered, window,
                     [window, names, name]
                     { SavePicture(window, WindowPicture(window), name(names.fileName)); });
    QObject::connect(commands.copy, &QAction::triggered, window,
                     [window] { CopyPicture(WindowPicture(window)); });
    QObject::connect(
        commands.print, &QAction::triggered, window,
        [window, names, name]
        { PrintPicture(window, ContentPicture(window), name(names.title), name(names.fileName)); });
    return commands;
}
} // namespace platform
