#include "app/MainScreen.h"

#include <QPainter>

MainScreen::MainScreen(QWidget* parent) : model::View(parent)
{
    setObjectName(QStringLiteral("mainScreen"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    using model::MakeAction;
    solarSystem = MakeAction(
        this, {"solarSystem", "&Solar System\tF2", {Qt::Key_F2}, "Show Solar System Model", 301});
    starMap = MakeAction(this, {"starMap", "Star &Map\tF3", {Qt::Key_F3}, "Show Star Map ", 302});
    dataBase = MakeAction(this, {"dataBase",
                                 "So&lar System DB\tF4",
                                 {Qt::Key_F4},
                                 "Data base of objects of Solar System",
                                 303});
    exit = MakeAction(this,
                      {"exit", "E&xit\tAlt+X", {Qt::ALT | Qt::Key_X}, "Exit from 'Velmoria'", 305});
    connect(solarSystem, &QAction::triggered, this,
            [this] { emit SubjectChosen(model::Mode::SolarSystem); });
    connect(starMap, &QAction::triggered, this,
            [this] { emit SubjectChosen(model::Mode::StarMap); });
    connect(dataBase, &QAction::triggered, this,
            [this] { emit SubjectChosen(model::Mode::DataBase); });
    connect(exit, &QAction::triggered, this, &MainScreen::ExitChosen);
}

model::MenuBar MainScreen::Menus(const model::SharedActions& shared)
{
    using model::Separator;
    return {
        {QStringLiteral("&Subject"), {{solarSystem}, {starMap}, {dataBase}, Separator(), {exit}}},
        {QStringLiteral("&Setup"),
         {{shared.almanac}, Separator(), {shared.showToolbar}, {shared.sound}}},
        {QStringLiteral("&Help"),
         {{shared.helpContents}, {shared.usingHelp}, Separator(), {shared.about}}},
    };
}

model::ToolbarButtons MainScreen::Toolbar(const model::SharedActions&)
{
    return {solarSystem, starMap, nullptr, dataBase, nullptr, exit};
}

bool MainScreen::Enter()
{
    background.Load(this);
    update();
    return true;
}

void MainScreen::Leave()
{
    background.Release();
}

void MainScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    background.Paint(painter, rect());
}
