#include "model/BackgroundPicture.h"

#include "platform/Bitmaps.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"

#include <QPainter>
#include <cstdio>

namespace model
{
namespace
{
constexpr const char* kBackgroundFile = "Bitmap\\BackGnd.bmp";
const QColor kGrey(192, 192, 192);
} // namespace

void BackgroundPicture::Load(QWidget* parent)
{
    picture = QImage();
    std::FILE* f = platform::OpenFile(kBackgroundFile, "rb");
    if (!f)
    {
        platform::ErrorBox(parent, platform::FileMessage("Unable to open file", kBackgroundFile));
        return;
    }
    std::fclose(f);
    const QImage read = platform::ReadPicture(kBackgroundFile);
    if (!read.isNull())
        picture = read.convertToFormat(QImage::Format_RGB32);
}

void BackgroundPicture::Paint(QPainter& painter, const QRect& area) const
{
    painter.fillRect(area, kGrey);
    if (picture.isNull() || area.isEmpty())
        return;
    const QSize size = picture.size().scaled(area.size(), Qt::KeepAspectRatio);
    const QRect target(area.left() + (area.width() - size.width()) / 2,
                       area.top() + (area.height() - size.height()) / 2, size.width(),
                       size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, picture);
}
} // namespace model
