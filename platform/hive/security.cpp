#include "platform/hive/security.h"

#include "platform/hive/bytes.h"
#include "platform/hive/format.h"

namespace hive {

namespace {

void append_sid(std::vector<std::uint8_t>& out, std::uint8_t authority, std::initializer_list<std::uint32_t> subs)
{
    out.push_back(1); // revision
    out.push_back(static_cast<std::uint8_t>(subs.size()));
    for (int i = 0; i < 5; ++i)
        out.push_back(0);
    out.push_back(authority);
    for (std::uint32_t s : subs) {
        std::uint8_t b[4];
        put32(b, s);
        out.insert(out.end(), b, b + 4);
    }
}

std::vector<std::uint8_t> sid(std::uint8_t authority, std::initializer_list<std::uint32_t> subs)
{
    std::vector<std::uint8_t> out;
    append_sid(out, authority, subs);
    return out;
}

void append_allow_ace(std::vector<std::uint8_t>& acl, std::uint32_t mask, const std::vector<std::uint8_t>& who)
{
    constexpr std::uint8_t kAccessAllowed = 0;
    constexpr std::uint8_t kContainerInherit = 0x02;
    const auto size = static_cast<std::uint16_t>(8 + who.size());
    std::uint8_t header[8] = {kAccessAllowed, kContainerInherit};
    put16(header + 2, size);
    put32(header + 4, mask);
    acl.insert(acl.end(), header, header + 8);
    acl.insert(acl.end(), who.begin(), who.end());
}

} // namespace

std::string descriptor_problem(std::span<const std::uint8_t> sd)
{
    constexpr std::size_t kHeader = 20;
    if (sd.size() < kHeader)
        return "shorter than a descriptor header";
    if (sd[0] != 1)
        return "revision " + std::to_string(sd[0]);
    constexpr std::uint16_t kSelfRelative = 0x8000;
    if (!(get16(sd, 2) & kSelfRelative))
        return "not self-relative";
    const char* parts[] = {"owner", "group", "SACL", "DACL"};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t at = get32(sd, 4 + 4 * i);
        if (at == 0)
            continue;
        if (at < kHeader || at >= sd.size() || sd.size() - at < 8)
            return std::string(parts[i]) + " offset " + std::to_string(at) + " lies outside it";
        // A SID: revision, sub-authority count, 6-byte authority, the sub-authorities.
        // An ACL: revision, padding, its size, its ACE count.
        constexpr std::size_t kMaxSubAuthorities = 15;
        if (i < 2 && sd[at + 1] > kMaxSubAuthorities)
            return std::string(parts[i]) + " SID with " + std::to_string(sd[at + 1]) + " sub-authorities";
        const std::size_t size = i < 2 ? 8 + 4 * std::size_t(sd[at + 1]) : get16(sd, at + 2);
        if (size < 8 || size > sd.size() - at)
            return std::string(parts[i]) + " at " + std::to_string(at) + " does not fit it";
    }
    return {};
}

SecurityDescriptor default_security_descriptor()
{
    constexpr std::uint32_t kKeyAllAccess = 0x000F003F;
    constexpr std::uint32_t kKeyRead = 0x00020019;
    const auto system = sid(5, {18});
    const auto administrators = sid(5, {32, 544});
    const auto everyone = sid(1, {0});

    std::vector<std::uint8_t> aces;
    append_allow_ace(aces, kKeyAllAccess, system);
    append_allow_ace(aces, kKeyAllAccess, administrators);
    append_allow_ace(aces, kKeyRead, everyone);

    constexpr std::size_t kHeader = 20;
    const std::size_t owner_at = kHeader;
    const std::size_t group_at = owner_at + administrators.size();
    const std::size_t dacl_at = group_at + system.size();
    const std::size_t dacl_size = 8 + aces.size();

    std::vector<std::uint8_t> sd(dacl_at + dacl_size, 0);
    sd[0] = 1; // revision
    constexpr std::uint16_t kSelfRelative = 0x8000;
    constexpr std::uint16_t kDaclPresent = 0x0004;
    put16(&sd[2], kSelfRelative | kDaclPresent);
    put32(&sd[4], static_cast<std::uint32_t>(owner_at));
    put32(&sd[8], static_cast<std::uint32_t>(group_at));
    put32(&sd[12], 0); // no SACL
    put32(&sd[16], static_cast<std::uint32_t>(dacl_at));
    std::copy(administrators.begin(), administrators.end(), sd.begin() + owner_at);
    std::copy(system.begin(), system.end(), sd.begin() + group_at);
    std::uint8_t* acl = &sd[dacl_at];
    acl[0] = 2; // ACL revision
    put16(acl + 2, static_cast<std::uint16_t>(dacl_size));
    put16(acl + 4, 3); // ACE count
    std::copy(aces.begin(), aces.end(), acl + 8);
    return std::make_shared<const std::vector<std::uint8_t>>(std::move(sd));
}

std::uint32_t SecurityWriter::use(const SecurityDescriptor& descriptor)
{
    if (!descriptor) {
        if (!fallback_)
            fallback_ = default_security_descriptor();
        return use(fallback_);
    }
    const SecurityDescriptor& sd = descriptor;
    if (auto it = by_object_.find(sd.get()); it != by_object_.end()) {
        ++entries_[it->second].references;
        return entries_[it->second].cell;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(sd->data()), sd->size());
    if (auto it = by_bytes_.find(bytes); it != by_bytes_.end()) {
        by_object_.emplace(sd.get(), it->second);
        held_.push_back(sd);
        ++entries_[it->second].references;
        return entries_[it->second].cell;
    }
    using namespace format;
    const std::uint32_t cell = bins_.alloc(sk::kDescriptor + sd->size());
    std::uint8_t* p = bins_.data(cell);
    p[0] = 's';
    p[1] = 'k';
    put32(p + sk::kLength, static_cast<std::uint32_t>(sd->size()));
    std::copy(sd->begin(), sd->end(), p + sk::kDescriptor);

    const std::size_t index = entries_.size();
    entries_.push_back({cell, 1});
    held_.push_back(sd);
    by_object_.emplace(sd.get(), index);
    by_bytes_.emplace(bytes, index);
    return cell;
}

void SecurityWriter::finish()
{
    using namespace format;
    const std::size_t n = entries_.size();
    for (std::size_t i = 0; i < n; ++i) {
        std::uint8_t* p = bins_.data(entries_[i].cell);
        put32(p + sk::kFlink, entries_[(i + 1) % n].cell);
        put32(p + sk::kBlink, entries_[(i + n - 1) % n].cell);
        put32(p + sk::kReferences, entries_[i].references);
    }
}

} // namespace hive
