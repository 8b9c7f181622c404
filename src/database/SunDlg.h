// The Sun card: physical data on one page, the chemical elements beside the structure
// picture on the other, and the buttons that open the Sun's video and picture.
#pragma once

#include "database/BodyCard.h"
#include "database/DataBaseRecords.h"

#include <QLabel>
#include <array>

class SunDlg : public database::BodyCard
{
    Q_OBJECT
public:
    SunDlg(QWidget* parent, const SunDB& sun, int resId = 21);

    // Tabs, values, the structure picture; opens on the physical page.
    void SetupWindow() override;

    std::array<QLabel*, 11> Element{}, Ratio{};

private:
    SunDB Sun;
    std::array<QLabel*, 10> values{};
};
