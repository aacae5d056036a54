#pragma once

#include <QImage>
#include <QString>

namespace toolkit {

// A picture read from a file, ready to be set into a picture box.
class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image) : image_(std::move(image)) {}

    int widthPixels() const { return image_.width(); }
    int heightPixels() const { return image_.height(); }
    const QImage &image() const { return image_; }

private:
    QImage image_;
};

// Limits on what picture loading accepts, so that no file can make the program
// hang or exhaust memory.
inline constexpr qint64 maxPictureFileBytes = 64 * 1024 * 1024;
inline constexpr int maxPictureSide = 16384;
inline constexpr qint64 maxPicturePixels = 32 * 1024 * 1024;

// Reads a picture file named relative to the working directory with Qt's image
// reader. A file that is missing, not a regular file, too large, unreadable or
// not a picture is a run-time failure whose description names the file.
Picture loadPicture(const QString &fileName);

} // namespace toolkit
