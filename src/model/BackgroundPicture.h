// The main screen's picture ("Bitmap\BackGnd.bmp"), which the database view shows too: read when
// the screen comes up, painted over grey scaled to fit the window whenever the window is painted.
#pragma once

#include <QImage>

class QPainter;
class QRect;
class QWidget;

namespace model
{
class BackgroundPicture
{
public:
    // Reads the picture; a file that cannot be opened is told over `parent` ("Unable to open
    // file BITMAP\BACKGND.BMP") and the screen stays plain grey.
    void Load(QWidget* parent);
    void Release() { picture = QImage(); }
    bool IsLoaded() const { return !picture.isNull(); }
    // Grey over `area`, and the picture as large as `area` allows, its shape kept, in the middle.
    void Paint(QPainter& painter, const QRect& area) const;

private:
    QImage picture;
};
} // namespace model
