// The observer location dialog: longitude and latitude in degrees, minutes and seconds with
// their hemispheres, the "Greenwich mean time" option, and a world map on which the mouse
// shows the degrees of any point and a click picks it.
#pragma once

#include "model/Config.h"
#include "platform/Bitmaps.h"
#include "platform/Dialog.h"
#include "starmap/LocationMap.h"

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
    // Edits `V`, which is written only when OK succeeds.
    LocationDlg(QWidget* parent, LocationSetup* V, int resId = 15);
    ~LocationDlg() override;

    // Loads the marker and the world map (an error box names a map that cannot be read; the
    // dialog then works with its fields alone), fills the fields and places the marker.
    void SetupWindow() override;
    // Draws the map stretched into its frame and ORs the marker onto it; `painter` paints the
    // frame, whose top left corner is `origin` in the dialog.
    void EvPaint(QPainter& painter, QPoint origin);
    // Over the map: the crosshair cursor and the point's degrees in the degree fields and
    // hemisphere buttons, as a preview. Leaving the map puts the chosen position back.
    void EvMouseMove(QPoint point);
    // A click on the map chooses the point: the marker moves there and the degree fields and
    // hemisphere buttons take its degrees (minutes and seconds are left as they are).
    void EvLButtonUp(QPoint point);
    // A hemisphere button was clicked (3408 West, 3409 East, 3411 North, 3412 South) or a degree
    // field (3401, 3404) was left: the buttons are set, the fields' position is chosen and the
    // marker follows it.
    void ChildNotify(int id);
    // With `NewValue`, recomputes the map rectangle and puts the marker at the whole degrees of
    // the fields; in any case repaints the map.
    void NewCursorPos(bool NewValue);
    // Writes the fields to the record, or returns false and writes nothing when a value is out
    // of range.
    bool StoreValues();
    void CmOk();
    void CmHelp();

    // The map frame in dialog coordinates.
    QRect FrameRect() const;

    LocationSetup* Values;
    platform::MemoryDC* memdc = nullptr;
    int XTemp = 0;
    int YTemp = 0;
    int oldlat = 0;
    int oldlon = 0;
    bool oldnorth = true;
    bool oldwest = true;
    locmap::MapRect map{};
    QGroupBox* MapFrame = nullptr;
    QGroupBox* LonGroup = nullptr;
    QGroupBox* LatGroup = nullptr;
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
    platform::Dib* Dib = nullptr;
    platform::Bitmap* Bitmap = nullptr;

private:
    // Whether the map is there and large enough to pick from.
    bool MapUsable() const;
    // Shows `d` in the degree fields and the hemisphere buttons.
    void ShowDegrees(const locmap::Degrees& d);
    // The fields' degrees and hemispheres become the chosen position.
    void TakeChosen();

    // The fields show a preview of the point under the mouse.
    bool previewing = false;
};
