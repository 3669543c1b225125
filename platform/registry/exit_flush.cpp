#include "platform/registry/exit_flush.h"

#include "platform/registry/win32_registry.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace platform {
namespace {

// The one place that knows every registry of the process; exit handlers take no arguments.
std::vector<Registry*>& live_registries()
{
    static std::vector<Registry*> live;
    return live;
}

void flush_live_registries()
{
    // The process is ending: nobody is left to tell a failure, and what can't be written stays as the files had it.
    for (Registry* registry : live_registries())
        (void)registry->flush_all();
}

} // namespace

void flush_at_exit(Registry& registry)
{
    // The list first: what exists before the handler is installed is destroyed after it has run.
    std::vector<Registry*>& live = live_registries();
    static const bool installed = std::atexit(flush_live_registries) == 0;
    (void)installed;
    live.push_back(&registry);
}

void no_flush_at_exit(Registry& registry)
{
    std::erase(live_registries(), &registry);
}

} // namespace platform
