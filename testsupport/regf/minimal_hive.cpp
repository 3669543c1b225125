#include "testsupport/regf/regf_checks.h"

#include <cstring>

namespace regf_checks {

namespace {

void put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v)
{
    b[at] = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}

void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

void put64(std::vector<std::uint8_t>& b, std::size_t at, std::uint64_t v)
{
    put32(b, at, std::uint32_t(v));
    put32(b, at + 4, std::uint32_t(v >> 32));
}

void put_text(std::vector<std::uint8_t>& b, std::size_t at, const char* s) { std::memcpy(b.data() + at, s, std::strlen(s)); }

// 2002-01-01 00:00 UTC as FILETIME: a fixed stamp keeps the bytes reproducible.
constexpr std::uint64_t stamp = (1009843200ull + 11644473600ull) * 10000000ull;

// Self-relative descriptor: owner Administrators, group SYSTEM, DACL granting Everyone read and
// Administrators and SYSTEM full control, inherited by sub-keys.
std::vector<std::uint8_t> default_descriptor()
{
    const std::uint8_t admins[] = {1, 2, 0, 0, 0, 0, 0, 5, 32, 0, 0, 0, 0x20, 2, 0, 0};
    const std::uint8_t system[] = {1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0};
    const std::uint8_t everyone[] = {1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0};
    std::vector<std::uint8_t> sd(20);
    sd[0] = 1;
    put16(sd, 2, 0x8004); // self-relative, DACL present
    auto append = [&sd](const std::uint8_t* p, std::size_t n) { sd.insert(sd.end(), p, p + n); };
    put32(sd, 4, std::uint32_t(sd.size()));
    append(admins, sizeof admins);
    put32(sd, 8, std::uint32_t(sd.size()));
    append(system, sizeof system);
    put32(sd, 16, std::uint32_t(sd.size()));
    const std::size_t acl = sd.size();
    sd.resize(acl + 8);
    sd[acl] = 2;
    auto ace = [&](std::uint32_t mask, const std::uint8_t* sid, std::size_t n) {
        const std::size_t at = sd.size();
        sd.resize(at + 8);
        sd[at] = 0;    // access allowed
        sd[at + 1] = 2; // container inherit
        put16(sd, at + 2, std::uint16_t(8 + n));
        put32(sd, at + 4, mask);
        append(sid, n);
    };
    ace(0x20019, everyone, sizeof everyone); // KEY_READ
    ace(0xF003F, admins, sizeof admins);     // KEY_ALL_ACCESS
    ace(0xF003F, system, sizeof system);
    put16(sd, acl + 2, std::uint16_t(sd.size() - acl));
    put16(sd, acl + 4, 3);
    return sd;
}

} // namespace

std::vector<std::uint8_t> minimal_hive(std::uint32_t minor_version)
{
    constexpr std::size_t base = 4096, bin_size = 4096;
    constexpr std::uint32_t nk = 0x20;
    const char name[] = "ROOT";
    const std::size_t name_len = sizeof name - 1;
    const std::uint32_t nk_size = std::uint32_t((4 + 76 + name_len + 7) / 8 * 8);
    const std::uint32_t sk = nk + nk_size;
    const auto sd = default_descriptor();
    const std::uint32_t sk_size = std::uint32_t((4 + 20 + sd.size() + 7) / 8 * 8);
    const std::uint32_t tail = sk + sk_size;

    std::vector<std::uint8_t> b(base + bin_size);
    put_text(b, 0, "regf");
    put32(b, 4, 1);
    put32(b, 8, 1);
    put64(b, 12, stamp);
    put32(b, 20, 1);
    put32(b, 24, minor_version);
    put32(b, 28, 0);
    put32(b, 32, 1);
    put32(b, 36, nk);
    put32(b, 40, std::uint32_t(bin_size));
    put32(b, 44, 1);

    put_text(b, base, "hbin");
    put32(b, base + 8, std::uint32_t(bin_size));
    put64(b, base + 20, stamp);

    const std::size_t k = base + nk;
    put32(b, k, std::uint32_t(-std::int32_t(nk_size)));
    put_text(b, k + 4, "nk");
    put16(b, k + 6, 0x2C); // root, no delete, compressed name
    put64(b, k + 8, stamp);
    put32(b, k + 20, 0xFFFFFFFF); // parent: none for the root
    put32(b, k + 32, 0xFFFFFFFF); // sub-key list
    put32(b, k + 36, 0xFFFFFFFF); // volatile list
    put32(b, k + 44, 0xFFFFFFFF); // value list
    put32(b, k + 48, sk);
    put32(b, k + 52, 0xFFFFFFFF); // class name
    put16(b, k + 76, std::uint16_t(name_len));
    put_text(b, k + 80, name);

    const std::size_t s = base + sk;
    put32(b, s, std::uint32_t(-std::int32_t(sk_size)));
    put_text(b, s + 4, "sk");
    put32(b, s + 8, sk);  // flink: the only one
    put32(b, s + 12, sk); // blink
    put32(b, s + 16, 1);  // used by the root
    put32(b, s + 20, std::uint32_t(sd.size()));
    std::memcpy(b.data() + s + 24, sd.data(), sd.size());

    put32(b, base + tail, std::uint32_t(bin_size - tail)); // free rest of the bin

    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < 508; at += 4)
        sum ^= std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
               std::uint32_t(b[at + 3]) << 24;
    put32(b, 508, sum == 0 ? 1 : sum == 0xFFFFFFFF ? 0xFFFFFFFE : sum);
    return b;
}

} // namespace regf_checks
