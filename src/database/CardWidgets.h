// Pieces that the database cards share: caption and value statics with their ids, pages of
// two columns, the Help and Close row, pages that their card paints, the structure picture
// stretched into its frame, the layer table of the structure pages, and the commands that save,
// copy and print a picture of a card.
#pragma once

#include "database/CardText.h"
#include "database/Charts.h"
#include "platform/PictureExport.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <array>
#include <functional>
#include <string>

class QGridLayout;
class QHBoxLayout;

namespace platform
{
class Dialog;
}

namespace database
{
// Latin-1 (Windows-1252 for the degree and plus-minus signs) text for a control.
QString Latin1(const std::string& text);

// A static text with numeric id `id` (0 for none).
QLabel* MakeStatic(QWidget* parent, int id, const char* text = "");

// Adds a caption and its value to row `row` of `grid` at column `column` (caption) and
// `column` + 1 (value).
void AddRow(QGridLayout* grid, int row, int column, QLabel* caption, QLabel* value);

// A page of `count` captions (ids from `firstCaptionId`) and values (ids `valueIds`) in two
// columns split by a rule (id `ruleId`) after `leftRows` rows. The new labels go into
// `captionLabels` and `valueLabels`; `grid`, when given, receives the page's layout.
QWidget* MakeColumnsPage(const char* const captions[], int count, int leftRows, int firstCaptionId,
                         const int valueIds[], int ruleId, QLabel* captionLabels[],
                         QLabel* valueLabels[], QGridLayout** grid = nullptr);

// The row of a card's Help (id 9, calling `help`) and default Close buttons, right-aligned;
// a card puts its own buttons in front of them.
QHBoxLayout* MakeHelpCloseRow(platform::Dialog* card, std::function<void()> help);
// The same row whose Help opens help topic `topic`.
QHBoxLayout* MakeHelpCloseRow(platform::Dialog* card, unsigned long topic);

// `r` filled with `colour`; nothing for an empty rectangle.
void FillRect(QPainter& p, const Rect& r, const QColor& colour);

// A widget that its card paints whole with `draw`.
class PaintedPage : public QWidget
{
public:
    explicit PaintedPage(std::function<void(QPainter&)> draw, QWidget* parent = nullptr)
        : QWidget(parent), draw(std::move(draw))
    {
    }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::function<void(QPainter&)> draw;
};

// The picture commands of a card are those of every window of the program.
using platform::AddPictureCommands;
using platform::PictureCommands;

// A structure picture ("Bitmap\Struct\...Str.bmp"). A picture that does not open is told with
// "Unable to open file" and the path; the card then shows its table without a picture.
class StructurePicture
{
public:
    // Loads `path`; false (after the message box with `parent`) when it does not open, and
    // false when it cannot be read.
    bool ChangePicture(QWidget* parent, const char* path);
    // The picture; a null image when there is none.
    const QImage& Image() const { return image; }

private:
    QImage image;
};

// The invisible frame, `size` pixels, that receives the structure picture: it draws nothing of
// its own and stretches the whole picture into its rectangle.
QWidget* MakePictureFrame(QWidget* parent, int id, const StructurePicture* picture, QSize size);

// The layer table of a structure page: a frame with its rules, the headings "Layer", "Width",
// "Composition" and four rows of three cells.
class StructureTableBox : public QFrame
{
    Q_OBJECT
public:
    // Ids: frame and rules firstBorder..firstBorder+6, headings firstHeading..+2, then the
    // layer, width and composition cells from firstCell (4 each).
    StructureTableBox(QWidget* parent, int firstBorder, int firstHeading, int firstCell);
    // Writes the rows of `table`; rows beyond table.rows stay empty.
    void Fill(const StructureTable& table);

private:
    std::array<QLabel*, 4> Layer{}, Width{}, Composition{};
};
} // namespace database
