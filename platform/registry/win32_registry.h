#pragma once
// The registry of a machine behind the Win32 registry functions ("A" forms: names and texts are Windows-1252
// bytes). Hive files are parsed once and kept while unchanged; edits stay in memory until a key of the hive is
// flushed (RegFlushKey), flush_all() runs (before a program is started, at the end) or the registry is destroyed.
// A mounted hive's edits that are not written when it is dismounted go with it: nothing reaches its file later.
//
// Roots: HKEY_LOCAL_MACHINE with SOFTWARE and SYSTEM (on Windows 95/98/ME one hive is all of it),
// HKEY_CURRENT_USER, HKEY_USERS with .DEFAULT, the logged-on user's SID and the mounted hives. No key can be
// created or deleted directly under HKEY_LOCAL_MACHINE or HKEY_USERS.
//
// Statuses: 2 missing key or value, 5 no right to write (not an administrator, a read-only mount, a hive that
// is not clean, a hive file with the read-only attribute), 6 unknown handle, 33 another process's write held the
// hive too long for a flush, 87 bad argument, 161 bad key path, 234 buffer too small, 259 no more sub-keys, 1009
// damaged hive file, 1016 hive file could not be written, 1018 the key was deleted.

#include "platform/registry/file_replace.h"
#include "platform/registry/hive_file.h"
#include "platform/registry/key_path.h"
#include "platform/registry/reg_types.h"
#include "platform/registry/registry_layout.h"

#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace platform {

class Registry {
public:
    // What is pending is written at the latest when the registry is destroyed or the process calls exit().
    explicit Registry(RegistryLayout layout);
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;
    ~Registry();

    const RegistryLayout& layout() const { return layout_; }

    // Writes every hive with pending edits. The first failure's status, or 0. Edits that a dismount took with
    // their hive since the last call (see forget_unused_files) are a failure too, ERROR_REGISTRY_IO_FAILED,
    // reported by this one call.
    [[nodiscard]] LSTATUS flush_all();
    // True while some hive has edits that are not written yet.
    bool pending() const;
    // Keys opened and not closed yet (each call of the layer above closes what it opens).
    std::size_t open_handle_count() const { return handles_.size(); }
    // Test seam for the steps of a hive write.
    void set_write_hook(WriteHook hook) { hook_ = std::move(hook); }

    // One save while it lives. From its first flush that gave up on a folder another process held locked, every
    // further flush with edits to write fails at once with ERROR_LOCK_VIOLATION and the edits stay pending: a
    // save against a held lock waits once, not at each of its flushes. Scopes nest; the outermost ends the save.
    class SaveScope {
    public:
        explicit SaveScope(Registry& registry);
        SaveScope(const SaveScope&) = delete;
        SaveScope& operator=(const SaveScope&) = delete;
        ~SaveScope();

    private:
        Registry& registry_;
    };

    // `sub_key` may be nullptr or "" for the key itself. `class_name` is not stored; `options` must be 0.
    [[nodiscard]] LSTATUS RegCreateKeyExA(HKEY key, const char* sub_key, std::uint32_t reserved, const char* class_name,
                            std::uint32_t options, REGSAM rights, HKEY* result, std::uint32_t* disposition);
    [[nodiscard]] LSTATUS RegOpenKeyExA(HKEY key, const char* sub_key, std::uint32_t options, REGSAM rights, HKEY* result);
    // Without `data` only the type and the size are reported. String types are converted to Windows-1252 and
    // their size counts those bytes. A buffer smaller than the data gives 234 and the size needed.
    [[nodiscard]] LSTATUS RegQueryValueExA(HKEY key, const char* name, std::uint32_t* reserved, std::uint32_t* type,
                             std::uint8_t* data, std::uint32_t* size);
    // String types arrive as Windows-1252 (the size counts their terminating NUL) and are stored as UTF-16LE.
    [[nodiscard]] LSTATUS RegSetValueExA(HKEY key, const char* name, std::uint32_t reserved, std::uint32_t type,
                           const std::uint8_t* data, std::uint32_t size);
    // A key with sub-keys: refused with 5 on the NT family; deleted with all below it on Windows 95/98/ME.
    [[nodiscard]] LSTATUS RegDeleteKeyA(HKEY key, const char* sub_key);
    [[nodiscard]] LSTATUS RegDeleteValueA(HKEY key, const char* name);
    // `name_size` and `class_size` count characters with the NUL going in, without it coming out. A class buffer
    // too small for the class (size 0 always is) gives 234 with the name filled in; 259 past the last sub-key.
    [[nodiscard]] LSTATUS RegEnumKeyExA(HKEY key, std::uint32_t index, char* name, std::uint32_t* name_size, std::uint32_t* reserved,
                          char* class_name, std::uint32_t* class_size, hive::FileTime* last_written);
    // Writes the key's hive when it has pending edits. ERROR_KEY_DELETED for a key whose hive was dismounted
    // since it was opened.
    [[nodiscard]] LSTATUS RegFlushKey(HKEY key);
    [[nodiscard]] LSTATUS RegCloseKey(HKEY key);

private:
    enum class Root { machine, users };

    // Where a key lies: one of the two roots that are no hive, or a key inside a hive file.
    struct Place {
        std::optional<Root> virtual_root;
        std::shared_ptr<HiveFile> file;
        KeyPath path;            // inside the file
        bool may_write = false;  // the user's right to change this hive
        bool top_fixed = false;  // the hive's root is HKEY_LOCAL_MACHINE itself: no keys made or deleted there
    };
    struct OpenKey {
        Place place;
        REGSAM rights = 0;
    };
    // A hive under a root that is no hive.
    struct Branch {
        std::u16string name;
        QString host_file;
        bool may_write = false;
        bool top_fixed = false;
    };

    std::vector<Branch> branches(Root root);
    void users_branches(std::vector<Branch>& list);
    std::variant<Place, LSTATUS> resolve(HKEY base, const KeyPath& names);
    std::variant<Place, LSTATUS> resolve_in(Root root, const KeyPath& names);
    std::variant<Place, LSTATUS> existing(HKEY base, const char* sub_key);
    std::variant<OpenKey, LSTATUS> handle(HKEY key);
    LSTATUS write_status(const Place& place) const;
    hive::Key* key_at(const Place& place) const;
    HKEY add_handle(Place place, REGSAM rights);
    std::shared_ptr<HiveFile> file(const QString& host_path);
    bool serves(const std::shared_ptr<HiveFile>& hive) const;
    void notice_dismounts();
    void forget_unused_files();
    LSTATUS flush_file(HiveFile& hive);
    const QString& canonical(const QString& host_path);
    bool may_write_machine() const { return !layout_.nt_family || layout_.user_is_admin; }

    RegistryLayout layout_;
    std::map<QString, std::shared_ptr<HiveFile>> files_; // by canonical host path
    std::map<QString, QString> canonical_;               // host path as given -> canonical
    std::vector<QString> last_mounted_;                  // host files of the mounts last seen
    std::map<HKEY, OpenKey> handles_;
    HKEY next_handle_ = 0x100;
    WriteHook hook_;
    int save_depth_ = 0;          // SaveScopes alive
    bool save_lock_failed_ = false; // a flush of this save gave up on a held lock
    LSTATUS lost_ = ERROR_SUCCESS;  // edits a dismount took, not reported yet
};

} // namespace platform
