#include "starmap/LocationDlg.h"

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
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstdio>

namespace
{
constexpr const char* kWorldMapFile = "Bitmap\\WorldMap.bmp";
constexpr unsigned long kHelpContext = 9004;
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

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (!dlg->Bitmap)
        {
            QGroupBox::paintEvent(event);
            QPainter p(this);
            p.drawText(rect(), Qt::AlignCenter, QStringLiteral("No world map"));
            return;
        }
        QPainter p(this);
        dlg->EvPaint(p, mapTo(dlg, QPoint(0, 0)));
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        dlg->EvMouseMove(mapTo(dlg, event->position().toPoint()));
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            dlg->EvLButtonUp(mapTo(dlg, event->position().toPoint()));
    }
    void leaveEvent(QEvent*) override
    {
        // Anywhere off the frame is off the map.
        dlg->EvMouseMove(QPoint(-1, -1));
    }
    void moveEvent(QMoveEvent*) override { Placed(); }
    void resizeEvent(QResizeEvent*) override { Placed(); }

private:
    // The map rectangle follows the frame wherever the layout puts it.
    void Placed()
    {
        if (dlg->North) // the last control NewCursorPos reads
            dlg->NewCursorPos(true);
    }

    LocationDlg* dlg;
};

QLabel* Unit(const char* text, QWidget* parent)
{
    return new QLabel(QString::fromUtf8(text), parent);
}
} // namespace

LocationDlg::LocationDlg(QWidget* parent, LocationSetup* V, int resId)
    : platform::Dialog(parent, resId), Values(V)
{
    setWindowTitle(QStringLiteral("Location Choice"));
    auto* title = new QLabel(this);
    title->setPixmap(QPixmap::fromImage(platform::LoadBitmapResource(1204)));

    MapFrame = new MapFrameBox(this);
    SetId(MapFrame, 3400);

    auto coordinate =
        [this](QGroupBox* group, EditNumWin* fields[3], QRadioButton* a, QRadioButton* b)
    {
        auto* grid = new QGridLayout(group);
        const char* const units[] = {"\xC2\xB0", "'", "\""};
        for (int i = 0; i < 3; ++i)
        {
            grid->addWidget(fields[i], 0, 2 * i);
            grid->addWidget(Unit(units[i], group), 0, 2 * i + 1);
        }
        grid->addWidget(a, 1, 0, 1, 3);
        grid->addWidget(b, 1, 3, 1, 3);
        for (QRadioButton* button : {a, b})
            connect(button, &QRadioButton::clicked, this,
                    [this, button] { ChildNotify(button->objectName().toInt()); });
    };
    auto radio = [](QGroupBox* group, const char* text, int id)
    {
        auto* button = new QRadioButton(QString::fromLatin1(text), group);
        SetId(button, id);
        return button;
    };

    LonGroup = new QGroupBox(QStringLiteral(" Longitude : "), this);
    SetId(LonGroup, 3407);
    LonDegree = new EditNumWin(LonGroup, 3401, 0, 180, 4);
    LonMinute = new EditNumWin(LonGroup, 3402, 0, 59, 3);
    LonSecond = new EditNumWin(LonGroup, 3403, 0, 59, 3);
    West = radio(LonGroup, "West", 3408);
    East = radio(LonGroup, "East", 3409);
    EditNumWin* lon[] = {LonDegree, LonMinute, LonSecond};
    coordinate(LonGroup, lon, West, East);

    LatGroup = new QGroupBox(QStringLiteral(" Latitude : "), this);
    SetId(LatGroup, 3410);
    LatDegree = new EditNumWin(LatGroup, 3404, 0, 90, 3);
    LatMinute = new EditNumWin(LatGroup, 3405, 0, 59, 3);
    LatSecond = new EditNumWin(LatGroup, 3406, 0, 59, 3);
    North = radio(LatGroup, "North", 3411);
    South = radio(LatGroup, "South", 3412);
    EditNumWin* lat[] = {LatDegree, LatMinute, LatSecond};
    coordinate(LatGroup, lat, North, South);

    // Leaving a degree field moves the marker; minutes and seconds do not.
    for (EditNumWin* field : {LonDegree, LatDegree})
        connect(field, &EditNumWin::Notify, this, [this](int id, int) { ChildNotify(id); });

    GMT = new QCheckBox(QStringLiteral("Greenwich mean time"), this);
    SetId(GMT, 3413);

    const OkCancelHelp okCancelHelp = MakeOkCancelHelp([this] { CmOk(); }, [this] { CmHelp(); });

    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(LonGroup);
    coordinates->addWidget(LatGroup);
    QHBoxLayout* buttons = okCancelHelp.Row();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(MapFrame, 0, Qt::AlignHCenter);
    layout->addLayout(coordinates);
    layout->addWidget(GMT);
    layout->addLayout(buttons);
}

LocationDlg::~LocationDlg()
{
    delete memdc;
    delete Bitmap;
    delete Dib;
}

QRect LocationDlg::FrameRect() const
{
    return QRect(MapFrame->mapTo(this, QPoint(0, 0)), MapFrame->size());
}

bool LocationDlg::MapUsable() const
{
    return Bitmap && locmap::IsUsable(map);
}

