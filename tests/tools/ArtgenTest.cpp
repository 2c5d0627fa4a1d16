// The artwork generator's own check of what it drew: every picture at its
// size, 8 bits with the pack's one palette, pure red only where it marks
// the transparent parts. A damaged picture is named.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kManifest = QStringLiteral(FISCOVA_SOURCE_DIR "/tools/artgen/manifest.tsv");
const QString kArt = QStringLiteral(FISCOVA_BINARY_DIR "/art");

// Runs the check on a folder; returns its exit code and what it said.
std::pair<int, QString> Verify(const QString& dir)
{
    QProcess artgen;
    artgen.setProcessChannelMode(QProcess::MergedChannels);
    artgen.start(QStringLiteral(ARTGEN), {"--manifest", kManifest, "--verify", dir});
    artgen.waitForFinished(60000);
    return {artgen.exitCode(), QString::fromLocal8Bit(artgen.readAll())};
}

// A copy of the generated artwork to damage.
QString CopyArt(const QTemporaryDir& temp)
{
    const QDir art(kArt);
    for (const QString& pack : art.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDir().mkpath(temp.path() + "/" + pack);
        for (const QString& file : QDir(art.filePath(pack)).entryList(QDir::Files))
            QFile::copy(art.filePath(pack + "/" + file), temp.path() + "/" + pack + "/" + file);
    }
    return temp.path();
}

} // namespace

TEST(Artgen, GeneratedArtworkPassesItsCheck)
{
    const auto [code, output] = Verify(kArt);
    EXPECT_EQ(code, 0) << output.toStdString();
}

TEST(Artgen, DamagedPicturesAreNamed)
{
    QTemporaryDir temp;
    const QString dir = CopyArt(temp);

    // A true-colour picture where an 8-bit one belongs.
    const QString menuItem = dir + "/own/idb_menu1off.bmp";
    QImage(menuItem).convertToFormat(QImage::Format_RGB32).save(menuItem, "BMP");
    // A picture with another palette than its pack.
    const QString still = dir + "/manym/idb_man1stil.bmp";
    QImage image(still);
    ASSERT_EQ(image.format(), QImage::Format_Indexed8);
    image.setColor(1, qRgb(1, 2, 3) == image.color(1) ? qRgb(4, 5, 6) : qRgb(1, 2, 3));
    image.save(still, "BMP");
    // Pure red in a picture that has no transparent parts.
    const QString background = dir + "/cred/idb_cre_bak.bmp";
    QImage cred(background);
    cred.setPixel(10, 10, static_cast<uint>(cred.colorTable().indexOf(qRgb(255, 0, 0))));
    cred.save(background, "BMP");

    const auto [code, output] = Verify(dir);
    EXPECT_NE(code, 0);
    EXPECT_TRUE(output.contains("idb_menu1off.bmp")) << output.toStdString();
    EXPECT_TRUE(output.contains("idb_man1stil.bmp: palette differs")) << output.toStdString();
    EXPECT_TRUE(output.contains("idb_cre_bak.bmp: pure red in a picture that is not keyed"))
        << output.toStdString();
    EXPECT_FALSE(output.contains("idb_man1ovr.bmp")) << "undamaged pictures are not named";
}
