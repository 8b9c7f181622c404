// The About box: the program's picture and icon and the texts of its version resource.
#pragma once

#include "platform/Dialog.h"

#include <QImage>
#include <QLabel>

class QGroupBox;

class AboutDlg : public platform::Dialog
{
    Q_OBJECT
public:
    explicit AboutDlg(QWidget* parent = nullptr, int resId = 11);
    // Fills the version, author, copyright and special-build lines from the program file's
    // version resource, read afresh on every opening.
    void SetupWindow() override;

    QImage Bitmap;        // the About picture (bitmap 102)
    QGroupBox* IconFrame; // 10006
    QGroupBox* NameFrame; // 10007

    // Text of static control `id` (10002..10005, 10008).
    QString Line(int id) const;

private:
    QLabel* version;   // 10002
    QLabel* copyright; // 10003
    QLabel* special;   // 10004
    QLabel* author;    // 10005
    QLabel* licence;   // 10008: the program's own licence and the file that holds it
    QLabel* picture;
    QLabel* iconLabel;
};
