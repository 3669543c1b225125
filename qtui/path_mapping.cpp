#include "qtui/path_mapping.h"

#include "platform/machine/machine.h"

#include <QDir>

namespace qtui {

namespace {

class HostPaths : public PathMapping {
public:
    std::optional<QString> toHost(const QString& path) const override { return path; }
    std::optional<QString> toWindows(const QString& hostPath) const override { return QDir::cleanPath(hostPath); }
    std::vector<Place> places() const override
    {
        return {{QDir::homePath(), QDir::homePath()}, {QStringLiteral("/"), QStringLiteral("/")}};
    }
};

class MachinePaths : public PathMapping {
public:
    explicit MachinePaths(const platform::Machine& machine) : machine_(machine) {}

    std::optional<QString> toHost(const QString& path) const override
    {
        const platform::HostPath host = machine_.to_host(path);
        if (!host.ok())
            return std::nullopt;
        return host.path;
    }

    std::optional<QString> toWindows(const QString& hostPath) const override
    {
        return machine_.to_windows(QDir::cleanPath(hostPath));
    }

    std::vector<Place> places() const override
    {
        std::vector<Place> out;
        for (const platform::Drive& d : machine_.facts().drives)
            out.push_back({QString(d.letter) + QLatin1Char(':'), d.host_folder});
        return out;
    }

private:
    const platform::Machine& machine_;
};

} // namespace

std::unique_ptr<PathMapping> hostPathMapping()
{
    return std::make_unique<HostPaths>();
}

std::unique_ptr<PathMapping> machinePathMapping(const platform::Machine& machine)
{
    return std::make_unique<MachinePaths>(machine);
}

} // namespace qtui
