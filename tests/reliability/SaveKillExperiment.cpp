// The saved-work file under sudden death: a child process saves records in
// a loop and is killed with SIGKILL at a random moment, again and again.
// After every kill the file must be the whole image of the last record the
// child finished saving or of the one it was saving, never a torn mixture,
// and at most the one temporary file of an interrupted save may lie beside
// it, to be written over by the next save.
//
//   fiscova_save_kill <kills> [seed]
//
// Prints what it found; exits non-zero on any torn or stale file.
#include "data/CFinData.h"
#include "tests/support/Recorders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <random>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr char kFileName[] = "findata.zem";
constexpr char kTempName[] = "findata.zem.saving";
// Each child numbers its records from its own base, so that every image
// ever saved is told apart from every other.
// A child lives a few milliseconds and saves far fewer than this many.
constexpr std::int64_t kRecordsPerChild = 100'000;
// The numbers stay within the principal's 32 bits.
constexpr long kMostKills = 20'000;
// A kill lands within this long after the child starts; a save takes well
// under a millisecond, so most kills fall in the middle of the loop.
constexpr int kLongestLifeMicroseconds = 4000;

// The record numbered `n`: every data byte drawn from `n`, the number kept
// in the principal, so that a file tells which record it holds.
CFinData Numbered(std::int32_t n)
{
    CFinData record;
    std::mt19937 rng(static_cast<unsigned>(n));
    auto* bytes = reinterpret_cast<unsigned char*>(&record.Record());
    for (size_t i = kDataBegin; i < kDataEnd; ++i)
        bytes[i] = static_cast<unsigned char>(rng());
    record.Record().creditPrincipal = n;
    return record;
}

std::optional<std::string> ReadAll(const std::string& path)
{
    if (!QFile::exists(QString::fromStdString(path)))
        return std::nullopt;
    return ReadFileBytes(path);
}

// The number of the record the file holds whole, or nothing when the file
// is not exactly one record's image.
std::optional<std::int32_t> WholeRecordIn(const std::string& bytes)
{
    if (bytes.size() != sizeof(FinRecord))
        return std::nullopt;
    FinRecord image;
    std::memcpy(&image, bytes.data(), sizeof image);
    const CFinData expected = Numbered(image.creditPrincipal);
    if (std::memcmp(&expected.Record(), &image, sizeof image) != 0)
        return std::nullopt;
    return image.creditPrincipal;
}

// The child: saves records base, base + 1, ... and reports each finished
// save by writing its number to `report`.
[[noreturn]] void SaveForever(std::int32_t base, int report)
{
    for (std::int32_t n = base;; ++n) {
        if (Numbered(n).Save()) {
            const ssize_t written = ::write(report, &n, sizeof n);
            (void)written;
        }
    }
}

struct Findings {
    long kills = 0;
    long torn = 0;           // a file that is not one whole record
    long stale = 0;          // a whole record, but not the last or next one
    long strayTemps = 0;     // kills after which a temporary file was left
    long foreignEntries = 0; // anything else beside the file
};

// The last number reported through the pipe (or `none`).
std::int32_t LastReported(int pipe, std::int32_t none)
{
    std::int32_t last = none;
    std::int32_t n = 0;
    while (::read(pipe, &n, sizeof n) == static_cast<ssize_t>(sizeof n))
        last = n;
    return last;
}

} // namespace

int main(int argc, char** argv)
{
    const long kills = argc > 1 ? std::atol(argv[1]) : 1000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 20261209u;
    if (kills <= 0 || kills > kMostKills) {
        std::fprintf(stderr, "usage: %s <kills, 1 to %ld> [seed]\n", argv[0], kMostKills);
        return 2;
    }

    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    SetSavedWorkDirectory(folder);
    const std::string file = folder + kFileName;

    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> life(0, kLongestLifeMicroseconds);
    Findings found;
    std::optional<std::int32_t> onDisk; // what the file held after the last kill

    for (long k = 0; k < kills; ++k) {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            return 3;
        const auto base = static_cast<std::int32_t>((k + 1) * kRecordsPerChild);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(fds[0]);
            SaveForever(base, fds[1]);
        }
        ::close(fds[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(life(rng)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ++found.kills;
        ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
        const std::int32_t none = -1;
        const std::int32_t reported = LastReported(fds[0], none);
        ::close(fds[0]);

        const std::optional<std::string> bytes = ReadAll(file);
        const std::optional<std::int32_t> now = bytes ? WholeRecordIn(*bytes) : std::nullopt;
        if (bytes && !now) {
            ++found.torn;
            std::fprintf(stderr, "kill %ld: the file is torn (%zu bytes)\n", k, bytes->size());
        } else if (now) {
            // The record saved last, the one being saved, or, when the child
            // finished none, what the file held before.
            const bool expected = reported == none ? (*now == base || (onDisk && *now == *onDisk))
                                                   : (*now == reported || *now == reported + 1);
            if (!expected) {
                ++found.stale;
                std::fprintf(stderr, "kill %ld: the file holds record %d, the child last saved %d\n", k, *now,
                             reported);
            }
        } else if (onDisk || reported != none) {
            ++found.torn;
            std::fprintf(stderr, "kill %ld: the file is gone\n", k);
        }
        onDisk = now;

        for (const QString& entry : QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            if (entry == QString(kTempName))
                ++found.strayTemps;
            else if (entry != QString(kFileName))
                ++found.foreignEntries;
        }
    }

    // A save after the last kill writes over whatever temporary file the
    // kill left, and leaves none behind.
    const bool finalSave = Numbered(0).Save();
    const bool tempLeft = QFile::exists(QString::fromStdString(folder + kTempName));

    std::printf("saves killed: %ld, torn or missing files: %ld, stale files: %ld, kills that left the "
                "temporary file: %ld, other files: %ld, temporary file after the next save: %s\n",
                found.kills, found.torn, found.stale, found.strayTemps, found.foreignEntries,
                tempLeft ? "left" : "gone");
    const bool ok =
        found.torn == 0 && found.stale == 0 && found.foreignEntries == 0 && finalSave && !tempLeft;
    return ok ? 0 : 1;
}
