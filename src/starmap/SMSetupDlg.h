// The Star Map options dialog: the globe's layers, the transparent sphere and the limiting
// magnitude. It edits the record in place, only when closed with OK. The planets' and the
// names' layers are offered when their bytes are given.
#pragma once

#include "model/Config.h"
#include "platform/Dialog.h"

class QCheckBox;
class QLabel;
class QScrollBar;

class SMSetupDlg : public platform::Dialog
{
    Q_OBJECT
public:
    SMSetupDlg(QWidget* parent, SMSetup* V, int resId = 13, bool8* planets = nullptr,
               bool8* names = nullptr);

    // The five boxes from Check[0..4] and the planets' and names' boxes from their bytes; the
    // scroll bar 0..140 at the stored limit and the label with the limit.
    void SetupWindow() override;
    // The label follows the scroll bar.
    void sbChange();
    // Check[i] := box i checked; SelectMagn := the number the label shows.
    void StoreValues();
    void CmOk();
    void CmHelp();

    SMSetup* Values;
    QCheckBox* chbConstLines;
    QCheckBox* chbCoordGrid;
    QCheckBox* chbNGCMess;
    QCheckBox* chbSolObj;
    QCheckBox* chbTransparent;
    QCheckBox* chbPlanets;
    QCheckBox* chbNames;
    bool8* Planets;
    bool8* Names;
    QScrollBar* sbMagn;
    QLabel* txtMagn;

private:
    // The boxes in the order of Check[].
    QCheckBox* Box(int index) const;
};
