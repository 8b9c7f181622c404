// The Astronomical Database view: the main screen's picture behind the commands of its Object
// menu. Each command reads the records it needs, lends them to its card while the card is open,
// and frees them after; the picture commands run the viewer over their range of pictures.
#pragma once

#include "database/DataBaseRecords.h"
#include "model/BackgroundPicture.h"
#include "model/View.h"

#include <array>
#include <cstdio>

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateActions();
    // The card of planet `planet` (0 Mercury .. 8 Pluto) with its satellites and rings.
    void ShowPlanetData(int planet);
    void ShowSunData();
    void ShowMoonData();
    // The nine planets on the comparison charts.
    void CmComparison();
    // Runs the card `Card` made with `args`, then puts the view's hint back.
    template <class Card, class... Args> void RunCard(Args&&... args);
    // Opens `path` for reading; when it does not open, the box naming it, then `what` cannot
    // be shown, and the view closes so that the main screen comes back.
    std::FILE* OpenOrLeave(const char* path, const char* what);
    // The same boxes and return for a file that cannot be read.
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
