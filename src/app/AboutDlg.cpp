#include "app/AboutDlg.h"

#include "app/ProjectRCVersion.h"
#include "platform/Bitmaps.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

AboutDlg::AboutDlg(QWidget* parent, int resId) : platform::Dialog(parent, resId)
{
    setWindowTitle(QStringLiteral("About Velmoria"));
    auto* title = new QLabel(this);
    title->setPixmap(QPixmap::fromImage(platform::LoadBitmapResource(1201)));
    title->setAlignment(Qt::AlignLeft);

    IconFrame = new QGroupBox(this);
    NameFrame = new QGroupBox(this);
    SetId(IconFrame, 10006);
    SetId(NameFrame, 10007);
    iconLabel = new QLabel(IconFrame);
    iconLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* iconBox = new QVBoxLayout(IconFrame);
    iconBox->addWidget(iconLabel);
    picture = new QLabel(NameFrame);
    picture->setScaledContents(true);
    picture->setMinimumSize(240, 90);
    auto* nameBox = new QVBoxLayout(NameFrame);
    nameBox->setContentsMargins(2, 2, 2, 2);
    nameBox->addWidget(picture);

    version = new QLabel(QStringLiteral("Version"), this);
    copyright = new QLabel(this);
    special = new QLabel(this);
    author = new QLabel(QStringLiteral("Written by "), this);
    SetId(version, 10002);
    SetId(copyright, 10003);
    SetId(special, 10004);
    SetId(author, 10005);
    // The licence is the program's own, not a text of the version resource, so it stands here;
    // the file is installed with the credits (desktop/licenses).
    licence = new QLabel(QStringLiteral("Free software under the MIT licence: see "
                                        "licenses/Velmoria-MIT.txt and the Credits page."),
                         this);
    licence->setWordWrap(true);
    SetId(licence, 10008);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { CloseWindow(QDialog::Accepted); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(title, 0, 0, 1, 2);
    grid->addWidget(IconFrame, 1, 0);
    grid->addWidget(NameFrame, 1, 1);
    grid->addWidget(version, 2, 0, 1, 2);
    grid->addWidget(author, 3, 0, 1, 2);
    grid->addWidget(copyright, 4, 0, 1, 2);
    grid->addWidget(licence, 5, 0, 1, 2);
    grid->addWidget(special, 6, 0, 1, 2);
    grid->addWidget(ok, 7, 0, 1, 2, Qt::AlignHCenter);
}

QString AboutDlg::Line(int id) const
{
    const auto* label = ControlAs<QLabel>(id);
    return label ? label->text() : QString();
}

void AboutDlg::SetupWindow()
{
    const TProjectRCVersion info;
    const char* product = nullptr;
    const char* productVersion = nullptr;
    const char* text = nullptr;
    if (info.GetValue("ProductName", product) && info.GetValue("ProductVersion", productVersion))
    {
        if (info.GetValue("CompanyName", text))
            author->setText(author->text() + QLatin1Char(' ') + QString::fromUtf8(text));
        version->setText(version->text() + QLatin1Char(' ') + QString::fromUtf8(productVersion));
    }
    if (info.GetValue("LegalCopyright", text))
        copyright->setText(QString::fromUtf8(text));
    if (info.GetValue("SpecialBuild", text))
        special->setText(QString::fromUtf8(text));
    Bitmap = platform::LoadBitmapResource(102);
    picture->setPixmap(QPixmap::fromImage(Bitmap));
    iconLabel->setPixmap(platform::LoadIconResource(101).pixmap(32, 32));
}
