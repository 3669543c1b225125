#pragma once
// The error codes of the Internet calls, numbered as the system numbers them (GetLastError after a failed call).

#include <cstdint>

namespace platform::web {

inline constexpr std::uint32_t error_invalid_handle = 6;
inline constexpr std::uint32_t error_invalid_parameter = 87;
inline constexpr std::uint32_t internet_timeout = 12002;
inline constexpr std::uint32_t internet_invalid_url = 12005;
inline constexpr std::uint32_t internet_unrecognized_scheme = 12006;
inline constexpr std::uint32_t internet_name_not_resolved = 12007;
inline constexpr std::uint32_t internet_cannot_connect = 12029;
inline constexpr std::uint32_t internet_connection_aborted = 12030;
inline constexpr std::uint32_t internet_connection_reset = 12031;
inline constexpr std::uint32_t http_invalid_server_response = 12152;
inline constexpr std::uint32_t http_redirect_failed = 12156;

} // namespace platform::web
