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

// Limits on what picture loading accepts, so that no file that anyone can put
// in the working directory makes the program hang or exhaust memory. The
// program's own pictures are far inside them (the largest, a group card, is
// about 1024 x 370 pixels).
// - maxPictureFileBytes (64 MiB): the largest file read at all. It bounds the
//   time spent reading; an uncompressed 24-bit BMP of that size holds about
//   22 Mi pixels.
// - maxPictureSide (16384 pixels): the longest side, as declared by the file
//   and as decoded. Wider or taller pictures are larger than any screen and
//   than many graphics drivers can draw.
// - maxPicturePixels (32 Mi pixels): width x height, declared and decoded. At
//   4 bytes a pixel that is 128 MiB, which is also the image reader's
//   allocation limit: no decoder allocates more than that for one picture.
inline constexpr qint64 maxPictureFileBytes = 64 * 1024 * 1024;
inline constexpr int maxPictureSide = 16384;
inline constexpr qint64 maxPicturePixels = 32 * 1024 * 1024;

// Reads a picture file named relative to the working directory (or a Qt
// resource, ":/...") with Qt's image reader, which decides the format from the
// content. A file that is missing, not a regular file (a directory, FIFO,
// device, or a link to one), a dangling link, too large, unreadable, cut short
// or not a picture, or a picture beyond the limits above, is a run-time
// failure whose description names the file. It fails at once: nothing is ever
// opened in a way that could wait.
Picture loadPicture(const QString &fileName);

} // namespace toolkit
