// The frame at its smallest: the size it keeps as its minimum still shows the Star Map's
// compass points, the clock's whole texts in the status bar, and every toolbar button.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "starmap/StarMapApp.h"

#include <QApplication>
#include <QLayout>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include "common/AppSupport.h"

using testing_support::IsEnabled;
using testing_support::Trigger;

namespace
{
class SmallestFrame : public StarMapApp
{
protected:
    void ShrinkToMinimum()
    {
        app->Frame()->resize(app->Frame()->minimumSize());
        app->Frame()->layout()->activate();
        QApplication::processEvents();
        ASSERT_EQ(app->Frame()->size(), app->Frame()->minimumSize());
        // The client area really is that small: it lies within the frame.
        ASSERT_TRUE(app->Frame()->rect().contains(wnd->geometry()));
    }
};

TEST_F(SmallestFrame, CompassPointsOfTheRealSkyStayWholeWhenTheFrameShrinks)
{
    // The letters N, E, S and W are orange, (255, 140, 0) smoothed onto the black sky: no
    // blue and more red than green.
    const auto compassPixels = [this]
    {
        return Count(Picture(),
                     [](QRgb c) { return qBlue(c) == 0 && qGreen(c) > 0 && qRed(c) > qGreen(c); });
    };
    // No names, no layer and no star: on a small globe they would stand over the letters.
    wnd->Values.Names = 0;
    wnd->Values.Planets = 0;
    wnd->Values.SMValues.SelectMagn = kMinSelectMagn;
    for (auto& layer : wnd->Values.SMValues.Check)
        layer = 0;
    app->Frame()->resize(1000, 800);
    QApplication::processEvents();
    Trigger(wnd, "starMap");
    Trigger(wnd, "stop");
    const int whole = compassPixels();
    ASSERT_GT(whole, 20);
    ShrinkToMinimum();
    EXPECT_EQ(compassPixels(), whole);
}

TEST_F(SmallestFrame, ClockPanesShowTheirWholeTexts)
{
    Trigger(wnd, "starMap");
    ShrinkToMinimum();
    for (const char* name : {"sbDate", "sbTime"})
    {
        const auto* pane = app->Frame()->findChild<QLabel*>(QLatin1String(name));
        ASSERT_NE(pane, nullptr) << name;
        ASSERT_FALSE(pane->text().trimmed().isEmpty()) << name;
        EXPECT_GE(pane->width(), pane->sizeHint().width()) << pane->text().toStdString();
    }
}

TEST_F(SmallestFrame, EveryToolbarShowsAllItsButtonsWithNoExtension)
{
    for (const std::string subject : {"", "solarSystem", "starMap", "dataBase"})
    {
        if (!subject.empty())
            Trigger(wnd, subject.c_str());
        ShrinkToMinimum();
        QToolBar* bar = app->Frame()->Toolbar();
        const auto* extension = bar->findChild<QToolButton*>("qt_toolbar_ext_button");
        EXPECT_FALSE(extension && extension->isVisible()) << subject;
        bool returnShown = false;
        for (QAction* action : bar->actions())
        {
            if (action->isSeparator())
                continue;
            const QWidget* button = bar->widgetForAction(action);
            EXPECT_TRUE(button && button->isVisible())
                << subject << ": " << action->objectName().toStdString();
            returnShown |=
                action->objectName() == QStringLiteral("return") && button && button->isVisible();
        }
        EXPECT_EQ(returnShown, !subject.empty()) << subject;
        if (!subject.empty())
            Trigger(wnd, "return");
    }
}
} // namespace
