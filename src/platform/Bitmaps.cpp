#include "platform/Bitmaps.h"


#include <QFile>
#include <QImageReader>

#include "platform/Files.h"

namespace platform
{
Dib* ReadDib(const char* path)
{
    QImageReader reader(QString::fromStdString(NativePath(path)));
    const QSize size = reader.size();
    if (size.isValid() && static_cast<long long>(size.width()) * size.height() > kMaxDibPixels)
        return nullptr;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return nullptr;
    if (static_cast<long long>(image.width()) * image.height() > kMaxDibPixels)
        return nullptr;
    return new Dib(image);
}

QImage LoadBitmapResource(int id)
{
    return LoadBitmapResource(std::to_string(id).c_str());
}

QImage LoadBitmapResource(const char* name)
{
    QImage image(QStringLiteral(":/bitmap/%1.bmp").arg(QString::fromLatin1(name)));
    if (image.isNull())
        return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

QCursor LoadCursorResource(int id)
{
    const QPixmap pixmap(QStringLiteral(":/cursor/%1.png").arg(id));
    if (pixmap.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(pixmap, pixmap.width() / 2, pixmap.height() / 2);
}

QIcon LoadIconResource(int id)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icon/%1.png").arg(id));
    icon.addFile(QStringLiteral(":/icon/%1-16.png").arg(id));
    return icon;
}
} // namespace platform
