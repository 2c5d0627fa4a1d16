// Paths built the Windows way still find their files.
#include "platform/Files.h"
#include "tests/support/Recorders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(Files, BackslashesAndLetterCaseAreForgiven)
{
    QTemporaryDir dir;
    const std::string root = dir.path().toStdString();
    ASSERT_TRUE(QDir(dir.path()).mkpath("Data/Top10"));
    WriteFileBytes(root + "/Data/Top10/Cred2B.txt", "items\r\n");

    // The data directory ends in a separator and the name is appended with
    // a backslash, so a doubled separator stands in the middle.
    const std::string asBuilt = root + "/\\data\\top10\\cred2b.txt";
    EXPECT_EQ(platform::ResolvePath(asBuilt), root + "/Data/Top10/Cred2B.txt");
    EXPECT_TRUE(platform::FileReadable(asBuilt));
    std::FILE* f = platform::OpenFile(asBuilt, "rb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);

    EXPECT_FALSE(platform::FileReadable(root + "\\data\\top10\\cred9.txt"));
    EXPECT_FALSE(platform::FileReadable(root + "\\nothing\\cred2b.txt"));
    EXPECT_EQ(platform::ResolvePath("a\\b.txt"), "a/b.txt");
}

TEST(Files, DisplayPathShowsOneSeparatorEach)
{
    EXPECT_EQ(platform::DisplayPath("/opt/fiscova/\\data\\pvals.txt"), "/opt/fiscova/data/pvals.txt");
    EXPECT_EQ(platform::DisplayPath(""), "");
}

TEST(Files, AtomicWriteReplacesTheWholeFile)
{
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/record.bin";
    WriteFileBytes(path, std::string(3000, 'a'));
    ASSERT_TRUE(platform::WriteFileAtomically(path, "xyz", 3));
    EXPECT_EQ(ReadFileBytes(path), "xyz");
    EXPECT_FALSE(platform::WriteFileAtomically(dir.path().toStdString() + "/missing/record.bin", "x", 1));
}

TEST(Files, AFileThatAlreadyHoldsTheBytesIsNotWrittenAgain)
{
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/record.bin";
    const auto inode = [&] {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
    };
    ASSERT_TRUE(platform::WriteFileAtomically(path, "abc", 3));
    const auto written = inode();

    // The same bytes again: the file stays the one it was, and what an
    // interrupted write left beside it goes.
    WriteFileBytes(path + ".saving", std::string(100, 'x'));
    ASSERT_TRUE(platform::WriteFileAtomically(path, "abc", 3));
    EXPECT_EQ(inode(), written);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path + ".saving")));

    // Other bytes, or the same ones cut short, replace it.
    ASSERT_TRUE(platform::WriteFileAtomically(path, "ab", 2));
    EXPECT_EQ(ReadFileBytes(path), "ab");
    EXPECT_NE(inode(), written);

    // A write-protected file still refuses, whatever it holds.
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(platform::WriteFileAtomically(path, "ab", 2));
}