void LocationDlg::SetupWindow()
{
    delete memdc;
    memdc = new platform::MemoryDC(platform::LoadBitmapResource("LocationLabel"));
    if (std::FILE* f = platform::OpenFile(kWorldMapFile, "rb"))
    {
        std::fclose(f);
        Dib = platform::ReadDib(kWorldMapFile);
        // A picture no larger than its margin has no map in it.
        if (Dib && (Dib->Width() <= 2 * locmap::kPictureMargin ||
                    Dib->Height() <= 2 * locmap::kPictureMargin))
        {
            delete Dib;
            Dib = nullptr;
        }
    }
    if (Dib)
    {
        Bitmap = new platform::Bitmap(*Dib);
        MapFrame->update();
    }
    else
        platform::ErrorBox(this, platform::FileMessage("Unable to open file", kWorldMapFile));
    setCursor(platform::LoadCursorResource(104));
    const LocationSetup& v = *Values;
    North->setChecked(v.North != 0);
    South->setChecked(v.North == 0);
    West->setChecked(v.West != 0);
    East->setChecked(v.West == 0);
    LonDegree->SetNumber(v.Lon.Degree);
    LonMinute->SetNumber(v.Lon.Minute);
    LonSecond->SetNumber(v.Lon.Second);
    LatDegree->SetNumber(v.Lat.Degree);
    LatMinute->SetNumber(v.Lat.Minute);
    LatSecond->SetNumber(v.Lat.Second);
    oldlat = v.Lat.Degree;
    oldlon = v.Lon.Degree;
    oldnorth = v.North != 0;
    oldwest = v.West != 0;
    GMT->setChecked(v.GMT != 0);
    // The map rectangle is taken from where the layout puts the frame.
    adjustSize();
    layout()->activate();
    NewCursorPos(true);
}

void LocationDlg::EvPaint(QPainter& painter, QPoint origin)
{
    if (!Bitmap)
        return;
    const QRect frame(origin, MapFrame->size());
    platform::Canvas picture(frame.width(), frame.height());
    picture.StretchBlt(0, 0, frame.width(), frame.height(), *Bitmap, 0, 0, Bitmap->Width(),
                       Bitmap->Height());
    if (memdc && locmap::Inside(map, XTemp, YTemp))
        picture.BitBlt(XTemp - kMarkerSize / 2 - frame.x(), YTemp - kMarkerSize / 2 - frame.y(),
                       kMarkerSize, kMarkerSize, *memdc, 0, 0, platform::Rop::SrcPaint);
    painter.drawImage(0, 0, picture.Image());
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

void LocationDlg::TakeChosen()
{
    oldlat = static_cast<int>(LatDegree->GetNumber());
    oldlon = static_cast<int>(LonDegree->GetNumber());
    oldnorth = North->isChecked();
    oldwest = West->isChecked();
}

void LocationDlg::EvMouseMove(QPoint point)
{
    if (MapUsable() && locmap::Inside(map, point.x(), point.y()))
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
        ShowDegrees(locmap::Degrees{oldlat, oldnorth, oldlon, oldwest});
        previewing = false;
    }
}

void LocationDlg::EvLButtonUp(QPoint point)
{
    if (!MapUsable() || !locmap::Inside(map, point.x(), point.y()))
        return;
    XTemp = point.x();
    YTemp = point.y();
    const locmap::Degrees d = locmap::PointToDegrees(map, point.x(), point.y());
    ShowDegrees(d);
    oldlat = d.lat;
    oldlon = d.lon;
    oldnorth = d.north;
    oldwest = d.west;
    previewing = false;
    NewCursorPos(false);
}

void LocationDlg::ChildNotify(int id)
{
    switch (id)
    {
    case 3408:
        West->setChecked(true);
        East->setChecked(false);
        break;
    case 3409:
        East->setChecked(true);
        West->setChecked(false);
        break;
    case 3411:
        North->setChecked(true);
        South->setChecked(false);
        break;
    case 3412:
        South->setChecked(true);
        North->setChecked(false);
        break;
    default:
        break;
    }
    TakeChosen();
    previewing = false;
    NewCursorPos(true);
}

void LocationDlg::NewCursorPos(bool NewValue)
{
    if (Bitmap && NewValue)
    {
        const QRect f = FrameRect();
        map = locmap::MapRectFor(f.x(), f.y(), f.width(), f.height(), Bitmap->Width(),
                                 Bitmap->Height());
        const locmap::Point marker = locmap::DegreesToMarker(
            map, locmap::Degrees{static_cast<int>(LatDegree->GetNumber()), North->isChecked(),
                                 static_cast<int>(LonDegree->GetNumber()), West->isChecked()});
        XTemp = marker.x;
        YTemp = marker.y;
    }
    MapFrame->update();
}

bool LocationDlg::StoreValues()
{
    const locmap::Fields fields{
        LonDegree->GetNumber(), LonMinute->GetNumber(), LonSecond->GetNumber(),
        LatDegree->GetNumber(), LatMinute->GetNumber(), LatSecond->GetNumber(),
        North->isChecked(),     West->isChecked(),      GMT->isChecked()};
    return locmap::StoreLocation(fields, *Values);
}

void LocationDlg::CmOk()
{
    if (StoreValues())
        CloseWindow(QDialog::Accepted);
}

void LocationDlg::CmHelp()
{
    platform::ShowHelpTopic(this, kHelpContext);
    update();
}
