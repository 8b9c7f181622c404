#include "app/TitleDlg.h"

#include "platform/Bitmaps.h"
#include "platform/Files.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>

namespace
{
constexpr const char* kTitlePicture = "Bitmap\\Title.bmp";
constexpr const char* kTitleMusic = "Sound\\Title.wav";
} // namespace

TitleDlg::TitleDlg(QWidget* parent, int resId) : platform::Dialog(parent, resId)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(Dlu(0, 0, 318, 240).size());

    auto* ok = new QPushButton(QStringLiteral("Continue"), this);
    auto* exit = new QPushButton(QStringLiteral("Exit"), this);
    auto* info = new QPushButton(QStringLiteral("Info"), this);
    SetId(ok, 3101);
    SetId(exit, 3102);
    SetId(info, 3109);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    exit->setAutoDefault(false);
    info->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TitleDlg::CmOk);
    connect(exit, &QPushButton::clicked, this, [this] { CloseWindow(QDialog::Rejected); });
    connect(info, &QPushButton::clicked, this, &TitleDlg::CmHelp);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addSpacing(12);
    row->addWidget(exit);
    row->addSpacing(12);
    row->addWidget(info);
    row->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->addStretch(1);
    column->addLayout(row);
    column->setContentsMargins(8, 8, 8, 10);
}

TitleDlg::~TitleDlg()
{
    platform::StopSound();
}

void TitleDlg::SetupWindow()
{
    setWindowTitle(QStringLiteral("Velmoria - [Title]"));
    ChangePicture();
}

void TitleDlg::ChangePicture()
{
    std::FILE* f = platform::OpenFile(kTitlePicture, "rb");
    if (!f)
    {
        platform::ErrorBox(this, platform::FileMessage("Unable to open file", kTitlePicture));
        return;
    }
    std::fclose(f);
    picture = platform::ReadPicture(kTitlePicture);
    update();
}

void TitleDlg::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!picture.isNull())
    {
        QRect target(QPoint(), picture.size().scaled(size(), Qt::KeepAspectRatio));
        target.moveCenter(rect().center());
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(target, picture);
    }
    if (!musicAsked)
    {
        musicAsked = true;
        QTimer::singleShot(0, this,
                           [this]
                           {
                               if (isVisible())
                                   platform::PlaySoundLoop(kTitleMusic);
                           });
    }
}

void TitleDlg::CmOk()
{
    continued = true;
    CloseWindow(QDialog::Accepted);
}

void TitleDlg::CmHelp()
{
    platform::ShowHelpTopic(this, 9018);
    update();
}
