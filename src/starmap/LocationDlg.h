// The observer location dialog: longitude and latitude in degrees, minutes and seconds with
// their hemispheres, the "Greenwich mean time" option, and a world map on which the mouse
// shows the degrees of any point and a click picks it. It takes a place and gives back what
// OK stored.
#pragma once

#include "model/Config.h"
#include "platform/Dialog.h"
#include "starmap/LocationMap.h"

#include <QImage>
#include <QPoint>
#include <QRect>

class EditNumWin;
class QCheckBox;
class QGroupBox;
class QPainter;
class QRadioButton;

class LocationDlg : public platform::Dialog
{
    Q_OBJECT
public:
    LocationDlg(QWidget* parent, const LocationSetup& location, int resId = 15);

    // Loads the marker and the world map (an error box names a map that cannot be read; the
    // dialog then works with its fields alone), fills the fields and places the marker.
    void SetupWindow() override;
    // The place as given, or as OK stored it.
    const LocationSetup& Location() const { return location; }

    // Whether there is a map large enough to pick from, its rectangle and the marker's point,
    // in dialog coordinates, and the position the fields hold when nothing is previewed.
    bool HasMap() const { return !worldMap.isNull() && locmap::IsUsable(map); }
    const locmap::MapRect& MapArea() const { return map; }
    QPoint Marker() const { return marker; }
    const locmap::Degrees& Chosen() const { return chosen; }
    // The map frame in dialog coordinates.
    QRect FrameRect() const;

    // The mouse over the map at `point` (dialog coordinates): the crosshair cursor and the
    // point's degrees in the degree fields and hemisphere buttons, as a preview. Leaving the
    // map puts the chosen position back.
    void PreviewAt(QPoint point);
    // A click on the map chooses the point: the marker moves there and the degree fields and
    // hemisphere buttons take its degrees (minutes and seconds are left as they are).
    void ChooseAt(QPoint point);
    // The map stretched into its frame with the marker ORed onto it; `painter` paints the frame,
    // whose top left corner is `origin` in the dialog.
    void PaintMap(QPainter& painter, QPoint origin) const;
    // Stores the fields and closes the dialog, or, when a value is out of range, stores nothing
    // and stays open.
    void CmOk();

    QGroupBox* MapFrame = nullptr;
    QRadioButton* North = nullptr;
    QRadioButton* South = nullptr;
    QRadioButton* West = nullptr;
    QRadioButton* East = nullptr;
    EditNumWin* LonDegree = nullptr;
    EditNumWin* LonMinute = nullptr;
    EditNumWin* LonSecond = nullptr;
    EditNumWin* LatDegree = nullptr;
    EditNumWin* LatMinute = nullptr;
    EditNumWin* LatSecond = nullptr;
    QCheckBox* GMT = nullptr;

private:
    // A group of a degree field, its minute and second fields and two hemisphere buttons, each
    // stored in the member it points to.
    struct DegreeField
    {
        int id;
        unsigned max;
        unsigned textLimit;
        EditNumWin** degree;
        EditNumWin** minute;
        EditNumWin** second;
    };
    struct Hemisphere
    {
        const char* text;
        int id;
        QRadioButton** button;
    };
    QGroupBox* Coordinate(const char* title, int id, DegreeField degrees, Hemisphere a,
                          Hemisphere b);
    // A hemisphere was clicked or a degree field left: the fields' position is chosen and the
    // marker follows it.
    void FieldsChanged();
    // The map rectangle from where the layout put the frame, and the marker at the whole
    // degrees of the fields.
    void PlaceMarker();
    // Shows `d` in the degree fields and the hemisphere buttons.
    void ShowDegrees(const locmap::Degrees& d);
    locmap::Degrees FieldDegrees() const;

    LocationSetup location;
    QImage worldMap;
    QImage markerPicture;
    locmap::MapRect map{};
    QPoint marker;
    locmap::Degrees chosen{};
    // The fields show a preview of the point under the mouse.
    bool previewing = false;
};
