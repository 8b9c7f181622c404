// The help viewer beside the dialog that asked for it, a fresh viewer with nothing to go back
// to, and the help file's indexes in alphabetical order.
#include "common/TestSupport.h"
#include "platform/Help.h"
#include "platform/Placement.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace
{
QWidget* Viewer()
{
    for (QWidget* w : QApplication::allWidgets())
        if (w->objectName() == QLatin1String("helpviewer"))
            return w;
    return nullptr;
}

TEST(BesideFrame, TakesTheFirstSideWithRoomRightLeftBelowAbove)
{
    const QRect area(0, 0, 1000, 800);
    const struct
    {
        QRect owner, area, frame;
    } cases[] = {
        {{100, 100, 300, 200}, area, {404, 100, 500, 400}},             // right
        {{500, 100, 300, 200}, area, {0, 100, 496, 400}},               // left, narrowed
        {{100, 100, 800, 200}, area, {100, 304, 500, 400}},             // below
        {{100, 450, 800, 300}, area, {100, 46, 500, 400}},              // above
        {{100, 600, 300, 150}, area, {404, 400, 500, 400}},             // right, lifted on screen
        {{100, 100, 300, 200}, {0, 0, 800, 600}, {404, 100, 396, 400}}, // right, narrowed
        {{250, 200, 500, 400}, area, {}},                               // no room for the minimum
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::BesideFrame({500, 400}, {300, 250}, c.owner, c.area), c.frame)
            << c.owner.x() << "," << c.owner.y();
}

class HelpViewerOpening : public ::testing::Test
{
protected:
    HelpViewerOpening()
    {
        dir.Write("Velmoria.hlp", "VELMORIA HELP 1\n@@topic contents\n<h1>Contents</h1>\n"
                                  "@@topic 9003\n<h1>Time Update</h1>\n");
        delete Viewer();
    }
    ~HelpViewerOpening() override { delete Viewer(); }
    testing_support::ScratchDir dir;
};

TEST_F(HelpViewerOpening, AViewerOpenedAfterItWasClosedHasNothingToGoBackTo)
{
    for (const bool closed : {true, false})
    {
        platform::ShowHelpContents(nullptr);
        auto* back = Viewer()->findChild<QPushButton*>(QStringLiteral("back"));
        EXPECT_FALSE(back->isEnabled());
        emit Viewer()->findChild<QTextBrowser*>()->anchorClicked(QUrl("topic:9003"));
        EXPECT_TRUE(back->isEnabled());
        if (closed)
            Viewer()->close();
        platform::ShowHelpContents(nullptr);
        EXPECT_EQ(back->isEnabled(), !closed);
        delete Viewer();
    }
}

TEST_F(HelpViewerOpening, HelpAskedFromADialogStandsBesideItWhereTheScreenHasRoom)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct
    {
        QRect dialog;
        bool beside;
    } cases[] = {{{screen.left() + 10, screen.top() + 60, 220, 160}, true},
                 {{screen.right() - 230, screen.top() + 60, 220, 160}, true},
                 {screen.adjusted(10, 40, -10, -10), false}};
    for (const auto& c : cases)
    {
        delete Viewer();
        QRect helpFrame, dialogFrame;
        QDialog dialog;
        dialog.setGeometry(c.dialog);
        QTimer::singleShot(0, &dialog,
                           [&]
                           {
                               platform::ShowHelpTopic(&dialog, 9003);
                               helpFrame = Viewer()->frameGeometry();
                               dialogFrame = dialog.frameGeometry();
                               dialog.accept();
                           });
        dialog.exec();
        EXPECT_TRUE(screen.contains(helpFrame)) << c.dialog.x();
        EXPECT_EQ(!helpFrame.intersects(dialogFrame), c.beside) << c.dialog.x();
    }
}

TEST(HelpFileIndexes, TheIndexAndTheConstellationsIndexAreInAlphabeticalOrder)
{
    std::ifstream in(std::string(VELMORIA_RUNTIME_DIR) + "/Velmoria.hlp", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const auto topics = platform::ParseHelpFile(text.str());
    // Topic, the text its table follows, the column read (subjects; constellations by name).
    const struct
    {
        const char* topic;
        const char* after;
        int column;
    } cases[] = {{"contents", "<h2>Index</h2>", 0}, {"9016", "<table", 2}};
    static const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"));
    static const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"));
    for (const auto& c : cases)
    {
        ASSERT_TRUE(topics.count(c.topic)) << c.topic;
        const QString html = QString::fromStdString(topics.at(c.topic));
        QStringList cells;
        for (auto r = row.globalMatch(html.mid(html.indexOf(c.after))); r.hasNext();)
        {
            QStringList inRow;
            for (auto m = cell.globalMatch(r.next().captured(1)); m.hasNext();)
                inRow << m.next().captured(1).remove(QRegularExpression("<[^>]*>")).trimmed();
            if (inRow.size() > c.column)
                cells << inRow[c.column];
        }
        EXPECT_GE(cells.size(), 20) << c.topic;
        for (qsizetype i = 1; i < cells.size(); ++i)
            EXPECT_LE(QString::compare(cells[i - 1], cells[i], Qt::CaseInsensitive), 0)
                << c.topic << ": " << cells[i - 1].toStdString() << " | " << cells[i].toStdString();
    }
}
} // namespace
