// The saved-work file: whole-record round trips, damaged files, and saves
// that cannot finish.
#include "data/CFinData.h"
#include "tests/support/Recorders.h"

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

class SavedWorkFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetSavedWorkDirectory(dir.path().toStdString() + "/");
        SetSharedRecord(&shared);
    }
    void TearDown() override { SetSharedRecord(nullptr); }

    std::string FilePath() const { return dir.path().toStdString() + "/findata.zem"; }

    // A record whose every data byte is set, with zero-padded texts.
    static CFinData Filled(unsigned seed)
    {
        CFinData record;
        std::mt19937 rng(seed);
        auto* bytes = reinterpret_cast<unsigned char*>(&record.Record());
        for (size_t i = kDataBegin; i < kDataEnd; ++i)
            bytes[i] = static_cast<unsigned char>(rng());
        for (int i = 0; i < 3; ++i) {
            std::memset(record.Record().goalName[i], 0, kTextSize);
            record.SetGoalName(i, "Goal " + std::to_string(rng() % 1000));
        }
        // Loading leaves the padding after the texts as it was.
        std::memset(record.Record().paddingAfterGoalNames, 0, 2);
        std::memset(record.Record().paddingAfterEmergencyTexts, 0, 2);
        for (int i = 0; i < 5; ++i) {
            std::memset(record.Record().emergencyText[i], 0, kTextSize);
            record.SetEmergencyText(i, std::string(1 + rng() % 49, static_cast<char>('a' + i)));
        }
        return record;
    }

    static bool SameData(const CFinData& a, const CFinData& b)
    {
        return std::memcmp(reinterpret_cast<const char*>(&a.Record()) + kDataBegin,
                           reinterpret_cast<const char*>(&b.Record()) + kDataBegin,
                           kDataEnd - kDataBegin) == 0;
    }

    QTemporaryDir dir;
    CFinData shared;
};

} // namespace

TEST_F(SavedWorkFile, SaveThenLoadKeepsEveryFieldBitForBit)
{
    const CFinData saved = Filled(7);
    ASSERT_TRUE(saved.Save());
    EXPECT_EQ(ReadFileBytes(FilePath()).size(), 1512u);

    CFinData loaded;
    loaded.Record().classWord = 0x12345678;
    ASSERT_TRUE(loaded.Load());
    EXPECT_TRUE(SameData(saved, loaded));
    // The caller's class word and file name are its own.
    EXPECT_EQ(loaded.Record().classWord, 0x12345678u);
    EXPECT_STREQ(loaded.GetFileName(), "findata.zem");
}

TEST_F(SavedWorkFile, MissingFileLeavesTheRecordAlone)
{
    CFinData record = Filled(3);
    const CFinData before = record;
    EXPECT_FALSE(record.Load());
    EXPECT_TRUE(SameData(before, record));
}

TEST_F(SavedWorkFile, FirstEightBytesAreIgnored)
{
    ASSERT_TRUE(Filled(11).Save());
    CFinData first;
    ASSERT_TRUE(first.Load());

    std::string bytes = ReadFileBytes(FilePath());
    bytes.replace(0, 8, "\xFF\xEE\xDD\xCC\xBB\xAA\x99\x88");
    WriteFileBytes(FilePath(), bytes);
    CFinData second;
    ASSERT_TRUE(second.Load());
    EXPECT_TRUE(SameData(first, second));
}

TEST_F(SavedWorkFile, ShortFileKeepsThePreviousLoadBeyondItsEnd)
{
    const CFinData earlier = Filled(21);
    ASSERT_TRUE(earlier.Save());
    CFinData scratch;
    ASSERT_TRUE(scratch.Load()); // the shared record now holds `earlier`

    const CFinData newer = Filled(22);
    ASSERT_TRUE(newer.Save());
    const size_t cut = 0x300; // ends just before the spending answers
    WriteFileBytes(FilePath(), ReadFileBytes(FilePath()).substr(0, cut));

    CFinData loaded;
    ASSERT_TRUE(loaded.Load());
    EXPECT_EQ(loaded.GetCreditMonths(), newer.GetCreditMonths());
    EXPECT_EQ(loaded.GetHabitsAnswers(9), newer.GetHabitsAnswers(9));
    EXPECT_EQ(loaded.GetSpendingAnswers(0), earlier.GetSpendingAnswers(0));
    EXPECT_EQ(loaded.GetGoalName(2), earlier.GetGoalName(2));
    EXPECT_EQ(loaded.GetLoanList(5), earlier.GetLoanList(5));
}

TEST_F(SavedWorkFile, LongFileIsReadUpTo1512Bytes)
{
    const CFinData saved = Filled(5);
    ASSERT_TRUE(saved.Save());
    WriteFileBytes(FilePath(), ReadFileBytes(FilePath()) + std::string(600, '\x7F'));
    CFinData loaded;
    ASSERT_TRUE(loaded.Load());
    EXPECT_TRUE(SameData(saved, loaded));
}

