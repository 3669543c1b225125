#pragma once
// Every hive the tests write must keep the format's rules and read the same through hivex as through our reader.

#include <QString>

#include <gtest/gtest.h>

namespace platform::test {

testing::AssertionResult sound_hive(const QString& path);

} // namespace platform::test
