// Where dialogs, cards and other windows of the program open: over the window they belong
// to, wholly on the screen with their title bar, at a fixed size, without minimize or
// maximize buttons.
#include "common/TestSupport.h"
#include "platform/Dialog.h"
#include "platform/MessageBox.h"
#include "platform/Placement.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace
{
using testing_support::DialogAnswer;

QRect Available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

TEST(FitInside, MovesAFrameOntoTheAreaWithoutResizingIt)
{
    const QRect area(0, 0, 800, 600);
    struct Case
    {
        QRect frame;
        QPoint topLeft;
    };
    const Case cases[] = {
        {{100, 100, 200, 100}, {100, 100}},  // already inside
        {{100, 520, 200, 100}, {100, 500}},  // past the bottom by 20
        {{700, 100, 200, 100}, {600, 100}},  // past the right edge
        {{-30, -10, 200, 100}, {0, 0}},      // past the left and top
        {{100, 100, 900, 700}, {0, 0}},      // larger than the area: left and top inside
    };
    for (const Case& c : cases)
    {
        const QRect fitted = platform::FitInside(c.frame, area);
        EXPECT_EQ(fitted.topLeft(), c.topLeft) << c.frame.x() << "," << c.frame.y();
        EXPECT_EQ(fitted.size(), c.frame.size());
    }
}

// A dialog with a label in a layout.
class LabelDlg : public platform::Dialog
{
public:
    explicit LabelDlg(QWidget* parent, QPoint at = QPoint(-1, -1)) : Dialog(parent, 77), at(at)
    {
        auto* column = new QVBoxLayout(this);
        column->addWidget(new QLabel(QStringLiteral("A line of text in a dialog"), this));
    }
    void SetupWindow() override
    {
        if (at != QPoint(-1, -1))
            move(at);
    }

private:
    QPoint at;
};

TEST(DialogWindow, IsAFixedSizeToolWindowWithoutMinimizeOrMaximize)
{
    LabelDlg dlg(nullptr);
    DialogAnswer answer([](platform::Dialog&) { return QDialog::Accepted; });
    dlg.Execute();
    EXPECT_EQ(dlg.windowType(), Qt::Tool);
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());
    EXPECT_GT(dlg.width(), 0);
}

TEST(DialogWindow, OpensOverTheWindowItBelongsTo)
{
    QWidget owner;
    owner.setGeometry(300, 200, 400, 300);
    owner.show();
    LabelDlg dlg(&owner);
    DialogAnswer answer([](platform::Dialog&) { return QDialog::Accepted; });
    dlg.Execute();
    dlg.show();
    EXPECT_LE((dlg.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(),
              2);
    dlg.hide();
}

TEST(DialogWindow, PlacedNearTheScreensEdgeItStaysWhollyOnTheScreen)
{
    QWidget owner;
    owner.setGeometry(100, 100, 300, 200);
    owner.show();
    const QRect area = Available();
    for (const QPoint at : {QPoint(area.right() - 20, 100), QPoint(100, area.bottom() - 5),
                            QPoint(area.right() - 5, area.bottom() - 5)})
    {
        LabelDlg dlg(&owner, at);
        DialogAnswer answer([](platform::Dialog&) { return QDialog::Accepted; });
        dlg.Execute();
        dlg.show();
        EXPECT_TRUE(area.contains(dlg.frameGeometry())) << at.x() << "," << at.y();
        dlg.hide();
    }
}

TEST(DialogWindow, WithNoWindowShownOpensInTheMiddleOfTheScreen)
{
    LabelDlg dlg(nullptr);
    DialogAnswer answer([](platform::Dialog&) { return QDialog::Accepted; });
    dlg.Execute();
    dlg.show();
    // With no decorated window on the screen the frame is estimated from the style's title
    // bar, so the middle is met within that height.
    EXPECT_LE((dlg.frameGeometry().center() - Available().center()).manhattanLength(), 30);
    dlg.hide();
}
// Opens a real message box for `parent` and closes it as soon as it shows; returns its frame.
QRect ShowRealBox(QWidget* parent, const char* text, const char* caption)
{
    QRect frame;
    QTimer::singleShot(0, [&frame] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        frame = box->frameGeometry();
        static_cast<QDialog*>(box)->accept();
    });
    platform::MessageBox(parent, text, caption, platform::MB_ICONSTOP);
    return frame;
}

TEST(MessageBoxWindow, ABoxForAWindowNotYetShownOpensOverTheShownOne)
{
    QWidget shown;
    shown.setGeometry(300, 250, 400, 300);
    shown.show();
    QApplication::setActiveWindow(&shown);
    QWidget notYetShown;
    const QRect box = ShowRealBox(&notYetShown, "Unable to open file BITMAP\\TITLE.BMP",
                                  "Velmoria - [Error]");
    EXPECT_LE((box.center() - shown.frameGeometry().center()).manhattanLength(), 10);
    EXPECT_TRUE(Available().contains(box));
}

TEST(MessageBoxWindow, AShortMessageLeavesRoomForTheWholeCaption)
{
    QWidget shown;
    shown.setGeometry(100, 100, 600, 400);
    shown.show();
    const char* caption = "Velmoria - [Error]";
    const QRect box = ShowRealBox(&shown, " Wrong date ", caption);
    // The caption and the title bar's three buttons, each as wide as the bar is high.
    const int needed = shown.fontMetrics().horizontalAdvance(QString::fromLatin1(caption)) +
                       3 * shown.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    EXPECT_GE(box.width(), needed);
}
} // namespace
