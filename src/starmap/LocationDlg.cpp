#include "starmap/LocationDlg.h"

#include "platform/Bitmaps.h"
#include "platform/Files.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "time/TimeUpdateDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
constexpr const char* kWorldMapFile = "Bitmap\\WorldMap.bmp";
constexpr int kMarkerSize = 14;
// The frame holds the map picture at its own size: 480 x 240 pixels and the margin.
constexpr int kFrameWidth = 494;
constexpr int kFrameHeight = 254;

// The frame of the map: it paints the map through the dialog and hands the mouse to it in
// dialog coordinates.
class MapFrameBox : public QGroupBox
{
public:
    explicit MapFrameBox(LocationDlg* dlg) : QGroupBox(dlg), dlg(dlg)
    {
        setMouseTracking(true);
        setFixedSize(kFrameWidth, kFrameHeight);
    }
    std::function<void()> placed;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (!dlg->HasMap())
            QGroupBox::paintEvent(event);
        QPainter p(this);
        if (dlg->HasMap())
            dlg->PaintMap(p, mapTo(dlg, QPoint(0, 0)));
        else
            p.drawText(rect(), Qt::AlignCenter, QStringLiteral("No world map"));
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        dlg->PreviewAt(mapTo(dlg, event->position().toPoint()));
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            dlg->ChooseAt(mapTo(dlg, event->position().toPoint()));
    }
    void leaveEvent(QEvent*) override
    {
        // Anywhere off the frame is off the map.
        dlg->PreviewAt(QPoint(-1, -1));
    }
    // The map rectangle follows the frame wherever the layout puts it.
    void moveEvent(QMoveEvent*) override
    {
        if (placed)
            placed();
    }
    void resizeEvent(QResizeEvent*) override
    {
        if (placed)
            placed();
    }

private:
    LocationDlg* dlg;
};
} // namespace

