// The Moon card: orbital data, physical data, and the inner structure as a table beside its
// picture, with the buttons that open the Moon's video and picture. Opened by the Object
// menu and by the Earth's planet card.
#pragma once

#include "database/BodyCard.h"
#include "database/DataBaseRecords.h"

#include <QLabel>
#include <array>

class MoonDlg : public database::BodyCard
{
    Q_OBJECT
public:
    MoonDlg(QWidget* parent, const MoonDB& moon, int resId = 22);

    // Tabs, values, the structure table and picture; opens on the orbital page.
    void SetupWindow() override;

private:
    MoonDB Moon;
    std::array<QLabel*, 11> orbital{};
    std::array<QLabel*, 7> physical{};
    database::StructureTableBox* structure;
};
