#pragma once
// What the file dialogs browse and return: the drives of the machine seen as Windows paths, or (for tools
// and tests) the host's own file system as it is.

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace platform {
class Machine;
}

namespace qtui {

struct Place {
    QString label;      // "C:"
    QString hostFolder; // where it lies on the host
};

class PathMapping {
public:
    virtual ~PathMapping() = default;
    // The host path of a program path; std::nullopt when it leads nowhere (no such drive, a refused name).
    virtual std::optional<QString> toHost(const QString& path) const = 0;
    // The program path of a host path; std::nullopt when the host path lies outside every drive.
    virtual std::optional<QString> toWindows(const QString& hostPath) const = 0;
    // The places a dialog offers to start from, in order.
    virtual std::vector<Place> places() const = 0;
};

// Host paths stand for themselves.
std::unique_ptr<PathMapping> hostPathMapping();
// The machine's drives; `machine` must outlive the mapping.
std::unique_ptr<PathMapping> machinePathMapping(const platform::Machine& machine);

} // namespace qtui
