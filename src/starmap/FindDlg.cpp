#include "starmap/FindDlg.h"

#include "platform/Bitmaps.h"
#include "platform/Help.h"
#include "starmap/Search.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

FindDlg::FindDlg(QWidget* parent, int resId) : platform::Dialog(parent, resId)
{
    setWindowTitle(QStringLiteral("Search"));
    auto* title = new QLabel(this);
    title->setPixmap(QPixmap::fromImage(platform::LoadBitmapResource(1206)));

    search = new QGroupBox(QStringLiteral(" Search object : "), this);
    SetId(search, 4401);
    auto* kinds = new QVBoxLayout(search);
    auto radio = [this, kinds](const char* text, int id)
    {
        auto* button = new QRadioButton(QString::fromLatin1(text), search);
        SetId(button, id);
        kinds->addWidget(button);
        return button;
    };
    Star = radio("Star", 4402);
    Constel = radio("Constellation", 4403);
    NGCMess = radio("NGC and Messier object", 4404);
    SolObj = radio("Solar object", 4405);

    auto* label = new QLabel(QStringLiteral("Object Name :"), this);
    Name = new QLineEdit(this);
    SetId(Name, 4406);
    Name->setMaxLength(static_cast<int>(search::kMaxSearchText));
    Name->setMinimumWidth(Dlu(0, 0, 120, 0).width());
    label->setBuddy(Name);

    QHBoxLayout* const buttons =
        MakeOkCancelHelp([this] { CmOk(); }, [this] { platform::ShowHelpTopic(this, 9015); }).Row();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(search);
    layout->addWidget(label);
    layout->addWidget(Name);
    layout->addLayout(buttons);
}

void FindDlg::SetupWindow()
{
    Star->setChecked(true);
    Name->clear();
    Name->setFocus();
}

void FindDlg::CmOk()
{
    // The program's names are single-byte text; a character outside Latin-1 matches nothing.
    result.text = search::CollapseSpaces(Name->text().toLatin1().toStdString());
    result.kind = result.text.empty()    ? search::Kind::None
                  : Star->isChecked()    ? search::Kind::Star
                  : Constel->isChecked() ? search::Kind::Constellation
                  : NGCMess->isChecked() ? search::Kind::DeepSky
                                         : search::Kind::SolarObject;
    CloseWindow(QDialog::Accepted);
}
