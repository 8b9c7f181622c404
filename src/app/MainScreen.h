// The main screen: the background picture, and the Subject menu that opens the views and ends
// the program.
#pragma once

#include "model/BackgroundPicture.h"
#include "model/View.h"

class QAction;

class MainScreen : public model::View
{
    Q_OBJECT
public:
    explicit MainScreen(QWidget* parent = nullptr);

    QString Caption() const override { return QStringLiteral("Velmoria - [Main]"); }
    const char* Music() const override { return "Sound\\Main.wav"; }
    const char* Hint() const override { return "Choose subject for viewing"; }
    model::MenuBar Menus(const model::SharedActions& shared) override;
    model::ToolbarButtons Toolbar(const model::SharedActions& shared) override;
    QString ToolbarCaption() const override { return QStringLiteral("Main Toolbar"); }
    bool Enter() override;
    void Leave() override;

signals:
    // The user chose a view, or to end the program.
    void SubjectChosen(model::Mode subject);
    void ExitChosen();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    model::BackgroundPicture background;
    QAction* solarSystem = nullptr;
    QAction* starMap = nullptr;
    QAction* dataBase = nullptr;
    QAction* exit = nullptr;
};
