#pragma once
// The error codes of the Internet calls, numbered as the system numbers them (GetLastError after a failed call).

#include <cstdint>

namespace platform::web {

inline constexpr std::uint32_t error_invalid_handle = 6;
inline constexpr std::uint32_t error_invalid_parameter = 87;
inline constexpr std::uint32_t internet_timeout = 12002;
inline constexpr std::uint32_t internet_internal_error = 12004;
inline constexpr std::uint32_t internet_invalid_url = 12005;
inline constexpr std::uint32_t internet_unrecognized_scheme = 12006;
inline constexpr std::uint32_t internet_name_not_resolved = 12007;
inline constexpr std::uint32_t internet_operation_cancelled = 12017;
inline constexpr std::uint32_t internet_cannot_connect = 12029;
inline constexpr std::uint32_t internet_connection_aborted = 12030;
inline constexpr std::uint32_t internet_connection_reset = 12031;
inline constexpr std::uint32_t internet_cert_date_invalid = 12037;
inline constexpr std::uint32_t internet_cert_name_invalid = 12038;
inline constexpr std::uint32_t internet_invalid_ca = 12045;
inline constexpr std::uint32_t http_header_not_found = 12150;
inline constexpr std::uint32_t http_invalid_server_response = 12152;
inline constexpr std::uint32_t http_redirect_failed = 12156;
inline constexpr std::uint32_t internet_security_channel_error = 12157;

} // namespace platform::web
