// The help viewer goes back and forward through the pages it showed, back to its contents
// and to the page on using help, and opens over the window it was asked from.
#include "common/TestSupport.h"
#include "platform/Help.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// The page of the viewer window.
QTextBrowser* Viewer()
{
    for (QWidget* w : QApplication::allWidgets())
        if (w->objectName() == QLatin1String("helpviewer"))
            return w->findChild<QTextBrowser*>();
    return nullptr;
}

std::string Heading(QTextBrowser* viewer)
{
    const QString text = viewer->toPlainText();
    return text.section(QLatin1Char('\n'), 0, 0).trimmed().toStdString();
}
} // namespace

TEST(HelpViewerBack, BackspaceAndAltLeftReturnThroughThePagesShownAndStopAtTheFirst)
{
    testing_support::ScratchDir dir;
    dir.Write("Velmoria.hlp", "VELMORIA HELP 1\n"
                              "@@topic contents\n<h1>Contents</h1><a href=\"topic:9016\">i</a>\n"
                              "@@topic 9016\n<h1>Index</h1><a href=\"topic:9018\">g</a>\n"
                              "@@topic 9018\n<h1>Glance</h1>\n");
    platform::ShowHelpContents(nullptr);
    QTextBrowser* viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    // Following links as a reader does.
    emit viewer->anchorClicked(QUrl(QStringLiteral("topic:9016")));
    emit viewer->anchorClicked(QUrl(QStringLiteral("topic:9018")));
    ASSERT_EQ(Heading(viewer), "Glance");
    const struct
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* shown;
    } steps[] = {{Qt::Key_Backspace, Qt::NoModifier, "Index"},
                 {Qt::Key_Left, Qt::AltModifier, "Contents"},
                 {Qt::Key_Backspace, Qt::NoModifier, "Contents"}};
    for (const auto& s : steps)
    {
        QTest::keyClick(viewer, Qt::Key(s.key), s.modifiers);
        EXPECT_EQ(Heading(viewer), s.shown);
    }
    viewer->window()->close();
}

namespace
{
QPushButton* Button(QTextBrowser* viewer, const char* name)
{
    return viewer->window()->findChild<QPushButton*>(QString::fromLatin1(name));
}
} // namespace

TEST(HelpViewerBack, ForwardContentsAndF1LeadWhereTheySay)
{
    testing_support::ScratchDir dir;
    dir.Write("Velmoria.hlp", "VELMORIA HELP 1\n"
                              "@@topic contents\n<h1>Contents</h1>\n"
                              "@@topic helponhelp\n<h1>Using help</h1>\n"
                              "@@topic 9016\n<h1>Index</h1>\n"
                              "@@topic 9018\n<h1>Glance</h1>\n");
    platform::ShowHelpTopic(nullptr, 9016);
    QTextBrowser* viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    emit viewer->anchorClicked(QUrl(QStringLiteral("topic:9018")));
    EXPECT_TRUE(Button(viewer, "back")->isEnabled());
    EXPECT_FALSE(Button(viewer, "forward")->isEnabled());
    const struct
    {
        const char* action;  // a button's name, or a key
        const char* shown;
    } steps[] = {{"back", "Index"},     {"forward", "Glance"}, {"Alt+Left", "Index"},
                 {"Alt+Right", "Glance"}, {"contents", "Contents"}, {"back", "Glance"},
                 {"F1", "Using help"},  {"back", "Glance"},    {"forward", "Using help"}};
    for (const auto& s : steps)
    {
        if (QPushButton* b = Button(viewer, s.action))
            b->click();
        else
        {
            const QKeySequence key = QKeySequence::fromString(QString::fromLatin1(s.action));
            QTest::keyClick(viewer, key[0].key(), key[0].keyboardModifiers());
        }
        EXPECT_EQ(Heading(viewer), s.shown) << s.action;
    }
    // Forward leads nowhere once a new page was chosen after going back.
    Button(viewer, "back")->click();
    Button(viewer, "contents")->click();
    EXPECT_FALSE(Button(viewer, "forward")->isEnabled());
    viewer->window()->close();
}

TEST(HelpViewerBack, FirstOpenedFromAModalDialogItSitsOverTheDialogOnTheScreen)
{
    testing_support::ScratchDir dir;
    dir.Write("Velmoria.hlp", "VELMORIA HELP 1\n@@topic 9003\n<h1>Time Update</h1>\n");
    // A new viewer, as at the first request of a session.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("helpviewer"))
            delete w;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QRect helpFrame, dialogFrame;
    QDialog dialog;
    dialog.setGeometry(area.center().x() - 150, area.center().y() - 100, 300, 200);
    QTimer::singleShot(0, &dialog, [&] {
        platform::ShowHelpTopic(&dialog, 9003);
        helpFrame = Viewer()->window()->frameGeometry();
        dialogFrame = dialog.frameGeometry();
        dialog.accept();
    });
    dialog.exec();
    EXPECT_TRUE(area.contains(helpFrame));
    EXPECT_LE((helpFrame.center() - dialogFrame.center()).manhattanLength(), 30);
    Viewer()->window()->close();
}
