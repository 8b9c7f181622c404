// The Solar System as a view of the main window: the model's picture, the right click that opens
// a body's card, the wheel's zoom, and the view's commands.
#pragma once

#include "model/ClockView.h"
#include "model/Config.h"
#include "model/ViewHost.h"
#include "solar/SolarSystem.h"

#include <QPoint>
#include <array>

class QAction;
class SimClock;

class SolarSystemView : public model::ClockView, public model::ViewHost
{
    Q_OBJECT
public:
    SolarSystemView(Setup& values, SimClock& clock, QWidget* parent = nullptr);
    ~SolarSystemView() override;

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
    void Normal() override;
    void Redraw() override;

    // A right click at `point`: the cards of the bodies it hits on the stopped model.
    void OpenCardsAt(QPoint point);
    // The view's command of object name `name`, or null.
    QAction* Action(const char* name) const;

    SolarSystem solar;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void CreateActions();
    // Runs a command of the view, then lets its actions follow the new state.
    template <class F> void Connect(QAction* action, F handler);
    QImage Picture() const;

    Setup& values;
    SimClock& clock;
    std::array<QAction*, 12> centre{};
    QAction* savePicture = nullptr;
    QAction* copyPicture = nullptr;
    QAction* printPicture = nullptr;
    QAction* zoomIn = nullptr;
    QAction* zoomOut = nullptr;
    QAction* timeForward = nullptr;
    QAction* timeBack = nullptr;
    QAction* go = nullptr;
    QAction* stop = nullptr;
    QAction* setup = nullptr;
    // The wheel's turn not yet worth a whole zoom step, in eighths of a degree.
    int wheelRest = 0;
};
