// A writer of Motion-JPEG AVI files: one video stream of JPEG frames, no sound, with the
// index that players use to seek ("AVI RIFF File Reference", Microsoft; OpenDML is not needed
// below 1 GB).
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

class AviWriter
{
public:
    // A film of `width` x `height` pixels at `fps` frames per second.
    AviWriter(int width, int height, int fps);
    // Adds one frame, a complete JPEG file.
    void AddFrame(const QByteArray& jpeg);
    // The whole file.
    QByteArray Bytes() const;
    // Writes the file; false when it cannot be written.
    bool Save(const QString& path) const;

private:
    int width;
    int height;
    int fps;
    std::vector<QByteArray> frames;
};
