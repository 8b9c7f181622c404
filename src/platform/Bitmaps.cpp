#include "platform/Bitmaps.h"

#include "platform/Files.h"

#include <QFile>
#include <QImageReader>

namespace platform
{
namespace
{
bool TooLarge(QSize size)
{
    return size.isValid() && static_cast<long long>(size.width()) * size.height() > kMaxDibPixels;
}

QImage Read(QImageReader& reader)
{
    QImage image;
    if (TooLarge(reader.size()) || !reader.read(&image) || TooLarge(image.size()))
        return QImage();
    return image;
}
} // namespace

QImage ReadPicture(const char* path)
{
    const QString file = QString::fromStdString(NativePath(path));
    // Guessing the kind loads every image format plug-in of the computer, which the title
    // screen would wait for.
    if (file.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
    {
        QImageReader bitmap(file, "bmp");
        bitmap.setAutoDetectImageFormat(false);
        const QImage image = Read(bitmap);
        if (!image.isNull())
            return image;
    }
    QImageReader reader(file);
    return Read(reader);
}

QImage LoadBitmapResource(int id)
{
    return LoadBitmapResource(std::to_string(id).c_str());
}

QImage LoadBitmapResource(const char* name)
{
    // A missing resource stays a null image through the conversion.
    return QImage(QStringLiteral(":/bitmap/%1.bmp").arg(QString::fromLatin1(name)))
        .convertToFormat(QImage::Format_RGB32);
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
