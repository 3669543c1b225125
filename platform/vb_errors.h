#pragma once
// VB run-time error numbers that the file and process stand-ins raise, returned as values.

namespace platform::vb {

inline constexpr int ok = 0;
inline constexpr int bad_call = 5;            // invalid procedure call or argument
inline constexpr int bad_file_number = 52;    // bad file name or number
inline constexpr int file_not_found = 53;     // also Shell's "can't start"
inline constexpr int bad_file_mode = 54;
inline constexpr int file_already_open = 55;
inline constexpr int device_io_error = 57;
inline constexpr int input_past_end = 62;
inline constexpr int permission_denied = 70;  // also: held by another process
inline constexpr int path_file_access = 75;
inline constexpr int path_not_found = 76;

} // namespace platform::vb

namespace platform {

// A value with the VB error that replaced it; error 0 means the value is good.
template <class T>
struct VbResult {
    T value{};
    int error = vb::ok;
    bool ok() const { return error == vb::ok; }
};

} // namespace platform
