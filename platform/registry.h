#pragma once
// The registry calls of the program. Each opens, uses and closes one key of the machine's registry; nothing
// is shown and nothing is thrown: failures are Win32 status codes or empty results.
//
// Roots are HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE and HKEY_USERS; key paths are relative to the root,
// names separated by "\", compared without regard to case. Texts go to the registry in the system code page
// (Windows-1252). Only REG_SZ and REG_DWORD values are written; a value of any other type reads as absent.

#include "platform/registry/reg_types.h"
#include "platform/registry/variant.h"
#include "platform/registry/win32_registry.h"

#include <QString>

#include <cstdint>

namespace platform {

// Creates the key and every missing key above it, or opens it, flushes its hive and closes it.
// 1 (REG_CREATED_NEW_KEY), 2 (REG_OPENED_EXISTING_KEY), or 0 when it can't be created or opened for writing.
std::int32_t REG_CreateKeyRaw(Registry& registry, HKEY root, const QString& path);
// RegDeleteKeyA's status.
LSTATUS REG_DeleteKeyRaw(Registry& registry, HKEY root, const QString& path);
// The status of opening the key for writing; 0 once it opened, whether or not the value was there.
LSTATUS REG_DeleteValueRaw(Registry& registry, HKEY root, const QString& path, const QString& name);
// 0 when the key opened, whatever the value; `value` then holds a REG_SZ as its text with the terminating
// NUL and one blank behind it, a REG_DWORD as its integer, and stays empty for a missing value or other types.
LSTATUS REG_QueryValueRaw(Registry& registry, HKEY root, const QString& path, const QString& name, Variant& value);
// An integer is written as REG_DWORD, a text as REG_SZ with its terminating NUL; an empty variant writes nothing.
// The status of opening the key for writing; 0 once it opened (the write's own status is not reported).
LSTATUS REG_SetValueRaw(Registry& registry, HKEY root, const QString& path, const QString& name, const Variant& value);

// REG_CreateKeyRaw's disposition.
std::int32_t REG_CreateKey(Registry& registry, HKEY root, const QString& path);
// Always 0, whether or not the key was deleted.
LSTATUS REG_DeleteKey(Registry& registry, HKEY root, const QString& path);
LSTATUS REG_DeleteValue(Registry& registry, HKEY root, const QString& path, const QString& name);
// The value as text, trimmed (trim_null); "" when the key or value is missing or of another type.
QString REG_GetString(Registry& registry, HKEY root, const QString& path, const QString& name);
// The value as text, untrimmed: a REG_SZ keeps its NUL and the blank behind it; a REG_DWORD is its decimal text.
Variant REG_GetValue(Registry& registry, HKEY root, const QString& path, const QString& name);
LSTATUS REG_SetString(Registry& registry, HKEY root, const QString& path, const QString& name, const QString& text);
// Writes the number at the start of `text` (Val's reading, rounded to even) as REG_DWORD. A number beyond
// the 32-bit range writes nothing and gives ERROR_INVALID_PARAMETER.
LSTATUS REG_SetDWORD(Registry& registry, HKEY root, const QString& path, const QString& name, const QString& text);

// Blanks removed at both ends, then one NUL at the end removed.
QString trim_null(const QString& text);
QString trim_null(const Variant& value);

} // namespace platform
