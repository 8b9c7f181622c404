// The ring card: one ring's, gap's or division's record, formatted once, with Help and Close.
#pragma once

#include "database/DataBaseRecords.h"
#include "platform/Dialog.h"

#include <QLabel>

class RingDlg : public platform::Dialog
{
    Q_OBJECT
public:
    RingDlg(QWidget* parent, const RingDB& ring, int resId = 18);

    // Caption and values from the record.
    void SetupWindow() override;
    void CmOk();
    // Help on the ring card (9017).
    void CmHelp();

    QLabel *Distance, *Width, *Thickness, *Mass, *Albedo;

private:
    RingDB Ring;
};
