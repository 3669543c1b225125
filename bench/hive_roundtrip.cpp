// Parse and serialize times for a hive the size of a busy user's NTUSER.DAT (about 1.3 MB), as the registry
// store does on every flush. Usage: hive_roundtrip [iterations]

#include "platform/hive/hive.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::u16string name(const char* prefix, int i)
{
    std::string s = std::string(prefix) + std::to_string(i * 2654435761u % 1000003);
    return std::u16string(s.begin(), s.end());
}

hive::Hive user_hive()
{
    hive::Hive h = hive::Hive::create(5, 1);
    int n = 0;
    for (int a = 0; a < 20; ++a) {
        hive::Key* top = h.root().add_subkey(name("Software", a));
        for (int b = 0; b < 25; ++b) {
            hive::Key* mid = top->add_subkey(name("Vendor Component ", n++));
            for (int c = 0; c < 8; ++c) {
                hive::Key* leaf = mid->add_subkey(name("Settings", n++));
                leaf->set_value(u"Enabled", 4, {1, 0, 0, 0});
                leaf->set_value(u"Path", 1, std::vector<std::uint8_t>(60, 'x'));
                if (c % 4 == 0)
                    leaf->set_value(u"Blob", 3, std::vector<std::uint8_t>(200, 7));
            }
        }
    }
    return h;
}

double ms_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    const int iterations = argc > 1 ? std::atoi(argv[1]) : 50;
    hive::Hive h = user_hive();
    std::vector<std::uint8_t> bytes = h.serialize(2);
    std::printf("hive: %zu bytes\n", bytes.size());

    double parse_ms = 0, serialize_ms = 0;
    for (int i = 0; i < iterations; ++i) {
        auto start = std::chrono::steady_clock::now();
        auto parsed = hive::Hive::parse(bytes);
        parse_ms += ms_since(start);
        if (!parsed)
            return 1;
        parsed->root().subkeys().front()->set_value(u"Touched", 4, {1, 0, 0, 0});
        start = std::chrono::steady_clock::now();
        bytes = parsed->serialize(3 + static_cast<hive::FileTime>(i));
        serialize_ms += ms_since(start);
    }
    std::printf("parse:     %.2f ms\nserialize: %.2f ms\n", parse_ms / iterations, serialize_ms / iterations);
    return 0;
}
