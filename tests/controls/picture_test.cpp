#include "test_form.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using controls::PictureFormat;
using controls::PictureStatus;
using controls_test::TestForm;

QByteArray bitmapBytes()
{
    QByteArray b("BM");
    b += QByteArray(60, '\0');
    return b;
}

struct FormatCase {
    const char* name;
    QByteArray bytes;
    PictureFormat format;
};

class PictureFormats : public testing::TestWithParam<FormatCase> {};

TEST_P(PictureFormats, AreRecognisedByTheirFirstBytes)
{
    EXPECT_EQ(controls::recogniseFormat(GetParam().bytes), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, PictureFormats,
    testing::Values(FormatCase{"bitmap", bitmapBytes(), PictureFormat::Bitmap},
                    FormatCase{"truncatedBitmap", QByteArray("BM\0\0", 4), PictureFormat::None},
                    FormatCase{"gif", QByteArray("GIF89a\1\0\1\0", 10), PictureFormat::Gif},
                    FormatCase{"jpeg", QByteArray("\xFF\xD8\xFF\xE0", 4), PictureFormat::Jpeg},
                    FormatCase{"icon", QByteArray("\0\0\1\0\1\0", 6), PictureFormat::Icon},
                    FormatCase{"text", QByteArray("hello world, no picture"), PictureFormat::None},
                    FormatCase{"empty", QByteArray(), PictureFormat::None}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PictureBox, AFileThatIsNoPictureLeavesThePreviewAsItWas)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath("wall.bmp");
    const QString bad = dir.filePath("notes.bmp");
    {
        QFile f(good);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bitmapBytes());
        QFile g(bad);
        ASSERT_TRUE(g.open(QIODevice::WriteOnly));
        g.write("just text");
    }
    TestForm form;
    controls::PictureBox pic31{form, "pic31"};
    int pictureChanges = 0;
    pic31.observe([&](controls::Property p, int) { pictureChanges += p == controls::Property::Picture; });

    EXPECT_EQ(pic31.loadPicture(good), PictureStatus::Ok);
    EXPECT_EQ(pic31.picture().format, PictureFormat::Bitmap);
    const controls::Picture shown = pic31.picture();

    EXPECT_EQ(pic31.loadPicture(bad), PictureStatus::InvalidPicture);
    EXPECT_EQ(pic31.loadPicture(dir.filePath("missing.bmp")), PictureStatus::FileNotFound);
    EXPECT_EQ(pic31.loadPicture(QString()), PictureStatus::FileNotFound);
    EXPECT_EQ(pic31.picture(), shown);
    EXPECT_EQ(pictureChanges, 1);
}

} // namespace