TEST_F(SavedWorkFile, TextWithoutTerminatorIsCutTo49Characters)
{
    CFinData record;
    record.Reset();
    ASSERT_TRUE(record.Save());
    std::string bytes = ReadFileBytes(FilePath());
    bytes.replace(0x424, 50, std::string(50, 'G'));          // first goal name, no zero
    bytes.replace(0x4D0 + 4 * 50, 50, std::string(50, 'E')); // last emergency text
    WriteFileBytes(FilePath(), bytes);

    CFinData loaded;
    ASSERT_TRUE(loaded.Load());
    EXPECT_EQ(loaded.GetGoalName(0), std::string(49, 'G'));
    EXPECT_EQ(loaded.GetEmergencyText(4), std::string(49, 'E'));
    EXPECT_EQ(loaded.GetGoalName(1), "");
}

TEST_F(SavedWorkFile, GarbageOfAnyLengthLoadsSafely)
{
    std::mt19937 rng(1234);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(rng() % 3000, '\0');
        for (char& c : bytes)
            c = static_cast<char>(rng());
        WriteFileBytes(FilePath(), bytes);
        CFinData loaded;
        ASSERT_TRUE(loaded.Load());
        for (int i = 0; i < 3; ++i)
            ASSERT_LE(loaded.GetGoalName(i).size(), 49u);
        for (int i = 0; i < 5; ++i)
            ASSERT_LE(loaded.GetEmergencyText(i).size(), 49u);
        ASSERT_STREQ(loaded.GetFileName(), "findata.zem");
    }
}

TEST_F(SavedWorkFile, FailedSaveLeavesThePreviousFileWhole)
{
    const CFinData kept = Filled(31);
    ASSERT_TRUE(kept.Save());
    const std::string before = ReadFileBytes(FilePath());

    // The save cannot write its temporary file.
    ASSERT_TRUE(QDir(dir.path()).mkdir("findata.zem.saving"));
    EXPECT_FALSE(Filled(32).Save());
    EXPECT_EQ(ReadFileBytes(FilePath()), before);
    ASSERT_TRUE(QDir(dir.path()).rmdir("findata.zem.saving"));

    // A half-written temporary file left by a crash does not disturb loading,
    // and the next save replaces the file whole.
    WriteFileBytes(FilePath() + ".saving", std::string(100, 'x'));
    CFinData loaded;
    ASSERT_TRUE(loaded.Load());
    EXPECT_TRUE(SameData(kept, loaded));
    const CFinData next = Filled(33);
    ASSERT_TRUE(next.Save());
    CFinData again;
    ASSERT_TRUE(again.Load());
    EXPECT_TRUE(SameData(next, again));
    EXPECT_EQ(ReadFileBytes(FilePath() + ".saving"), "");
}

TEST_F(SavedWorkFile, WriteProtectedFileIsNeitherReplacedNorChanged)
{
    const CFinData kept = Filled(51);
    ASSERT_TRUE(kept.Save());
    const std::string before = ReadFileBytes(FilePath());
    ASSERT_EQ(::chmod(FilePath().c_str(), 0444), 0);

    EXPECT_FALSE(Filled(52).Save());
    EXPECT_EQ(ReadFileBytes(FilePath()), before);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(FilePath() + ".saving")));

    // Once writable again, saving works as before.
    ASSERT_EQ(::chmod(FilePath().c_str(), 0644), 0);
    const CFinData next = Filled(53);
    ASSERT_TRUE(next.Save());
    CFinData loaded;
    ASSERT_TRUE(loaded.Load());
    EXPECT_TRUE(SameData(next, loaded));
}

TEST_F(SavedWorkFile, FullDiskFailsTheSaveAndKeepsThePreviousFile)
{
    const CFinData kept = Filled(61);
    ASSERT_TRUE(kept.Save());
    const std::string before = ReadFileBytes(FilePath());

    // The disk fills up part way through the record: writes past 700 bytes
    // fail as they do on a full disk.
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{700, limit.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = Filled(62).Save();
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFileBytes(FilePath()), before);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(FilePath() + ".saving")));
    CFinData loaded;
    ASSERT_TRUE(loaded.Load());
    EXPECT_TRUE(SameData(kept, loaded));
}

TEST_F(SavedWorkFile, VanishedFolderFailsQuietly)
{
    ASSERT_TRUE(Filled(71).Save());
    CFinData record = Filled(72);
    const CFinData before = record;
    ASSERT_TRUE(dir.remove());

    EXPECT_FALSE(record.Save());
    EXPECT_FALSE(record.Load());
    EXPECT_TRUE(SameData(before, record));

    // The folder comes back empty: the next save creates the file.
    ASSERT_TRUE(QDir().mkpath(dir.path()));
    ASSERT_TRUE(record.Save());
    EXPECT_EQ(ReadFileBytes(FilePath()).size(), 1512u);
    QDir(dir.path()).removeRecursively();
}

TEST_F(SavedWorkFile, FileIsFoundWhateverItsLetterCase)
{
    const CFinData saved = Filled(41);
    ASSERT_TRUE(saved.Save());
    ASSERT_TRUE(QFile::rename(QString::fromStdString(FilePath()), dir.path() + "/FINDATA.ZEM"));
    CFinData loaded;
    ASSERT_TRUE(loaded.Load());
    EXPECT_TRUE(SameData(saved, loaded));
    ASSERT_TRUE(Filled(42).Save());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(FilePath())));
}
