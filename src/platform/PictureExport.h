// Putting a picture of a view or a card on paper, into a file or into another program: the
// Save Picture, Copy and Print commands. The picture is whatever the caller hands over (a
// view's canvas, a grab of a card); the service adds nothing to it but, on paper, a title line.
#pragma once

#include "platform/DateTime.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

class QAction;
class QWidget;

namespace platform
{
// Asks the user for the file to save a picture in: `parent`, the dialog's caption and the
// suggested path. Returns the chosen path, or an empty string when the user cancels.
using SaveFileChooser =
    std::function<QString(QWidget* parent, const QString& caption, const QString& suggested)>;

// Installs the chooser that SavePicture asks (tests answer with a path of their own); an empty
// function puts the standard file dialog back. Returns the previous chooser.
SaveFileChooser SetSaveFileChooser(SaveFileChooser chooser);

// `name` as a file name that every file system takes: the characters that separate folders
// or that some systems refuse (/ \ : * ? " < > |) become blanks, runs of blanks one blank;
// "Velmoria" when nothing is left.
QString FileNameOf(const QString& name);

// The suggested file name of a picture of a view at a moment: the caption, the date as
// yyyy-mm-dd and the time as hh-mm-ss ("Star Map 2026-12-07 21-20-50").
QString PictureFileName(const QString& caption, const Date& date, const Time& time);

// Save Picture: asks for a file, suggesting FileNameOf(`suggestedName`) in the user's pictures
// folder, and writes `image` there as PNG at the image's own size, ".png" added when missing. A
// file that cannot be written is told with "Unable to write to file" and its path. True when
// written; false when the user cancelled or the write failed.
bool SavePicture(QWidget* parent, const QImage& image, const QString& suggestedName);

// Asks the user for a file to save in, as Save Picture does (tests answer through the same
// chooser): `caption`, the suggested path, the dialog's file types (`filters`, as QFileDialog
// takes them) and the suffix the dialog adds to a name without one. The chosen path, or an
// empty string when the user cancels.
QString ChooseSaveFile(QWidget* parent, const QString& caption, const QString& suggested,
                       const QString& filters, const QString& defaultSuffix = QString());

// Copy: puts `image` on the clipboard.
void CopyPicture(const QImage& image);

// The printed title line: the caption, date, time and place that are not empty, in that
// order, separated by dashes ("Star Map — 21/06/2001 — 22:00:00 — 48° 51' N 2° 21' E").
QString PictureTitleLine(const QString& caption, const QString& date, const QString& time,
                         const QString& place);

// The largest rectangle with the aspect ratio of `image` that fits in `area`, centred across
// it and standing at its top. Empty for an empty image or area.
QRect FitKeepingAspect(QSize image, const QRect& area);

// Print: a print preview of the page (landscape for a picture wider than tall) whose Print
// button sends it to the printer the user chooses, or to a PDF file. The document is named
// FileNameOf(`fileName`), or of the title when no file name is given: the print dialog offers
// that name for a PDF file. True when printed.
bool PrintPicture(QWidget* parent, const QImage& image, const QString& title,
                  const QString& fileName = QString());

// Prints the page into the PDF file `path` without asking anything; false when the file
// cannot be written.
bool PrintPictureToPdf(const QImage& image, const QString& title, const QString& path);

// The picture of a window's content as it goes on paper: the buttons and check boxes (every
// QAbstractButton) left out, and the window cut down to the widgets that remain and the
// margins of its layout.
QImage ContentPicture(QWidget* window);

// The names a window's pictures go by, asked for when a command runs. An empty function
// stands for the window's title.
struct PictureNames
{
    std::function<QString()> title;    // the printed title line
    std::function<QString()> fileName; // the suggested name of a saved or printed file
};

// The picture commands of a window.
struct PictureCommands
{
    QAction* save;  // "Save Picture…", Ctrl+S: WindowPicture into a PNG file
    QAction* copy;  // "Copy", Ctrl+C: WindowPicture onto the clipboard
    QAction* print; // "Print…", Ctrl+P: ContentPicture under the title line
};

// Gives `window` its picture commands: its shortcuts while the window is active, and its
// context menu (a right click where no control takes it).
PictureCommands AddPictureCommands(QWidget* window, PictureNames names = {});
} // namespace platform
