// The ring card: one ring's, gap's or division's record, formatted once, with Help (9017)
// and Close.
#pragma once

#include "database/DataBaseRecords.h"
#include "platform/Dialog.h"

#include <QLabel>
#include <array>

class RingDlg : public platform::Dialog
{
    Q_OBJECT
public:
    RingDlg(QWidget* parent, const RingDB& ring, int resId = 18);

    // Caption and values from the record.
    void SetupWindow() override;

private:
    RingDB Ring;
    std::array<QLabel*, 5> values{}; // distance, width, thickness, mass, albedo
};
