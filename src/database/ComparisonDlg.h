// The comparison of the planets: eight bar charts of the nine planets (revolution period,
// orbital velocity, distance from the Sun, mass, density, temperature, gravity, radius), one
// per tab, each with one linear scale whose tallest bar belongs to the largest value.
#pragma once

#include "database/Charts.h"
#include "database/DataBaseRecords.h"
#include "platform/Dialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <array>

class ComparisonDlg : public platform::Dialog
{
    Q_OBJECT
public:
    // `planet`: the nine planet records in file order, borrowed.
    ComparisonDlg(QWidget* parent, PlanetDB** planet, int resId = 29);

    // Selects the first tab.
    void SetupWindow() override;
    // Redraws the chart of the selected tab on a clean background.
    void TabSelChange();
    void CmOk();
    int SelectedTab() const { return Comp->checkedId(); }
    // Selects tab `tab` as a click on it would.
    void SelectTab(int tab);

    // The chart of the selected tab in the chart area's coordinates.
    database::ComparisonChart Layout() const;
    // Draws the selected tab's chart: DrawRevSid .. DrawSize by tab.
    void DrawGist(QPainter& p) const;

    PlanetDB** Planet;
    QButtonGroup* Comp;
    QWidget* chart; // the area with the axes, bars and names
    QWidget* frame; // invisible: the rectangle of the bars
    std::array<QLabel*, 9> Label{};
};
