#include "controls/picture.h"

#include <QFile>

namespace controls {

namespace {

bool startsWith(const QByteArray& bytes, std::initializer_list<unsigned char> magic)
{
    if (bytes.size() < static_cast<qsizetype>(magic.size()))
        return false;
    qsizetype i = 0;
    for (unsigned char m : magic)
        if (static_cast<unsigned char>(bytes[i++]) != m)
            return false;
    return true;
}

} // namespace

PictureFormat recogniseFormat(const QByteArray& bytes)
{
    // A bitmap needs at least its file header and the size field of its info header.
    if (bytes.size() >= 18 && startsWith(bytes, {'B', 'M'}))
        return PictureFormat::Bitmap;
    if (bytes.size() >= 6 && startsWith(bytes, {0, 0, 1, 0}))
        return PictureFormat::Icon;
    if (bytes.size() >= 6 && startsWith(bytes, {0, 0, 2, 0}))
        return PictureFormat::Cursor;
    if (startsWith(bytes, {'G', 'I', 'F', '8', '7', 'a'}) || startsWith(bytes, {'G', 'I', 'F', '8', '9', 'a'}))
        return PictureFormat::Gif;
    if (startsWith(bytes, {0xFF, 0xD8, 0xFF}))
        return PictureFormat::Jpeg;
    if (startsWith(bytes, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}))
        return PictureFormat::Png;
    // Placeable metafile, or a plain one (memory type 1, header of nine words).
    if (startsWith(bytes, {0xD7, 0xCD, 0xC6, 0x9A}) || (bytes.size() >= 18 && startsWith(bytes, {1, 0, 9, 0})))
        return PictureFormat::Metafile;
    if (bytes.size() >= 44 && startsWith(bytes, {1, 0, 0, 0}) && bytes.mid(40, 4) == QByteArray(" EMF"))
        return PictureFormat::EnhancedMetafile;
    return PictureFormat::None;
}

PictureStatus loadPicture(const QString& hostPath, Picture& out)
{
    QFile file(hostPath);
    if (hostPath.isEmpty() || !file.open(QIODevice::ReadOnly))
        return PictureStatus::FileNotFound;
    const QByteArray bytes = file.readAll();
    const PictureFormat format = recogniseFormat(bytes);
    if (format == PictureFormat::None)
        return PictureStatus::InvalidPicture;
    out = Picture{bytes, format};
    return PictureStatus::Ok;
}

} // namespace controls
