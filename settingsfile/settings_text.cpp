#include "settingsfile/settings_text.h"

#include "controls/item_list.h"
#include "platform/codepage.h"

#include <optional>

namespace settingsfile {

namespace {

// One record in the making: fields joined by commas, the line closed with CR LF.
class Record {
public:
    Record& number(int n) { return field(QString::number(n)); }
    Record& text(QString t)
    {
        t.replace(QLatin1Char('"'), QLatin1Char('\''));
        return field(QLatin1Char('"') + t + QLatin1Char('"'));
    }
    template <std::size_t N>
    Record& numbers(const std::array<int, N>& values)
    {
        for (int v : values)
            number(v);
        return *this;
    }
    QString line() const { return fields_.join(QLatin1Char(',')) + QStringLiteral("\r\n"); }

private:
    Record& field(const QString& f)
    {
        fields_ << f;
        return *this;
    }
    QStringList fields_;
};

// Reads fields off an open file; the first failure sticks and ends every later read.
class FieldReader {
public:
    FieldReader(platform::VbFiles& files, int number) : files_(files), number_(number) {}

    bool failed() const { return failed_; }

    std::optional<QString> text()
    {
        if (failed_)
            return std::nullopt;
        auto item = files_.input_item(number_);
        if (!item.ok()) {
            failed_ = true;
            return std::nullopt;
        }
        return item.value;
    }

    // A whole number (an empty field reads as 0, as Input # gives it); text fails the read.
    std::optional<qlonglong> number()
    {
        const auto t = text();
        if (!t)
            return std::nullopt;
        const QString trimmed = t->trimmed();
        if (trimmed.isEmpty())
            return 0;
        bool ok = false;
        const qlonglong v = trimmed.toLongLong(&ok, 10);
        if (!ok) {
            failed_ = true;
            return std::nullopt;
        }
        return v;
    }

    // A check-box or applet value: only 1 ticks, so any other number is kept as 0.
    int tick()
    {
        const auto v = number();
        return v && *v == 1 ? 1 : 0;
    }

    template <std::size_t N>
    void ticks(std::array<int, N>& out)
    {
        for (int& v : out)
            v = tick();
    }

    // A number that must lie in [low, high].
    int bounded(qlonglong low, qlonglong high)
    {
        const auto v = number();
        if (!v)
            return 0;
        if (*v < low || *v > high) {
            failed_ = true;
            return 0;
        }
        return static_cast<int>(*v);
    }

    QString string() { return text().value_or(QString()); }

private:
    platform::VbFiles& files_;
    int number_;
    bool failed_ = false;
};

// Closes the file however the read ends.
struct OpenNumber {
    platform::VbFiles& files;
    int number;
    ~OpenNumber() { files.close(number); }
};

constexpr int drive_state_max = 2; // greyed; anything above is no check-box state

} // namespace

QByteArray settings_bytes(const StoredSet& s)
{
    QString out;
    out += Record().text(QString::fromLatin1(settings_magic)).line();
    out += Record().text(QString::fromLatin1(settings_header)).line();
    out += Record().numbers(s.start_menu).line();
    for (int tick : s.applets)
        out += Record().number(tick).line();
    out += Record().numbers(s.explorer).line();
    out += Record().numbers(s.desktop).line();
    out += Record().text(s.wallpaper).line();
    out += Record().number(s.censor_on).line();
    out += Record().number(static_cast<int>(s.censor_list.size())).line();
    for (const QString& entry : s.censor_list)
        out += Record().text(entry).line();
    out += Record().numbers(s.drives).line();
    out += Record().numbers(s.network).line();
    out += Record().numbers(s.misc).line();
    out += Record().text(s.organisation).text(s.owner).line();
    out += Record().text(s.profiles_folder).line();
    return platform::to_cp1252(out);
}

ReadResult read_settings(platform::VbFiles& files, const QString& path)
{
    ReadResult result;
    const int number = files.free_file();
    if (number == 0) {
        result.status = ReadStatus::cannot_open;
        result.error = 67; // too many files
        return result;
    }
    if (const int error = files.open(path, platform::FileMode::input, number); error != platform::vb::ok) {
        result.status = ReadStatus::cannot_open;
        result.error = error;
        return result;
    }
    const OpenNumber guard{files, number};
    FieldReader in(files, number);

    // An empty file has no magic either.
    if (in.text() != QString::fromLatin1(settings_magic)) {
        result.status = ReadStatus::not_settings_file;
        return result;
    }
    in.text(); // the header line is never looked at

    StoredSet& s = result.set;
    in.ticks(s.start_menu);
    in.ticks(s.applets);
    in.ticks(s.explorer);
    in.ticks(s.desktop);
    s.wallpaper = in.string();
    s.censor_on = in.tick();
    const int count = in.bounded(0, controls::maxListEntries);
    for (int i = 0; i < count && !in.failed(); ++i)
        s.censor_list << in.string();
    for (int& drive : s.drives)
        drive = in.bounded(0, drive_state_max);
    in.ticks(s.network);
    in.ticks(s.misc);
    s.organisation = in.string();
    s.owner = in.string();
    s.profiles_folder = in.string();

    if (in.failed()) {
        result.status = ReadStatus::damaged;
        result.set = StoredSet{};
    }
    return result;
}

} // namespace settingsfile
