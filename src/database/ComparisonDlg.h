// The comparison of the planets: eight bar charts of the nine bodies, the dwarf planet Pluto
// the ninth (revolution period, orbital velocity, distance from the Sun, mass, density,
// temperature, gravity, radius), one per tab, whose tallest bar belongs to the largest value.
// A check box puts the selected chart on a logarithmic scale, with a line at every power of
// ten; the charts whose values span many powers of ten open on it. The chart's picture can be
// saved, copied and printed.
#pragma once

#include "database/Charts.h"
#include "database/DataBaseRecords.h"
#include "platform/Dialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <algorithm>
#include <array>

class QCheckBox;

class ComparisonDlg : public platform::Dialog
{
    Q_OBJECT
public:
    // `planets`: the nine planet records in file order.
    ComparisonDlg(QWidget* parent, const std::array<PlanetDB, kPlanetCount>& planets,
                  int resId = 29);

    // Id of the "Logarithmic scale" check box.
    static constexpr int kIdLogScale = 4312;
    // Id of the Help button, as on the cards.
    static constexpr int kIdHelp = 9;

    // Selects the first tab.
    void SetupWindow() override;
    // Redraws the chart of the selected tab on a clean background, with the check box showing
    // the scale chosen for that tab.
    void TabSelChange();
    // The check box: the selected tab's chart on a logarithmic scale or not.
    void CmLogScale();
    // The scale of the selected tab's chart.
    database::ChartScale Scale() const;
    // The selected tab, the first while none is.
    int SelectedTab() const { return std::max(0, Comp->checkedId()); }
    // Selects tab `tab` as a click on it would.
    void SelectTab(int tab);

    // The printed title line of the selected tab's chart: the window's title, the chart's
    // caption and, on a logarithmic scale, "logarithmic scale", separated by dashes.
    QString ChartTitle() const;
    // The selected tab's caption without its padding ("Mass").
    QString ChartCaption() const;
    // The chart of the selected tab in the chart area's coordinates.
    database::ComparisonChart Layout() const;
    // Draws the selected tab's chart.
    void DrawGist(QPainter& p) const;

    QButtonGroup* Comp;
    QWidget* chart; // the area with the axes, bars and names
    QWidget* frame; // invisible: the rectangle of the bars
    std::array<QLabel*, 9> Label{};
    QCheckBox* chbLog;
    // Per tab, while the dialog is open: the logarithmic scale chosen.
    std::array<bool, database::kComparisonTabs> LogScale{};

private:
    QWidget* BuildTabs();
    QWidget* BuildChart();

    std::array<PlanetDB, kPlanetCount> planets;
};
