// The Star Map's search dialog: what kind of object to look for and its name.
#pragma once

#include "platform/Dialog.h"

#include <cstdint>

class QGroupBox;
class QLineEdit;
class QRadioButton;

class FindDlg : public platform::Dialog
{
    Q_OBJECT
public:
    // `name`: the caller's text buffer (search::kMaxSearchText + 1 characters); `searchitem`:
    // the caller's kind byte, set to 0 here and written only when OK is pressed on a name.
    FindDlg(QWidget* parent, char* name, uint8_t* searchitem, int resId = 30);

    // "Star" checked and the focus in the empty name field.
    void SetupWindow() override;
    // Copies the name with every run of spaces reduced to one; a name that is not empty sets the
    // kind: 1 star, 2 constellation, 3 NGC or Messier object, 4 Solar object. Closes the dialog.
    void CmOk();
    void CmHelp();

    char* ObjName;
    uint8_t* SearchItem;
    QGroupBox* search;
    QRadioButton* Star;
    QRadioButton* Constel;
    QRadioButton* NGCMess;
    QRadioButton* SolObj;
    QLineEdit* Name;
};
