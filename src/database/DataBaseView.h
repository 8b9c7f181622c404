// The Astronomical Database view: the main screen's picture behind the commands of its Object
// menu. Each command reads the records it needs, lends them to its card while the card is open,
// and frees them after; the picture commands run the viewer over their range of pictures.
#pragma once

#include "database/DataBaseRecords.h"
#include "model/BackgroundPicture.h"
#include "model/View.h"

#include <array>

class QAction;

class DataBaseView : public model::View
{
    Q_OBJECT
public:
    explicit DataBaseView(QWidget* parent = nullptr);

    QString Caption() const override;
    const char* Music() const override;
    const char* Hint() const override;
    model::MenuBar Menus(const model::SharedActions& shared) override;
    model::ToolbarButtons Toolbar(const model::SharedActions& shared) override;
    QString ToolbarCaption() const override;
    bool Enter() override;
    void Leave() override;

    // The card of planet `planet` (0 Mercury .. 8 Pluto) with its satellites and rings.
    void ShowPlanetData(int planet);
    void ShowSunData();
    void ShowMoonData();
    // The nine planets on the comparison charts.
    void CmComparison();
    // The picture viewer over the Solar System objects, galaxies and nebulae.
    void CmSolObjView();
    void CmGalaxyView();
    void CmNebulaView();
    // Runs the picture viewer over pictures first..last with `hint` in the hint line.
    void ShowViews(int first, int last, const char* hint);
    // The view's command of object name `name`, or null.
    QAction* Action(const char* name) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateActions();
    // A file that does not open or cannot be read: the box naming it, then what cannot be
    // shown; then the view closes and the main screen comes back.
    void OpenFailed(const char* path, const char* what);
    void ReadFailed(const char* path, const char* what);

    model::BackgroundPicture background;
    QAction* ret = nullptr;
    QAction* sun = nullptr;
    std::array<QAction*, kPlanetCount> planets{};
    QAction* moon = nullptr;
    QAction* comparison = nullptr;
    QAction* solarObjects = nullptr;
    QAction* galaxies = nullptr;
    QAction* nebulas = nullptr;
};
