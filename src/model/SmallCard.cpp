#include "model/SmallCard.h"

#include "model/NumFormat.h"
#include "platform/Bitmaps.h"
#include "platform/PictureExport.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <string>

namespace
{
// A text field of a record, which a damaged file may leave without its NUL.
std::string Field(const char* text, size_t width)
{
    return std::string(text, strnlen(text, width));
}

QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The title strip: a group box with the card's title picture centred in it, painted over
// the box's own frame and fill.
class TitleStrip : public QGroupBox
{
public:
    TitleStrip(QWidget* parent, const QImage* picture) : QGroupBox(parent), picture(picture) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QGroupBox::paintEvent(event);
        if (!picture || picture->isNull())
            return;
        QPainter p(this);
        p.drawImage(width() / 2 - picture->width() / 2, height() / 2 - picture->height() / 2,
                    *picture);
    }

private:
    const QImage* picture;
};

} // namespace

QImage LoadMarkerPicture()
{
    QImage image = platform::LoadBitmapResource("SkyLabel")
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Drawn on black, each pixel's brightest channel is how much of the marker covers it.
    for (int y = 0; y < image.height(); ++y)
    {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]),
                           std::max({qRed(row[x]), qGreen(row[x]), qBlue(row[x])}));
    }
    return image;
}

QPoint PlaceCard(QPoint click, int w, int h, int clientWidth, int clientBottom)
{
    const int x = click.x() + w < clientWidth ? click.x() + 20 : click.x() - w - 20;
    const int y = click.y() + h < clientBottom ? click.y() : clientBottom - h;
    return {x, y};
}

// ---- common part ----

SmallCardDlg::SmallCardDlg(QWidget* parent, QPoint* point, int resId, int titleId, int frameId)
    : platform::Dialog(parent, resId), Point(point), titleId(titleId)
{
    setWindowFlag(Qt::FramelessWindowHint, false);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    frame = new TitleStrip(this, &Bitmap);
    SetId(frame, frameId);
    frame->setMinimumSize(150, 34);
    grid->addWidget(frame, row++, 0, 1, 2);
    platform::AddPictureCommands(this);
}

QLabel* SmallCardDlg::AddRow(const char* label, int id)
{
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* fixed = new QLabel(QString::fromLatin1(label), this);
    auto* value = new QLabel(this);
    SetId(value, id);
    grid->addWidget(fixed, row, 0);
    grid->addWidget(value, row++, 1);
    return value;
}

QString SmallCardDlg::Value(int id) const
{
    const auto* label = ControlAs<QLabel>(id);
    return label ? label->text() : QString();
}

void SmallCardDlg::SetupWindow()
{
    Bitmap = platform::LoadBitmapResource(titleId);
    Fill();
    adjustSize();
    const int w = width() + 6;
    const int h = height() + 6;
    QWidget* owner = parentWidget();
    const QRect client = owner ? owner->rect() : QRect();
    const QPoint click = Point ? *Point : QPoint();
    // The card is a window of its own: the place is worked out in the parent's client area
    // and then carried to the screen.
    placed = PlaceCard(click, w, h, client.width(), client.top() + client.height());
    move(owner ? owner->mapToGlobal(placed) : placed);
    resize(w, h);
}

void SmallCardDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        CloseWindow(QDialog::Accepted);
    else
        platform::Dialog::mousePressEvent(event);
}

// ---- the planet and the comet ----

SolarBodySmDlg::SolarBodySmDlg(QWidget* parent, QPoint* point, const char* name, float dist,
                               int resId, int picture, int strip, const char* title,
                               const char* nameLabel)
    : SmallCardDlg(parent, point, resId, picture, strip), ObjName(name), ObjDist(dist)
{
    setWindowTitle(QString::fromLatin1(title));
    Name = AddRow(nameLabel, 4101);
    Dist = AddRow("Distance from Sun (10^6 km)", 4102);
}

void SolarBodySmDlg::Fill()
{
    // Names come from a 17-byte field.
    Name->setText(ObjName ? Latin1(Field(ObjName, 17)) : QString());
    Dist->setText(Latin1(NumToStr(ObjDist, 4, false)));
}

PlanetSmDlg::PlanetSmDlg(QWidget* parent, QPoint* point, const char* name, float dist, int resId)
    : SolarBodySmDlg(parent, point, name, dist, resId, 1208, 4103, "Planet", "Planet's Name")
{
}

CometSmDlg::CometSmDlg(QWidget* parent, QPoint* point, const char* name, float dist, int resId)
    : SolarBodySmDlg(parent, point, name, dist, resId, 1211, 4104, "Comet", "Comet's Name")
{
}
