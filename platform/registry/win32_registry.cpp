#include "platform/registry/win32_registry.h"

#include "platform/registry/ansi_text.h"
#include "platform/registry/exit_flush.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace platform {
namespace {

// The path under which a file is kept, so that two names of one file share its cached hive.
QString canonical_host(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
}

std::u16string units_of(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

} // namespace

Registry::Registry(RegistryLayout layout) : layout_(std::move(layout)) { flush_at_exit(*this); }

Registry::~Registry()
{
    no_flush_at_exit(*this);
    // Nobody is left to tell: what can't be written now stays as the files had it.
    (void)flush_all();
}

Registry::SaveScope::SaveScope(Registry& registry) : registry_(registry) { ++registry_.save_depth_; }

Registry::SaveScope::~SaveScope()
{
    if (--registry_.save_depth_ == 0)
        registry_.save_lock_failed_ = false;
}

const QString& Registry::canonical(const QString& host_path)
{
    auto found = canonical_.find(host_path);
    if (found == canonical_.end())
        found = canonical_.emplace(host_path, canonical_host(host_path)).first;
    return found->second;
}

std::shared_ptr<HiveFile> Registry::file(const QString& host_path)
{
    const QString& key = canonical(host_path);
    auto& slot = files_[key];
    if (!slot)
        slot = std::make_shared<HiveFile>(key);
    return slot;
}

std::vector<Registry::Branch> Registry::branches(Root root)
{
    std::vector<Branch> list;
    const bool admin = may_write_machine();
    if (root == Root::machine) {
        list.push_back({u"SOFTWARE", layout_.software, admin, false});
        list.push_back({u"SYSTEM", layout_.system, admin, false});
    } else {
        users_branches(list);
    }
    std::erase_if(list, [](const Branch& branch) { return branch.host_file.isEmpty(); });
    return list;
}

void Registry::users_branches(std::vector<Branch>& list)
{
    const bool admin = may_write_machine();
    list.push_back({u".DEFAULT", layout_.default_user, admin, false});
    if (layout_.nt_family && !layout_.current_user_sid.isEmpty())
        list.push_back({units_of(layout_.current_user_sid), layout_.current_user, true, false});
    std::vector<QString> mounted;
    if (layout_.mounts) {
        for (const MountedHive& mount : layout_.mounts()) {
            list.push_back({units_of(mount.name), mount.host_file, admin && !mount.read_only, false});
            mounted.push_back(mount.host_file);
        }
    }
    if (mounted != last_mounted_) {
        last_mounted_ = std::move(mounted);
        forget_unused_files();
    }
}

bool Registry::serves(const std::shared_ptr<HiveFile>& hive) const
{
    return std::any_of(files_.begin(), files_.end(), [&](const auto& entry) { return entry.second == hive; });
}

void Registry::notice_dismounts()
{
    std::vector<Branch> list;
    users_branches(list);
}

void Registry::forget_unused_files()
{
    // A dismounted hive leaves the cache. Its edits were flushed before the dismount, or that failed and was
    // told then: either way nothing of it is written now, into a file that is no longer the mount's. Edits that
    // still wait are lost, and the next flush_all says so.
    std::vector<QString> keep = {canonical(layout_.software), canonical(layout_.system),
                                 canonical(layout_.current_user), canonical(layout_.default_user)};
    for (const QString& host_file : last_mounted_)
        keep.push_back(canonical(host_file));
    for (auto it = files_.begin(); it != files_.end();) {
        if (std::find(keep.begin(), keep.end(), it->first) == keep.end()) {
            if (it->second->pending())
                lost_ = ERROR_REGISTRY_IO_FAILED;
            it = files_.erase(it);
        } else {
            ++it;
        }
    }
}

std::variant<Registry::Place, LSTATUS> Registry::resolve_in(Root root, const KeyPath& names)
{
    if (names.empty()) {
        Place place;
        place.virtual_root = root;
        place.may_write = may_write_machine();
        return place;
    }
    for (const Branch& branch : branches(root)) {
        if (!same_name(branch.name, names.front()))
            continue;
        Place place;
        place.file = file(branch.host_file);
        place.path.assign(names.begin() + 1, names.end());
        place.may_write = branch.may_write;
        place.top_fixed = branch.top_fixed;
        return place;
    }
    return ERROR_FILE_NOT_FOUND;
}

std::variant<Registry::Place, LSTATUS> Registry::resolve(HKEY base, const KeyPath& names)
{
    switch (base) {
    case HKEY_CURRENT_USER: {
        if (layout_.current_user.isEmpty())
            return ERROR_FILE_NOT_FOUND;
        Place place;
        place.file = file(layout_.current_user);
        place.path = names;
        place.may_write = true;
        return place;
    }
    case HKEY_LOCAL_MACHINE:
        if (layout_.nt_family || !layout_.whole_machine_hive)
            return resolve_in(Root::machine, names);
        if (layout_.software.isEmpty())
            return ERROR_FILE_NOT_FOUND;
        {
            Place place;
            place.file = file(layout_.software);
            place.path = names;
            place.may_write = true;
            place.top_fixed = true;
            return place;
        }
    case HKEY_USERS:
        return resolve_in(Root::users, names);
    default:
        break;
    }
    const auto open = handles_.find(base);
    if (open == handles_.end())
        return ERROR_INVALID_HANDLE;
    Place place = open->second.place;
    if (place.virtual_root)
        return resolve_in(*place.virtual_root, names);
    place.path.insert(place.path.end(), names.begin(), names.end());
    return place;
}

hive::Key* Registry::key_at(const Place& place) const
{
    return place.file ? place.file->key(place.path) : nullptr;
}

std::variant<Registry::Place, LSTATUS> Registry::existing(HKEY base, const char* sub_key)
{
    const std::optional<KeyPath> names = split_key_path(ansi_to_utf16(sub_key ? sub_key : ""));
    if (!names)
        return ERROR_BAD_PATHNAME;
    auto found = resolve(base, *names);
    if (auto* place = std::get_if<Place>(&found); place && place->file) {
        place->file->refresh();
        if (place->file->state() == HiveFile::State::damaged)
            return ERROR_BADDB;
        if (!key_at(*place))
            return ERROR_FILE_NOT_FOUND;
    }
    return found;
}

LSTATUS Registry::write_status(const Place& place) const
{
    if (!place.may_write)
        return ERROR_ACCESS_DENIED;
    if (place.file && !place.file->clean())
        return place.file->state() == HiveFile::State::damaged ? ERROR_BADDB : ERROR_ACCESS_DENIED;
    if (place.file && place.file->read_only())
        return ERROR_ACCESS_DENIED;
    return ERROR_SUCCESS;
}

HKEY Registry::add_handle(Place place, REGSAM rights)
{
    while (handles_.count(next_handle_) || next_handle_ >= HKEY_CLASSES_ROOT || next_handle_ == 0)
        next_handle_ = next_handle_ >= HKEY_CLASSES_ROOT ? 0x100 : next_handle_ + 4;
    const HKEY key = next_handle_;
    next_handle_ += 4;
    handles_.emplace(key, OpenKey{std::move(place), rights});
    return key;
}

std::variant<Registry::OpenKey, LSTATUS> Registry::handle(HKEY key)
{
    if (key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE || key == HKEY_USERS) {
        auto found = existing(key, nullptr);
        if (auto* status = std::get_if<LSTATUS>(&found))
            return *status;
        return OpenKey{std::get<Place>(std::move(found)), KEY_ALL_ACCESS};
    }
    const auto open = handles_.find(key);
    if (open == handles_.end())
        return ERROR_INVALID_HANDLE;
    return open->second;
}

LSTATUS Registry::flush_file(HiveFile& hive)
{
    if (save_depth_ > 0 && save_lock_failed_ && hive.pending())
        return ERROR_LOCK_VIOLATION;
    const LSTATUS status = hive.flush(hook_);
    if (status == ERROR_LOCK_VIOLATION && save_depth_ > 0)
        save_lock_failed_ = true;
    return status;
}

LSTATUS Registry::flush_all()
{
    notice_dismounts();
    LSTATUS first = std::exchange(lost_, ERROR_SUCCESS);
    for (auto& [path, hive] : files_) {
        const LSTATUS status = flush_file(*hive);
        if (first == ERROR_SUCCESS)
            first = status;
    }
    return first;
}

bool Registry::pending() const
{
    for (const auto& [path, hive] : files_) {
        if (hive->pending())
            return true;
    }
    return false;
}

LSTATUS Registry::RegFlushKey(HKEY key)
{
    notice_dismounts();
    auto open = handle(key);
    if (auto* status = std::get_if<LSTATUS>(&open))
        return *status;
    const Place& place = std::get<OpenKey>(open).place;
    if (!place.virtual_root)
        return serves(place.file) ? flush_file(*place.file) : ERROR_KEY_DELETED;
    LSTATUS first = ERROR_SUCCESS;
    for (const Branch& branch : branches(*place.virtual_root)) {
        const LSTATUS status = flush_file(*file(branch.host_file));
        if (first == ERROR_SUCCESS)
            first = status;
    }
    return first;
}

LSTATUS Registry::RegCloseKey(HKEY key)
{
    if (key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE || key == HKEY_USERS)
        return ERROR_SUCCESS;
    return handles_.erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

} // namespace platform
