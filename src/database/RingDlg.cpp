#include "database/RingDlg.h"

#include "database/CardText.h"
#include "database/CardWidgets.h"

#include <QGridLayout>
#include <QVBoxLayout>

using namespace database;

namespace
{
constexpr unsigned long kHelpContext = 9017;
} // namespace

RingDlg::RingDlg(QWidget* parent, const RingDB& ring, int resId)
    : platform::Dialog(parent, resId), Ring(ring)
{
    const char* const captions[] = {"Distance from planet center (km)", "Width (km)",
                                    "Thickness (km)", "Mass (kg)", "Albedo"};
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    for (int i = 0; i < 5; ++i)
    {
        values[i] = MakeStatic(this, 4501 + i);
        AddRow(grid, i, 0, MakeStatic(this, 0, captions[i]), values[i]);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(MakeHelpCloseRow(this, kHelpContext));
    AddPictureCommands(this);
}

void RingDlg::SetupWindow()
{
    const RingTexts t = RingValues(Ring);
    setWindowTitle(Latin1(t.caption));
    const std::string* texts[5] = {&t.distance, &t.width, &t.thickness, &t.mass, &t.albedo};
    for (int i = 0; i < 5; ++i)
        values[i]->setText(Latin1(*texts[i]));
}
