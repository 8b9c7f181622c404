#include "database/CardWidgets.h"

#include "platform/Bitmaps.h"
#include "platform/Dialog.h"
#include "platform/Files.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <cstdio>

namespace database
{
QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* MakeStatic(QWidget* parent, int id, const char* text)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    if (id)
        platform::Dialog::SetId(label, id);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void AddRow(QGridLayout* grid, int row, int column, QLabel* caption, QLabel* value)
{
    grid->addWidget(caption, row, column);
    grid->addWidget(value, row, column + 1);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Neither text is ever cut: the card grows instead.
    for (QLabel* label : {caption, value})
        label->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("00000000000")));
}

QWidget* MakeColumnsPage(const char* const captions[], int count, int leftRows, int firstCaptionId,
                         const int valueIds[], int ruleId, QLabel* captionLabels[],
                         QLabel* valueLabels[], QGridLayout** grid)
{
    auto* page = new QWidget;
    auto* columns = new QGridLayout(page);
    for (int i = 0; i < count; ++i)
    {
        captionLabels[i] = MakeStatic(page, firstCaptionId + i, captions[i]);
        valueLabels[i] = MakeStatic(page, valueIds[i]);
        const bool left = i < leftRows;
        AddRow(columns, left ? i : i - leftRows, left ? 0 : 3, captionLabels[i], valueLabels[i]);
    }
    auto* rule = new QFrame(page);
    rule->setFrameShape(QFrame::VLine);
    platform::Dialog::SetId(rule, ruleId);
    columns->addWidget(rule, 0, 2, leftRows, 1);
    columns->setRowStretch(leftRows, 1);
    columns->setHorizontalSpacing(12);
    if (grid)
        *grid = columns;
    return page;
}

QHBoxLayout* MakeHelpCloseRow(platform::Dialog* card, std::function<void()> help)
{
    auto* helpButton = new QPushButton(QStringLiteral("Help"), card);
    auto* close = new QPushButton(QStringLiteral("Close"), card);
    platform::Dialog::SetId(helpButton, 9);
    helpButton->setAutoDefault(false);
    close->setDefault(true);
    QObject::connect(helpButton, &QPushButton::clicked, card, std::move(help));
    QObject::connect(close, &QPushButton::clicked, card,
                     [card] { card->CloseWindow(QDialog::Accepted); });
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(helpButton);
    row->addWidget(close);
    return row;
}

QHBoxLayout* MakeHelpCloseRow(platform::Dialog* card, unsigned long topic)
{
    return MakeHelpCloseRow(card,
                            [card, topic]
                            {
                                platform::ShowHelpTopic(card, topic);
                                card->update();
                            });
}

void FillRect(QPainter& p, const Rect& r, const QColor& colour)
{
    if (r.right > r.left && r.bottom > r.top)
        p.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), colour);
}

void PaintedPage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    draw(p);
}

bool StructurePicture::ChangePicture(QWidget* parent, const char* path)
{
    std::FILE* f = platform::OpenFile(path, "rb");
    if (!f)
    {
        platform::ErrorBox(parent, platform::FileMessage("Unable to open file", path));
        return false;
    }
    std::fclose(f);
    image = platform::ReadPicture(path);
    return !image.isNull();
}

QWidget* MakePictureFrame(QWidget* parent, int id, const StructurePicture* picture, QSize size)
{
    auto* frame = new PaintedPage(
        [picture](QPainter& p)
        {
            if (picture->Image().isNull())
                return;
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(p.window(), picture->Image());
        },
        parent);
    platform::Dialog::SetId(frame, id);
    frame->setFixedSize(size);
    return frame;
}

StructureTableBox::StructureTableBox(QWidget* parent, int firstBorder, int firstHeading,
                                     int firstCell)
    : QFrame(parent)
{
    setFrameShape(QFrame::Box);
    platform::Dialog::SetId(this, firstBorder);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    auto rule = [this, firstBorder](QFrame::Shape shape, int index)
    {
        auto* line = new QFrame(this);
        line->setFrameShape(shape);
        line->setFrameShadow(QFrame::Plain);
        platform::Dialog::SetId(line, firstBorder + index);
        return line;
    };

    QFont headingFont(QStringLiteral("MS Serif"));
    headingFont.setStyleHint(QFont::Serif);
    headingFont.setPixelSize(13);
    headingFont.setWeight(QFont::Normal);
    const char* const headings[] = {"Layer", "Width", "Composition"};
    for (int c = 0; c < 3; ++c)
    {
        QLabel* heading = MakeStatic(this, firstHeading + c, headings[c]);
        heading->setFont(headingFont);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, 2 * c);
    }
    grid->addWidget(rule(QFrame::VLine, 1), 0, 1, 9, 1);
    grid->addWidget(rule(QFrame::VLine, 2), 0, 3, 9, 1);
    for (int k = 0; k < 4; ++k)
    {
        grid->addWidget(rule(QFrame::HLine, 3 + k), 1 + 2 * k, 0, 1, 5);
        Layer[k] = MakeStatic(this, firstCell + k);
        Width[k] = MakeStatic(this, firstCell + 4 + k);
        Composition[k] = MakeStatic(this, firstCell + 8 + k);
        Composition[k]->setWordWrap(true);
        Composition[k]->setMinimumWidth(Composition[k]->fontMetrics().horizontalAdvance(
            QStringLiteral("Silicate rocks, iron")));
        Width[k]->setAlignment(Qt::AlignCenter);
        grid->addWidget(Layer[k], 2 + 2 * k, 0);
        grid->addWidget(Width[k], 2 + 2 * k, 2);
        grid->addWidget(Composition[k], 2 + 2 * k, 4);
    }
    grid->setColumnStretch(4, 1);
}

void StructureTableBox::Fill(const StructureTable& table)
{
    for (int k = 0; k < 4; ++k)
    {
        Layer[k]->setText(Latin1(table.layer[k]));
        Width[k]->setText(Latin1(table.width[k]));
        Composition[k]->setText(Latin1(table.composition[k]));
    }
}
} // namespace database
