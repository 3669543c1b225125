#pragma once
// A picture as the controls hold it: the bytes of an image file and the format they were recognised as.
// Decoding is the renderer's business; loading only accepts what a picture box can show.

#include <QByteArray>
#include <QString>

namespace controls {

enum class PictureFormat { None, Bitmap, Icon, Cursor, Metafile, EnhancedMetafile, Gif, Jpeg, Png };

struct Picture {
    QByteArray data;
    PictureFormat format = PictureFormat::None;

    bool isNull() const { return format == PictureFormat::None; }
    bool operator==(const Picture&) const = default;
};

// Error numbers of loading a picture, as the program reports run-time errors.
enum class PictureStatus { Ok = 0, FileNotFound = 53, InvalidPicture = 481 };

// The format that `bytes` start with; None when it is no picture that a picture box shows.
PictureFormat recogniseFormat(const QByteArray& bytes);

// Reads the file at `hostPath` (a host path or a Qt resource path). On failure `out` is left as it was.
PictureStatus loadPicture(const QString& hostPath, Picture& out);

} // namespace controls
