// The shell that the Sun and Moon cards share: their pages in tabs over the button row Video,
// View, Help and Close, the help topic of each page, the body's film and picture, the
// structure picture in its frame, and the commands that save, copy and print the card.
#pragma once

#include "database/CardWidgets.h"
#include "platform/Dialog.h"

#include <QPushButton>
#include <QTabWidget>
#include <string>

namespace database
{
// What tells one body's card from another's.
struct BodyCardShape
{
    const char* name;             // "Sun": the caption, the hints and the film Video\<name>.avi
    int tabsId;                   // id of the tab control
    unsigned long firstHelpTopic; // help topic of the first page; each page's follows
    int mediaIndex;               // the body's film and picture in the video and picture windows
    const char* picturePath;      // the structure picture, "Bitmap\Struct\SunStr.bmp"
    int frameId;                  // id of the structure picture's frame
    QSize frameDlu;               // its size in dialog units
    bool viewHint;                // the hint line names the picture while the viewer is open
};

class BodyCard : public platform::Dialog
{
    Q_OBJECT
public:
    // Help on the selected page: the first page's topic + tab index.
    void CmHelp();
    // The body's film in the video window.
    void BtnVideo();
    // The body's picture in the picture viewer.
    void BtnView();
    // Loads the structure picture into its frame.
    void ChangePicture();

    int SelectedTab() const { return tabs->currentIndex(); }
    QTabWidget* Tabs() const { return tabs; }
    const StructurePicture& Picture() const { return picture; }

    QWidget* frame;
    QPushButton *btnVideo, *btnView;

protected:
    BodyCard(QWidget* parent, int resId, const BodyCardShape& shape);
    // Puts the tabs, filled by the card, over the button row; the card is at least
    // `minimumDlu` (dialog units) large.
    void FinishLayout(QSize minimumDlu);

    QTabWidget* tabs;

private:
    // The hint `before` <name> `after`: "Viewing Sun card".
    std::string Hint(const char* before, const char* after = "") const;

    BodyCardShape shape;
    StructurePicture picture;
};
} // namespace database
