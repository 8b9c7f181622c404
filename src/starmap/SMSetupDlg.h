// The Star Map options dialog: the globe's layers, the transparent sphere, the planets, the
// names and the limiting magnitude. It takes the options and gives back what OK stored.
#pragma once

#include "model/Config.h"
#include "platform/Dialog.h"

class QCheckBox;
class QLabel;
class QScrollBar;

// The options the dialog edits.
struct StarMapOptions
{
    SMSetup layers;
    bool8 planets;
    bool8 names;
};

class SMSetupDlg : public platform::Dialog
{
    Q_OBJECT
public:
    SMSetupDlg(QWidget* parent, const StarMapOptions& options, int resId = 13);

    // The five boxes from Check[0..4] and the planets' and names' boxes from their bytes; the
    // scroll bar 0..140 at the stored limit and the label with the limit.
    void SetupWindow() override;
    // The label follows the scroll bar.
    void sbChange();
    // Check[i] := box i checked; SelectMagn := the number the label shows; closes the dialog.
    void CmOk();
    // The options as given, or as OK stored them.
    const StarMapOptions& Options() const { return options; }

    QCheckBox* chbConstLines;
    QCheckBox* chbCoordGrid;
    QCheckBox* chbNGCMess;
    QCheckBox* chbSolObj;
    QCheckBox* chbTransparent;
    QCheckBox* chbPlanets;
    QCheckBox* chbNames;
    QScrollBar* sbMagn;
    QLabel* txtMagn;

private:
    StarMapOptions options;
    // The boxes in the order of Check[].
    QCheckBox* Box(int index) const;
};
