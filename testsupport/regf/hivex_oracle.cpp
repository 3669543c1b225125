#include "testsupport/regf/regf_checks.h"

#include <hivex.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <ostream>
#include <set>

namespace regf_checks {

namespace {

// hive_type is a C enum, yet a hive may hold any 32-bit type; move it as raw bits.
static_assert(sizeof(hive_type) == sizeof(std::uint32_t));

constexpr int max_depth = 512;

struct HiveCloser {
    void operator()(hive_h* h) const { hivex_close(h); }
};
using Handle = std::unique_ptr<hive_h, HiveCloser>;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using CBuffer = std::unique_ptr<T, FreeDeleter>;

void set_error(std::string* error, std::string text)
{
    if (error)
        *error = std::move(text);
}

std::string errno_text(const char* call) { return std::string(call) + ": " + std::strerror(errno); }

bool read_node(hive_h* h, hive_node_h node, const std::string& path, int depth, std::set<hive_node_h>& seen,
               OracleTree& tree, std::string* error)
{
    if (!seen.insert(node).second) {
        set_error(error, "key \"" + path + "\" reached twice");
        return false;
    }
    if (depth > max_depth) {
        set_error(error, "keys nest deeper than 512 levels at \"" + path + "\"");
        return false;
    }
    if (!tree.keys.try_emplace(path).second) {
        set_error(error, "two keys named \"" + path + "\"");
        return false;
    }
    auto& values = tree.keys[path];

    errno = 0;
    CBuffer<hive_value_h> value_list(hivex_node_values(h, node));
    if (!value_list) {
        set_error(error, errno_text("hivex_node_values") + " at \"" + path + "\"");
        return false;
    }
    for (hive_value_h* v = value_list.get(); *v; ++v) {
        CBuffer<char> name(hivex_value_key(h, *v));
        if (!name) {
            set_error(error, errno_text("hivex_value_key") + " at \"" + path + "\"");
            return false;
        }
        hive_type type{};
        size_t length = 0;
        errno = 0;
        CBuffer<char> data(hivex_value_value(h, *v, &type, &length));
        if (!data && (errno != 0 || length != 0)) {
            set_error(error, errno_text("hivex_value_value") + " at \"" + path + "\\" + name.get() + "\"");
            return false;
        }
        OracleValue value;
        std::memcpy(&value.type, &type, sizeof value.type);
        if (data) {
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.get());
            value.data.assign(bytes, bytes + length);
        }
        if (!values.try_emplace(name.get(), std::move(value)).second) {
            set_error(error, "two values named \"" + std::string(name.get()) + "\" at \"" + path + "\"");
            return false;
        }
    }

    CBuffer<hive_node_h> children(hivex_node_children(h, node));
    if (!children) {
        set_error(error, errno_text("hivex_node_children") + " at \"" + path + "\"");
        return false;
    }
    for (hive_node_h* c = children.get(); *c; ++c) {
        CBuffer<char> name(hivex_node_name(h, *c));
        if (!name) {
            set_error(error, errno_text("hivex_node_name") + " below \"" + path + "\"");
            return false;
        }
        const std::string child_path = path.empty() ? std::string(name.get()) : path + "\\" + name.get();
        if (!read_node(h, *c, child_path, depth + 1, seen, tree, error))
            return false;
    }
    return true;
}

std::vector<std::string> components(const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < path.size()) {
        const std::size_t end = path.find('\\', start);
        parts.push_back(path.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return parts;
}

} // namespace

void PrintTo(const OracleTree& tree, std::ostream* out)
{
    static const char digits[] = "0123456789ABCDEF";
    for (const auto& [path, values] : tree.keys) {
        *out << "\n[" << path << "]";
        for (const auto& [name, value] : values) {
            *out << "\n  \"" << name << "\" type " << value.type << ", " << value.data.size() << " bytes:";
            const std::size_t shown = value.data.size() < 16 ? value.data.size() : 16;
            for (std::size_t i = 0; i < shown; ++i)
                *out << ' ' << digits[value.data[i] >> 4] << digits[value.data[i] & 15];
            if (shown < value.data.size())
                *out << " ...";
        }
    }
}

std::optional<OracleTree> hivex_read(const std::string& path, std::string* error)
{
    errno = 0;
    Handle h(hivex_open(path.c_str(), 0));
    if (!h) {
        set_error(error, errno_text("hivex_open") + " (" + path + ")");
        return std::nullopt;
    }
    const hive_node_h root = hivex_root(h.get());
    if (!root) {
        set_error(error, errno_text("hivex_root") + " (" + path + ")");
        return std::nullopt;
    }
    OracleTree tree;
    std::set<hive_node_h> seen;
    if (!read_node(h.get(), root, "", 0, seen, tree, error))
        return std::nullopt;
    return tree;
}

bool hivex_write(const std::string& path, const OracleTree& set, std::string* error)
{
    errno = 0;
    Handle h(hivex_open(path.c_str(), HIVEX_OPEN_WRITE));
    if (!h) {
        set_error(error, errno_text("hivex_open") + " (" + path + ")");
        return false;
    }
    const hive_node_h root = hivex_root(h.get());
    if (!root) {
        set_error(error, errno_text("hivex_root") + " (" + path + ")");
        return false;
    }
    for (const auto& [key_path, values] : set.keys) {
        hive_node_h node = root;
        for (const auto& part : components(key_path)) {
            errno = 0;
            hive_node_h child = hivex_node_get_child(h.get(), node, part.c_str());
            if (!child && errno != 0) {
                set_error(error, errno_text("hivex_node_get_child") + " for \"" + key_path + "\"");
                return false;
            }
            if (!child)
                child = hivex_node_add_child(h.get(), node, part.c_str());
            if (!child) {
                set_error(error, errno_text("hivex_node_add_child") + " for \"" + key_path + "\"");
                return false;
            }
            node = child;
        }
        std::vector<hive_set_value> list;
        for (const auto& [name, value] : values) {
            hive_set_value v{};
            v.key = const_cast<char*>(name.c_str());
            std::memcpy(&v.t, &value.type, sizeof v.t);
            v.len = value.data.size();
            v.value = reinterpret_cast<char*>(const_cast<std::uint8_t*>(value.data.data()));
            list.push_back(v);
        }
        if (hivex_node_set_values(h.get(), node, list.size(), list.data(), 0) != 0) {
            set_error(error, errno_text("hivex_node_set_values") + " for \"" + key_path + "\"");
            return false;
        }
    }
    if (hivex_commit(h.get(), path.c_str(), 0) != 0) {
        set_error(error, errno_text("hivex_commit") + " (" + path + ")");
        return false;
    }
    return true;
}

} // namespace regf_checks
