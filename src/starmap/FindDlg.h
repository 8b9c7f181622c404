// The Star Map's search dialog: what kind of object to look for and its name.
#pragma once

#include "platform/Dialog.h"
#include "starmap/Search.h"

class QGroupBox;
class QLineEdit;
class QRadioButton;

class FindDlg : public platform::Dialog
{
    Q_OBJECT
public:
    explicit FindDlg(QWidget* parent, int resId = 30);

    // "Star" checked and the focus in the empty name field.
    void SetupWindow() override;
    // Takes the name with every run of spaces reduced to one and, when it is not empty, the
    // kind checked; closes the dialog.
    void CmOk();
    // What OK took: no kind when the name was empty (or the dialog was cancelled).
    const search::Query& Result() const { return result; }

    QGroupBox* search;
    QRadioButton* Star;
    QRadioButton* Constel;
    QRadioButton* NGCMess;
    QRadioButton* SolObj;
    QLineEdit* Name;

private:
    search::Query result;
};
