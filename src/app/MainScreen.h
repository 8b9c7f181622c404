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

    QString Caption() const override;
    const char* Music() const override;
    const char* Hint() const override;
    model::MenuBar Menus(const model::SharedActions& shared) override;
    model::ToolbarButtons Toolbar(const model::SharedActions& shared) override;
    QString ToolbarCaption() const override;
    bool Enter() override;
    void Leave() override;

    // The screen's command of object name `name`, or null.
    QAction* Action(const char* name) const;

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