LocationDlg::LocationDlg(QWidget* parent, const LocationSetup& given, int resId)
    : platform::Dialog(parent, resId), location(given)
{
    setWindowTitle(QStringLiteral("Location Choice"));
    auto* title = new QLabel(this);
    title->setPixmap(QPixmap::fromImage(platform::LoadBitmapResource(1204)));

    auto* frame = new MapFrameBox(this);
    MapFrame = frame;
    SetId(MapFrame, 3400);

    auto* lonGroup =
        Coordinate(" Longitude : ", 3407, {3401, 180, 4, &LonDegree, &LonMinute, &LonSecond},
                   {"West", 3408, &West}, {"East", 3409, &East});
    auto* latGroup =
        Coordinate(" Latitude : ", 3410, {3404, 90, 3, &LatDegree, &LatMinute, &LatSecond},
                   {"North", 3411, &North}, {"South", 3412, &South});

    // Leaving a degree field moves the marker; minutes and seconds do not.
    for (EditNumWin* field : {LonDegree, LatDegree})
        connect(field, &EditNumWin::Notify, this, &LocationDlg::FieldsChanged);

    GMT = new QCheckBox(QStringLiteral("Greenwich mean time"), this);
    SetId(GMT, 3413);

    const OkCancelHelp okCancelHelp =
        MakeOkCancelHelp([this] { CmOk(); }, [this] { platform::ShowHelpTopic(this, 9004); });

    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(lonGroup);
    coordinates->addWidget(latGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(MapFrame, 0, Qt::AlignHCenter);
    layout->addLayout(coordinates);
    layout->addWidget(GMT);
    layout->addLayout(okCancelHelp.Row());
    frame->placed = [this] { PlaceMarker(); };
}

QGroupBox* LocationDlg::Coordinate(const char* title, int id, DegreeField degrees, Hemisphere a,
                                   Hemisphere b)
{
    auto* group = new QGroupBox(QString::fromLatin1(title), this);
    SetId(group, id);
    // Degrees, then minutes and seconds with the ids that follow.
    EditNumWin* const fields[] = {* degrees.degree = new EditNumWin(group, degrees.id, 0,
                                                                    degrees.max, degrees.textLimit),
                                  *degrees.minute = new EditNumWin(group, degrees.id + 1, 0, 59, 3),
                                  *degrees.second =
                                      new EditNumWin(group, degrees.id + 2, 0, 59, 3)};
    auto* grid = new QGridLayout(group);
    const char* const units[] = {"\xC2\xB0", "'", "\""};
    for (int i = 0; i < 3; ++i)
    {
        grid->addWidget(fields[i], 0, 2 * i);
        grid->addWidget(new QLabel(QString::fromUtf8(units[i]), group), 0, 2 * i + 1);
    }
    int column = 0;
    for (const Hemisphere& h : {a, b})
    {
        auto* button = *h.button = new QRadioButton(QString::fromLatin1(h.text), group);
        SetId(button, h.id);
        grid->addWidget(button, 1, column, 1, 3);
        column += 3;
        connect(button, &QRadioButton::clicked, this, &LocationDlg::FieldsChanged);
    }
    return group;
}

QRect LocationDlg::FrameRect() const
{
    return QRect(MapFrame->mapTo(this, QPoint(0, 0)), MapFrame->size());
}

void LocationDlg::SetupWindow()
{
    markerPicture = platform::LoadBitmapResource("LocationLabel");
    worldMap = platform::ReadPicture(kWorldMapFile).convertToFormat(QImage::Format_RGB32);
    // A picture no larger than its margin has no map in it.
    if (worldMap.width() <= 2 * locmap::kPictureMargin ||
        worldMap.height() <= 2 * locmap::kPictureMargin)
    {
        worldMap = QImage();
        platform::ErrorBox(this, platform::FileMessage("Unable to open file", kWorldMapFile));
    }
    setCursor(platform::LoadCursorResource(104));
    const LocationSetup& v = location;
    ShowDegrees({v.Lat.Degree, v.North != 0, v.Lon.Degree, v.West != 0});
    LonMinute->SetNumber(v.Lon.Minute);
    LonSecond->SetNumber(v.Lon.Second);
    LatMinute->SetNumber(v.Lat.Minute);
    LatSecond->SetNumber(v.Lat.Second);
    chosen = FieldDegrees();
    GMT->setChecked(v.GMT != 0);
    // The map rectangle is taken from where the layout puts the frame.
    adjustSize();
    layout()->activate();
    PlaceMarker();
}

void LocationDlg::PaintMap(QPainter& painter, QPoint origin) const
{
    const QRect frame(QPoint(0, 0), MapFrame->size());
    painter.drawImage(frame, worldMap);
    if (markerPicture.isNull() || !locmap::Inside(map, marker.x(), marker.y()))
        return;
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(marker - QPoint(kMarkerSize / 2, kMarkerSize / 2) - origin, markerPicture);
}

locmap::Degrees LocationDlg::FieldDegrees() const
{
    return {static_cast<int>(LatDegree->GetNumber()), North->isChecked(),
            static_cast<int>(LonDegree->GetNumber()), West->isChecked()};
}

void LocationDlg::ShowDegrees(const locmap::Degrees& d)
{
    LatDegree->SetNumber(static_cast<unsigned>(d.lat));
    LonDegree->SetNumber(static_cast<unsigned>(d.lon));
    North->setChecked(d.north);
    South->setChecked(!d.north);
    West->setChecked(d.west);
    East->setChecked(!d.west);
}

void LocationDlg::PreviewAt(QPoint point)
{
    if (HasMap() && locmap::Inside(map, point.x(), point.y()))
    {
        MapFrame->setCursor(platform::LoadCursorResource(104));
        ShowDegrees(locmap::PointToDegrees(map, point.x(), point.y()));
        previewing = true;
        return;
    }
    MapFrame->setCursor(Qt::ArrowCursor);
    // Only leaving the map puts the chosen position back: a move elsewhere in the dialog must
    // not overwrite what is being typed into a field.
    if (previewing)
    {
        ShowDegrees(chosen);
        previewing = false;
    }
}

void LocationDlg::ChooseAt(QPoint point)
{
    if (!HasMap() || !locmap::Inside(map, point.x(), point.y()))
        return;
    marker = point;
    chosen = locmap::PointToDegrees(map, point.x(), point.y());
    ShowDegrees(chosen);
    previewing = false;
    MapFrame->update();
}

void LocationDlg::FieldsChanged()
{
    chosen = FieldDegrees();
    previewing = false;
    PlaceMarker();
}

void LocationDlg::PlaceMarker()
{
    if (!worldMap.isNull())
    {
        const QRect f = FrameRect();
        map = locmap::MapRectFor(f.x(), f.y(), f.width(), f.height(), worldMap.width(),
                                 worldMap.height());
        const locmap::Point p = locmap::DegreesToMarker(map, FieldDegrees());
        marker = QPoint(p.x, p.y);
    }
    MapFrame->update();
}

void LocationDlg::CmOk()
{
    const locmap::Fields fields{
        LonDegree->GetNumber(), LonMinute->GetNumber(), LonSecond->GetNumber(),
        LatDegree->GetNumber(), LatMinute->GetNumber(), LatSecond->GetNumber(),
        North->isChecked(),     West->isChecked(),      GMT->isChecked()};
    if (locmap::StoreLocation(fields, location))
        CloseWindow(QDialog::Accepted);
}
