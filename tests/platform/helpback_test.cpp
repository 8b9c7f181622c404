// The help viewer goes back through the pages it showed.
#include "common/TestSupport.h"
#include "platform/Help.h"

#include <QApplication>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
QTextBrowser* Viewer()
{
    for (QWidget* w : QApplication::allWidgets())
        if (w->objectName() == QLatin1String("helpviewer"))
            return qobject_cast<QTextBrowser*>(w);
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
    platform::WinHelp(nullptr, "Velmoria.hlp", platform::HELP_FINDER, 0);
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
    viewer->close();
}
