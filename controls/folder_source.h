#pragma once
// What the drive, folder and file lists read: the machine's drives and folders, seen through Windows paths.
// The program hands its realisation (over the machine) to the lists; without one they stay empty.

#include <QChar>
#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

namespace controls {

// Attribute bits of an entry, as the platform numbers them.
inline constexpr std::uint32_t attributeReadOnly = 0x1;
inline constexpr std::uint32_t attributeHidden = 0x2;
inline constexpr std::uint32_t attributeSystem = 0x4;
inline constexpr std::uint32_t attributeDirectory = 0x10;

struct FolderEntry {
    QString name;
    std::uint32_t attributes = 0;
    bool isFolder() const { return (attributes & attributeDirectory) != 0; }
};

// Run-time error numbers of the lists.
inline constexpr int errorDeviceUnavailable = 68;
inline constexpr int errorPathNotFound = 76;

class FolderSource {
public:
    virtual ~FolderSource() = default;
    // Letters of the present drives, upper case, in order.
    virtual QList<QChar> drives() const = 0;
    // The entries of a folder given by its full Windows path, without "." and "..". Returns 0, or
    // errorDeviceUnavailable when the drive is not there, errorPathNotFound when the folder is not.
    virtual int list(const QString& folder, std::vector<FolderEntry>& out) const = 0;
};

} // namespace controls
