#include "database/BodyCard.h"

#include "database/AnimDlg.h"
#include "database/ViewDlg.h"
#include "platform/Help.h"
#include "platform/Hint.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace database
{
BodyCard::BodyCard(QWidget* parent, int resId, const BodyCardShape& shape)
    : platform::Dialog(parent, resId), shape(shape)
{
    setWindowTitle(QString::fromLatin1(shape.name));
    tabs = new QTabWidget(this);
    SetId(tabs, shape.tabsId);
    frame = MakePictureFrame(this, shape.frameId, &picture,
                             Dlu(0, 0, shape.frameDlu.width(), shape.frameDlu.height()).size());
    btnVideo = new QPushButton(QStringLiteral("Video"), this);
    btnView = new QPushButton(QStringLiteral("View"), this);
    SetId(btnVideo, 3504);
    SetId(btnView, 3503);
    AddPictureCommands(this);
}

void BodyCard::FinishLayout(QSize minimumDlu)
{
    for (QPushButton* b : {btnVideo, btnView})
        b->setAutoDefault(false);
    connect(btnVideo, &QPushButton::clicked, this, [this] { BtnVideo(); });
    connect(btnView, &QPushButton::clicked, this, [this] { BtnView(); });
    QHBoxLayout* buttons = MakeHelpCloseRow(this, [this] { CmHelp(); });
    buttons->insertWidget(0, btnView);
    buttons->insertWidget(0, btnVideo);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);
    setMinimumSize(Dlu(0, 0, minimumDlu.width(), minimumDlu.height()).size());
}

std::string BodyCard::Hint(const char* before, const char* after) const
{
    return std::string(before) + shape.name + after;
}

void BodyCard::ChangePicture()
{
    picture.ChangePicture(this, shape.picturePath);
    frame->update();
}

void BodyCard::CmHelp()
{
    platform::ShowHelpTopic(this, shape.firstHelpTopic + static_cast<unsigned long>(SelectedTab()));
    update();
}

void BodyCard::BtnVideo()
{
    platform::SetHint(Hint("Viewing video of ").c_str());
    {
        const std::string film = std::string("Video\\") + shape.name + ".avi";
        AnimDlg dlg(this, film.c_str(), shape.mediaIndex);
        dlg.Execute();
    }
    platform::SetHint(Hint("Viewing ", " card").c_str());
}

void BodyCard::BtnView()
{
    if (shape.viewHint)
        platform::SetHint(Hint("Showing view of ").c_str());
    {
        ViewDlg dlg(this, shape.mediaIndex, -1);
        dlg.Execute();
    }
    platform::SetHint(Hint("Viewing ", " card").c_str());
}
} // namespace database
