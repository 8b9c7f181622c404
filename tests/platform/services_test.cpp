#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QTimer>
#include <QTimerEvent>
#include <gtest/gtest.h>

#include "common/TestSupport.h"
#include "platform/Files.h"
#include "platform/Help.h"
#include "platform/Timers.h"

namespace
{
TEST(Files, OpensTheProgramsPathsAndNamesThemUpperCased)
{
    testing_support::ScratchDir dir;
    dir.Write("Data/Solobj.dat", "abc");
    std::FILE* f = platform::OpenFile("Data\\Solobj.dat", "rb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(platform::FileSize(f), 3);
    std::fclose(f);
    EXPECT_EQ(platform::OpenFile("Data\\Missing.dat", "rb"), nullptr);
    EXPECT_EQ(platform::FileMessage("Unable to open file", "Data\\Solobj.dat"),
              "Unable to open file DATA\\SOLOBJ.DAT");
}

TEST(HelpFile, SplitsTopicsByKeyAndRejectsOtherFiles)
{
    const auto topics = platform::ParseHelpFile(
        "VELMORIA HELP 1\r\nignored\n@@topic 9001\n<h1>One</h1>\n@@topic contents \nlist\n");
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics.at("9001"), "<h1>One</h1>\n");
    EXPECT_EQ(topics.at("contents"), "list\n");
    EXPECT_TRUE(platform::ParseHelpFile("MZ\x90\n@@topic 9001\nx").empty());
    EXPECT_TRUE(platform::ParseHelpFile("").empty());
}

TEST(HelpFile, TheShippedFileHasEveryContext)
{
    testing_support::ScratchDir dir;
    dir.LinkRuntime("Velmoria.hlp");
    const std::string text = dir.Read("Velmoria.hlp");
    const auto topics = platform::ParseHelpFile(text);
    for (int context = 9001; context <= 9018; ++context)
        EXPECT_EQ(topics.count(std::to_string(context)), 1u) << context;
    EXPECT_EQ(topics.count("contents"), 1u);
    EXPECT_EQ(topics.count("helponhelp"), 1u);
}

TEST(WindowTimers, ClampToTheClassicMinimumAndReplaceBySameId)
{
    QObject owner;
    platform::WindowTimers timers(&owner);
    timers.SetTimer(4, 1);
    EXPECT_TRUE(timers.IsRunning(4));
    EXPECT_EQ(timers.Period(4), 1u);
    EXPECT_EQ(timers.EffectivePeriod(4), platform::kMinTimerPeriod);
    timers.SetTimer(4, 500);
    EXPECT_EQ(timers.EffectivePeriod(4), 500u);
    timers.SetTimer(2, 1000);
    timers.KillTimer(4);
    EXPECT_FALSE(timers.IsRunning(4));
    EXPECT_TRUE(timers.IsRunning(2));
    EXPECT_EQ(timers.Lookup(-5), 0u);
    timers.KillTimer(3);  // not running: nothing happens
    timers.KillAll();
    EXPECT_FALSE(timers.IsRunning(2));
}
} // namespace

namespace
{
QWidget* HelpWindow()
{
    for (QWidget* w : QApplication::allWidgets())
        if (w->objectName() == QLatin1String("helpviewer"))
            return w;
    return nullptr;
}

TEST(HelpViewer, StaysUsableFromAModalDialogAndOutlivesIt)
{
    testing_support::ScratchDir dir;
    dir.Write("Velmoria.hlp", "VELMORIA HELP 1\n@@topic 9003\n<h1>Time Update</h1>\n");
    QWidget* parentDuringDialog = nullptr;
    {
        QDialog dialog;
        QTimer::singleShot(0, &dialog, [&] {
            platform::ShowHelpTopic(&dialog, 9003);
            QWidget* viewer = HelpWindow();
            ASSERT_NE(viewer, nullptr);
            EXPECT_TRUE(viewer->isVisible());
            // A window of the modal dialog is not blocked by it.
            parentDuringDialog = viewer->parentWidget();
            dialog.accept();
        });
        dialog.exec();
    }
    EXPECT_NE(parentDuringDialog, nullptr);
    QWidget* viewer = HelpWindow();
    ASSERT_NE(viewer, nullptr);  // not deleted with the dialog
    EXPECT_EQ(viewer->parentWidget(), nullptr);
    EXPECT_TRUE(viewer->isVisible());
    viewer->close();
}

TEST(HelpViewer, MissingFileOrTopicShowsNothing)
{
    testing_support::ScratchDir dir;
    if (QWidget* viewer = HelpWindow())
        viewer->hide();
    platform::ShowHelpTopic(nullptr, 9001);
    QWidget* viewer = HelpWindow();
    EXPECT_TRUE(viewer == nullptr || !viewer->isVisible());
    dir.Write("Velmoria.hlp", "VELMORIA HELP 1\n@@topic contents\nx\n");
    platform::ShowHelpTopic(nullptr, 9001);
    viewer = HelpWindow();
    EXPECT_TRUE(viewer == nullptr || !viewer->isVisible());
    platform::ShowHelpContents(nullptr);
    viewer = HelpWindow();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    viewer->close();
}
} // namespace
