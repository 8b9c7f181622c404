#include "database/ViewDlg.h"

#include "database/CardWidgets.h"
#include "database/ViewList.h"
#include "platform/Bitmaps.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>

namespace
{
constexpr int kFrameId = 3300;
constexpr int kPreviousId = 3301;
constexpr int kNextId = 3302;
constexpr int kExitId = 3303;
// The frame's border, kept clear of the picture.
constexpr int kFrameBorder = 2;
} // namespace

ViewDlg::ViewDlg(QWidget* parent, int ViewStart, int ViewEnd, int resId)
    : platform::Dialog(parent, resId)
{
    const ViewRange range = MakeViewRange(ViewStart, ViewEnd);
    Min = range.Min;
    Max = range.Max;
    CurName = Min;

    frame = new QGroupBox(this);
    SetId(frame, kFrameId);
    frame->setFixedSize(kFrameWidth + 2 * kFrameBorder, kFrameHeight + 2 * kFrameBorder);

    previous = new QPushButton(QStringLiteral("Previous"), this);
    next = new QPushButton(QStringLiteral("Next"), this);
    auto* exit = new QPushButton(QStringLiteral("Exit"), this);
    SetId(previous, kPreviousId);
    SetId(next, kNextId);
    SetId(exit, kExitId);
    exit->setDefault(true);
    connect(previous, &QPushButton::clicked, this, [this] { CmPrevious(); });
    connect(next, &QPushButton::clicked, this, [this] { CmNext(); });
    connect(exit, &QPushButton::clicked, this, [this] { CmExit(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(previous);
    buttons->addWidget(next);
    buttons->addWidget(exit);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ButtonEnabler();
    database::AddPictureCommands(this);
}

void ViewDlg::SetupWindow()
{
    ChangePicture();
}

void ViewDlg::ChangePicture()
{
    ButtonEnabler();
    const char* path = ViewFile(CurName);
    if (!path)
        return;
    std::FILE* file = platform::OpenFile(path, "rb");
    if (!file)
    {
        platform::ErrorBox(this, platform::FileMessage("Unable to open file", path));
        return;
    }
    std::fclose(file);
    QImage read = platform::ReadPicture(path);
    if (read.isNull())
    {
        // A damaged picture is told like a missing one and keeps the previous picture.
        platform::ErrorBox(this, platform::FileMessage("Unable to read from file", path));
        return;
    }
    picture = std::move(read);
    update();
    setWindowTitle(
        QStringLiteral("Object View - [ %1 ]").arg(QString::fromLatin1(ViewName(CurName))));
}

void ViewDlg::CmPrevious()
{
    if (!CanGoPrevious(ViewRange{Min, Max}, CurName))
        return;
    --CurName;
    ChangePicture();
}

void ViewDlg::CmNext()
{
    if (!CanGoNext(ViewRange{Min, Max}, CurName))
        return;
    ++CurName;
    ChangePicture();
}

void ViewDlg::CmExit()
{
    CloseWindow(QDialog::Rejected);
}

void ViewDlg::ButtonEnabler()
{
    previous->setEnabled(CanGoPrevious(ViewRange{Min, Max}, CurName));
    next->setEnabled(CanGoNext(ViewRange{Min, Max}, CurName));
}

void ViewDlg::paintEvent(QPaintEvent* event)
{
    platform::Dialog::paintEvent(event);
    if (picture.isNull())
        return;
    QPainter painter(this);
    // The whole picture fills the frame whatever its shape; the pictures of the list are made
    // at the frame's size, so they are shown pixel for pixel.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect target =
        frame->geometry().adjusted(kFrameBorder, kFrameBorder, -kFrameBorder, -kFrameBorder);
    painter.drawImage(target, picture);
}
