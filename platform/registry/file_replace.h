#pragma once
// Replacing a file so that a crash leaves the old or the new content, never a torn one: the new content goes to
// a temporary file in the same folder, is synced, renamed over the old file, and the folder is synced.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace platform {

enum class WriteStep {
    temp_written, // the new content is in the temporary file, not yet synced
    temp_synced,  // synced, not yet renamed over the old file
};

// A seam for tests: called at each step; returning true makes that step fail as an I/O error would.
using WriteHook = std::function<bool(WriteStep)>;

enum class ReplaceResult {
    replaced,        // the new content is in place and synced
    replaced_unsynced, // in place, but the folder could not be synced
    failed,          // the old file is untouched
};

// `folder_fd` is an open descriptor of the file's folder. The temporary file takes the old file's mode, its
// extended attributes and, where permitted, its owner. The caller serialises writers (one temporary name per
// file); a temporary file left by a crash is replaced.
ReplaceResult replace_file(int folder_fd, const std::string& path, std::span<const std::uint8_t> bytes,
                           const WriteHook& hook);

// The name of the temporary file that replace_file uses beside `path`.
std::string temporary_name(const std::string& path);

} // namespace platform
