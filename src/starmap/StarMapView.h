// The Star Map as a view of the main window: the globe's picture, its scroll bar (the Review
// Globe's tilt), the mouse and keys that turn and tilt it, the right click that opens cards, and
// the view's commands.
#pragma once

#include "model/ClockView.h"
#include "model/Config.h"
#include "model/ViewHost.h"
#include "starmap/StarMap.h"

#include <QPoint>

class QAction;
class SimClock;

class StarMapView : public model::ClockView, public model::ViewHost
{
    Q_OBJECT
public:
    StarMapView(Setup& values, SimClock& clock, QWidget* parent = nullptr);
    ~StarMapView() override;

    QString Caption() const override;
    const char* Music() const override;
    const char* Hint() const override;
    model::MenuBar Menus(const model::SharedActions& shared) override;
    model::ToolbarButtons Toolbar(const model::SharedActions& shared) override;
    QString ToolbarCaption() const override;
    bool Enter() override;
    void Leave() override;
    void UpdateActions() override;

    bool Playing() const override;
    void Go() override;
    void Stop() override;
    void ShowInstant(uint64_t S, std::optional<int32_t> utcOffset) override;
    void ClockReversed() override;
    void Normal() override;
    void Redraw() override;

    // The Review Globe turned about its axis by `turnDegrees` (positive moves the stars in
    // front to the left) and tilted to scroll position `vpos` (0..360), then drawn.
    void TurnReviewGlobe(double turnDegrees, int vpos);
    // A right click at `point`: the cards of what it hits on the stopped globe.
    void OpenCardsAt(QPoint point);
    // The view's command of object name `name`, or null.
    QAction* Action(const char* name) const;

    StarMap starmap;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateActions();
    // Runs a command of the view, then lets its actions follow the new state.
    template <class F> void Connect(QAction* action, F handler);
    bool InReviewGlobe() const;
    // The scroll bar moved by one of its actions.
    void Scrolled(int action);
    // Real sky (true) or review globe (false).
    void ChangeSystem(bool realSky);
    void SavePicture();
    void CopyPicture();
    void PrintPicture();
    QImage Picture() const;
    // The file a picture of the view is saved or printed to by default: the view's name, the
    // clock's date and time.
    QString FileName() const;

    Setup& values;
    SimClock& clock;
    QAction* realSky = nullptr;
    QAction* review = nullptr;
    QAction* savePicture = nullptr;
    QAction* copyPicture = nullptr;
    QAction* printPicture = nullptr;
    QAction* zoomIn = nullptr;
    QAction* zoomOut = nullptr;
    QAction* timeForward = nullptr;
    QAction* timeBack = nullptr;
    QAction* go = nullptr;
    QAction* stop = nullptr;
    QAction* find = nullptr;
    QAction* findNext = nullptr;
    QAction* setup = nullptr;
    QAction* location = nullptr;
    QAction* constellationIndex = nullptr;
    QAction* about = nullptr;
    // The wheel's turn not yet worth a whole zoom step, in eighths of a degree.
    int wheelRest = 0;
    // A left-button drag on the Review Globe: where it began, and the scroll position then.
    bool dragging = false;
    QPoint dragFrom;
    QPoint dragLast;
    int dragVPos = 180;
};
