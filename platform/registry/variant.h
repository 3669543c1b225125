#pragma once
// The small variant that the registry calls read into and write from: empty, a 32-bit integer, or a text.

#include <QString>

#include <cstdint>
#include <variant>

namespace platform {

class Variant {
public:
    Variant() = default;
    explicit Variant(std::int32_t number) : value_(number) {}
    explicit Variant(QString text) : value_(std::move(text)) {}

    bool is_empty() const { return std::holds_alternative<std::monostate>(value_); }
    bool is_int() const { return std::holds_alternative<std::int32_t>(value_); }
    bool is_text() const { return std::holds_alternative<QString>(value_); }

    // 0 unless the variant holds an integer.
    std::int32_t int_value() const;
    // The text the variant holds ("" unless it holds one).
    QString text_value() const;

    // The variant read as text: empty gives "", an integer its signed decimal text, a text itself.
    QString to_text() const;

    bool operator==(const Variant&) const = default;

private:
    std::variant<std::monostate, std::int32_t, QString> value_;
};

} // namespace platform
