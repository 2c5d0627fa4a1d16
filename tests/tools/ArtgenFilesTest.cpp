// The artwork generator's manifest reader and its 8-bit palette files.
#include "tools/artgen/Manifest.h"
#include "tools/artgen/Quantize.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace art;

namespace {

const QString kHeader =
    QStringLiteral("# pack\tname\twidth\theight\tkind\ttheme\tstate\tspace\tx\ty\tcaption\tparams\n");

QString Line(const QString& columns)
{
    QString row = columns;
    return row.replace(QLatin1Char('|'), QLatin1Char('\t')) + QLatin1Char('\n');
}

// An opaque image of one colour.
QImage Filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST(ArtgenManifest, ReadsRowsAndNamesTheLineOfAFault)
{
    Manifest m;
    QString error;
    const QString good =
        kHeader + Line("own|IDB_MENU1OFF|445|31|menuitem|fin|off|screen|0|240|Financial Attitudes|item=1") +
        "\n# a comment\n" + Line("cred|IDB_cre_bak|640|480|frame|cred|-|-|-|-|-|key=red; stripes = 3");
    ASSERT_TRUE(parseManifest(good, m, &error)) << error.toStdString();
    ASSERT_EQ(m.rows.size(), 2);
    EXPECT_EQ(m.packs(), (QStringList{"own", "cred"}));
    const Row& menu = m.rows[0];
    EXPECT_EQ(menu.fileName(), "idb_menu1off.bmp");
    EXPECT_TRUE(menu.placed);
    EXPECT_EQ(menu.y, 240);
    EXPECT_EQ(menu.caption, "Financial Attitudes");
    EXPECT_EQ(menu.intParam("item", 0), 1);
    const Row& frame = m.rows[1];
    EXPECT_EQ(frame.line, 5);
    EXPECT_FALSE(frame.placed);
    EXPECT_TRUE(frame.caption.isEmpty());
    EXPECT_EQ(frame.param("key"), "red");
    EXPECT_EQ(frame.intParam("stripes", 0), 3);
    EXPECT_EQ(frame.intParam("missing", 7), 7);

    const struct {
        QString text;
        const char* message;
    } faults[] = {
        {Line("own|IDB_A|10|10|kind|-|-|-|-|-|-"), "line 1: expected 12 columns, found 11"},
        {Line("own|IDB_A|ten|10|kind|-|-|-|-|-|-|-"), "line 1: bad size"},
        {Line("own|IDB_A|10|10|kind|-|-|screen|5|-|-|-"), "line 1: x and y go together"},
        {Line("own|IDB_A|10|10|kind|-|-|-|-|-|-|noequals"), "line 1: parameter without '='"},
        {Line("own|IDB_A|10|10|kind|-|-|-|-|-|-|-") + Line("own|idb_a|10|10|kind|-|-|-|-|-|-|-"),
         "line 2: idb_a appears twice in pack own"},
        {Line("own|IDB_A|100|40|kind|-|-|screen|600|0|-|-"), "leaves the screen"},
        {kHeader, "no rows"},
    };
    for (const auto& fault : faults) {
        EXPECT_FALSE(parseManifest(fault.text, m, &error)) << fault.message;
        EXPECT_TRUE(error.contains(fault.message)) << error.toStdString();
    }
}

TEST(ArtgenPalette, KeepsReservedColoursAndPureRedForKeyedPicturesOnly)
{
    // A gradient with far more colours than a palette holds.
    QImage gradient(256, 64, QImage::Format_ARGB32);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, qRgb(x, y * 4, 255 - x));
    const QRgb navy = qRgb(20, 40, 90);
    const QVector<QRgb> palette = buildPalette({gradient, Filled(50, 50, qRgb(250, 2, 3))}, {navy});
    ASSERT_EQ(palette.size(), 256);
    EXPECT_EQ(palette[0], kKeyRed);
    EXPECT_TRUE(palette.contains(navy));

    // Nearly-red pixels never become the key; exact red does only in a keyed picture.
    QImage picture = Filled(8, 8, qRgb(250, 2, 3));
    picture.setPixel(0, 0, kKeyRed);
    picture.setPixel(1, 0, navy);
    const int red = palette.indexOf(kKeyRed);
    const QImage plain = toIndexed(picture, palette, {0, 0}, false);
    const QImage keyed = toIndexed(picture, palette, {0, 0}, true);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_NE(plain.pixelIndex(x, y), red) << x << "," << y;
            if (x || y) {
                EXPECT_NE(keyed.pixelIndex(x, y), red) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(keyed.pixelIndex(0, 0), red);
    // Colours of the palette map exactly.
    EXPECT_EQ(keyed.color(keyed.pixelIndex(1, 0)), navy);
}

TEST(ArtgenPalette, BitmapFilesRoundTripAndDamageIsReported)
{
    const QVector<QRgb> palette =
        buildPalette({Filled(4, 4, qRgb(10, 200, 30))}, {qRgb(0, 0, 0), qRgb(255, 255, 255)});
    QImage picture = Filled(5, 3, qRgb(255, 255, 255)); // a width that needs row padding
    picture.setPixel(4, 2, qRgb(0, 0, 0));
    picture.setPixel(0, 0, qRgb(10, 200, 30));
    const QImage indexed = toIndexed(picture, palette, {0, 0}, false);

    QTemporaryDir dir;
    const QString path = dir.filePath("idb_test.bmp");
    QString error;
    ASSERT_TRUE(writeBmp8(path, indexed, &error)) << error.toStdString();
    Bmp8 read;
    ASSERT_TRUE(readBmp8(path, read, &error)) << error.toStdString();
    EXPECT_EQ(read.width, 5);
    EXPECT_EQ(read.height, 3);
    EXPECT_EQ(read.bitsPerPixel, 8);
    ASSERT_EQ(read.table.size(), 256);
    EXPECT_EQ(read.table[read.pixels[0]] | 0xff000000u, qRgb(10, 200, 30));
    EXPECT_EQ(read.table[read.pixels[2 * 5 + 4]] | 0xff000000u, qRgb(0, 0, 0));
    EXPECT_EQ(read.table[read.pixels[1 * 5 + 2]] | 0xff000000u, qRgb(255, 255, 255));

    // Qt reads the file as the same picture.
    const QImage loaded(path);
    EXPECT_EQ(loaded.pixel(4, 2), qRgb(0, 0, 0));
    EXPECT_EQ(loaded.pixel(0, 0), qRgb(10, 200, 30));

    // Cut short or not a bitmap at all: refused with a reason.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (const QByteArray& damaged : {bytes.left(bytes.size() - 4), bytes.left(40), QByteArray("GIF89a")}) {
        error.clear();
        EXPECT_FALSE(parseBmp8(damaged, read, &error)) << damaged.size();
        EXPECT_FALSE(error.isEmpty());
    }
}
