#include "policy/operations.h"
#include "policy/restriction_boxes.h"
#include "window_fixture.h"

#include <QFile>

#include <gtest/gtest.h>

#include <map>

using namespace policy_tests;
using platform::SampleSystem;

namespace {

// Everything the reader sets.
struct Snapshot {
    std::map<int, int> boxes;
    std::vector<int> drives;
    std::vector<bool> applets;
    QStringList censor;
    QString t31, t32;
    controls::Picture preview;
    bool operator==(const Snapshot&) const = default;
};

const int box_numbers[] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 110, 21, 22, 23, 24, 25, 26, 27, 28, 29, 210,
                           31, 32, 33, 34, 35, 36, 37, 38, 39, 41, 61, 62, 63, 64, 65, 66, 67, 68, 69, 610,
                           90, 91, 93, 94, 95, 96, 98, 99};

Snapshot snapshot(Window& w)
{
    Snapshot s;
    for (int n : box_numbers)
        s.boxes[n] = policy::restriction_box(w.form, n)->value();
    for (controls::CheckBox* box : w.form.driveBoxes())
        s.drives.push_back(box->value());
    for (int i = 1; i <= w.form.lv1.count(); ++i)
        s.applets.push_back(w.form.lv1.checked(i));
    s.censor = w.form.List1.entries();
    s.t31 = w.form.t31.text();
    s.t32 = w.form.t32.text();
    s.preview = w.form.pic31.picture();
    return s;
}

void PrintTo(const Snapshot& s, std::ostream* out)
{
    *out << "boxes";
    for (const auto& [n, v] : s.boxes)
        *out << " c" << n << "=" << v;
    *out << "\ndrives";
    for (int v : s.drives)
        *out << ' ' << v;
    *out << "\napplets";
    for (bool v : s.applets)
        *out << ' ' << v;
    *out << "\ncensor " << s.censor.join(QLatin1Char('|')).toStdString() << "\nt31 " << s.t31.toStdString()
         << "\nt32 " << s.t32.toStdString() << "\npreview " << s.preview.data.size() << " bytes";
}

// A mixed set: every third box, some drives and applets, a censor list, both text fields, a picture.
void arrange(Window& w, bool has_msdos_sys)
{
    int k = 0;
    for (int n : box_numbers)
        policy::restriction_box(w.form, n)->setValue(k++ % 3 == 0 ? 1 : 0);
    // c16 ticked ticks c31 as a click does; the pair stays consistent.
    w.form.c16.setValue(1);
    w.form.c31.setValue(1);
    w.form.c41.setValue(1);
    w.form.List1.addItem(QStringLiteral("CALC.EXE"));
    w.form.List1.addItem(QStringLiteral("NOTEPAD.EXE"));
    w.form.c61.setValue(has_msdos_sys ? 1 : 0);
    w.form.c62.setValue(has_msdos_sys ? 1 : 0);
    for (QChar letter : QStringLiteral("ADHZ"))
        w.form.driveBoxes()[static_cast<std::size_t>(letter.unicode() - u'A')]->setValue(1);
    for (int i = 1; i <= w.form.lv1.count(); i += 4)
        w.form.lv1.setChecked(i, true);
    QFile picture(w.program.host(QStringLiteral("C:\\Schule.bmp")));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write(QByteArray("BM") + QByteArray(100, 'p'));
    picture.close();
    w.form.c37.setValue(1);
    w.form.t31.setText(QStringLiteral("C:\\Schule.bmp"));
    ASSERT_EQ(w.form.pic31.loadPicture(w.program.host(QStringLiteral("C:\\Schule.bmp"))), controls::PictureStatus::Ok);
    w.form.t32.setText(QStringLiteral("C:\\Links"));
}

// The opposite of everything, so that a control the reader forgets shows.
void scramble(Window& w)
{
    for (int n : box_numbers) {
        controls::CheckBox& box = *policy::restriction_box(w.form, n);
        box.setValue(box.value() == 1 ? 0 : 1);
    }
    for (controls::CheckBox* box : w.form.driveBoxes())
        box->setValue(box->value() == 1 ? 0 : 1);
    for (int i = 1; i <= w.form.lv1.count(); ++i)
        w.form.lv1.setChecked(i, !w.form.lv1.checked(i));
    w.form.List1.clear();
    w.form.List1.addItem(QStringLiteral("OTHER.EXE"));
    w.form.t31.setText(QStringLiteral("C:\\other.bmp"));
    w.form.t32.setText(QString());
    w.form.pic31.setPicture({});
}

class RoundTrip : public testing::TestWithParam<SampleSystem> {};

TEST_P(RoundTrip, AWriteThenAReadRestoresTheWindow)
{
    Window w({.system = GetParam()});
    const bool has_msdos_sys = !w.nt();
    arrange(w, has_msdos_sys);
    const Snapshot written = snapshot(w);

    policy::REG_Save32(w.engine);
    // The hive goes to its file and back between the two, as with the unmount and mount of the real flow.
    ASSERT_EQ(w.registry().flush_all(), 0);
    if (w.nt()) {
        w.program.unmount(pupil);
        ASSERT_TRUE(w.program.mount(pupil));
    }
    scramble(w);
    policy::REG_Load32(w.engine);

    EXPECT_EQ(snapshot(w), written);
    EXPECT_TRUE(w.program.ui().messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Systems, RoundTrip,
                         testing::Values(SampleSystem::winxp, SampleSystem::win2000, SampleSystem::nt4, SampleSystem::win98),
                         [](const testing::TestParamInfo<SampleSystem>& row) {
                             return platform::sample_system_name(row.param).toStdString();
                         });

} // namespace
