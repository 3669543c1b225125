#pragma once
// Handles, rights, value types and status codes of the registry calls, with the numeric values that callers
// and stored data rely on.

#include <cstdint>

namespace platform {

using HKEY = std::uint32_t;
using REGSAM = std::uint32_t;
using LSTATUS = std::int32_t;

// The predefined roots, as 32-bit handle values.
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr HKEY HKEY_USERS = 0x80000003u;

inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr REGSAM KEY_NOTIFY = 0x0010;
inline constexpr REGSAM KEY_CREATE_LINK = 0x0020;
inline constexpr REGSAM DELETE = 0x00010000;
inline constexpr REGSAM WRITE_DAC = 0x00040000;
inline constexpr REGSAM WRITE_OWNER = 0x00080000;
inline constexpr REGSAM KEY_READ = 0x00020019;
inline constexpr REGSAM KEY_WRITE = 0x00020006;
inline constexpr REGSAM KEY_ALL_ACCESS = 0x000F003F;
// Every right that changes the key or what lies under it.
inline constexpr REGSAM key_write_rights =
    KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | DELETE | WRITE_DAC | WRITE_OWNER;

inline constexpr std::uint32_t REG_NONE = 0;
inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_EXPAND_SZ = 2;
inline constexpr std::uint32_t REG_BINARY = 3;
inline constexpr std::uint32_t REG_DWORD = 4;
inline constexpr std::uint32_t REG_MULTI_SZ = 7;

inline constexpr std::uint32_t REG_OPTION_NON_VOLATILE = 0;
inline constexpr std::uint32_t REG_CREATED_NEW_KEY = 1;
inline constexpr std::uint32_t REG_OPENED_EXISTING_KEY = 2;

inline constexpr LSTATUS ERROR_SUCCESS = 0;
inline constexpr LSTATUS ERROR_FILE_NOT_FOUND = 2;
inline constexpr LSTATUS ERROR_ACCESS_DENIED = 5;
inline constexpr LSTATUS ERROR_INVALID_HANDLE = 6;
inline constexpr LSTATUS ERROR_LOCK_VIOLATION = 33; // another process held the lock a write needs
inline constexpr LSTATUS ERROR_INVALID_PARAMETER = 87;
inline constexpr LSTATUS ERROR_BAD_PATHNAME = 161;
inline constexpr LSTATUS ERROR_MORE_DATA = 234;
inline constexpr LSTATUS ERROR_NO_MORE_ITEMS = 259;
inline constexpr LSTATUS ERROR_BADDB = 1009;            // the hive file is damaged
inline constexpr LSTATUS ERROR_REGISTRY_IO_FAILED = 1016; // the hive file could not be read or written
inline constexpr LSTATUS ERROR_KEY_DELETED = 1018;

} // namespace platform
