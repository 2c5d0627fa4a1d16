// Where the user's work is kept: the program folder when the user can write
// there, the user's own data folder when not (an installed program), with
// the saved-work file and the plan always together. Permissions are what a
// user meets: when the tests run as root, each choice is made in a child
// process that has become an ordinary user.
#include "app/SavedWorkFolder.h"
#include "platform/Files.h"
#include "tests/support/Recorders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;
constexpr char kWork[] = "work of an earlier run";
constexpr char kPlan[] = "1. Cash on hand.\n\n";
constexpr char kOwnWork[] = "the user's own work";

// Runs `choose` as an ordinary user and hands back what it answered, as
// "path|1" (writable) or "path|0".
std::string AsOrdinaryUser(const std::function<SavedWorkFolder()>& choose)
{
    const auto describe = [](const SavedWorkFolder& f) { return f.path + (f.writable ? "|1" : "|0"); };
    if (::geteuid() != 0)
        return describe(choose());
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::string answer = "could not become an ordinary user";
        if (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0)
            answer = describe(choose());
        const ssize_t written = ::write(pipeEnds[1], answer.data(), answer.size());
        ::_exit(written == static_cast<ssize_t>(answer.size()) ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string answer;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, static_cast<size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return answer;
}

// A program folder with its data folder, and a user's data home, in a
// temporary folder that an ordinary user may enter.
class Folders {
public:
    Folders()
    {
        ::chmod(root_.path().toLocal8Bit().constData(), 0755);
        QDir(root_.path()).mkpath("program/data");
        QDir(root_.path()).mkpath("home");
        Allow("program", 0777);
        Allow("program/data", 0777);
        Allow("home", 0777);
    }
    // Opens everything again, so that the folder can be removed.
    ~Folders()
    {
        for (const char* name : {"program", "program/data", "home", "home/fiscova", "home/fiscova/data"})
            Allow(name, 0777);
    }
    std::string Program() const { return Path("program/"); }
    std::string Home() const { return Path("home"); }
    std::string Path(const std::string& name) const { return root_.path().toStdString() + "/" + name; }
    void Allow(const std::string& name, mode_t mode) const { ::chmod(Path(name).c_str(), mode); }
    // The program folder and its data folder as an installed program's.
    void ProtectProgram() const
    {
        Allow("program/data", 0555);
        Allow("program", 0555);
    }
    // A file the user may read and write, as their own.
    void Write(const std::string& name, const std::string& bytes) const
    {
        WriteFileBytes(Path(name), bytes);
        Allow(name, 0666);
    }
    SavedWorkFolder Choose() const
    {
        const std::string home = Home();
        const std::string program = Program();
        const std::string answer = AsOrdinaryUser([&] { return ChooseSavedWorkFolder(program, home); });
        const size_t bar = answer.rfind('|');
        EXPECT_NE(bar, std::string::npos) << answer;
        if (bar == std::string::npos)
            return {};
        return {answer.substr(0, bar), answer.substr(bar + 1) == "1"};
    }

private:
    QTemporaryDir root_;
};

bool Exists(const std::string& path)
{
    return QFileInfo::exists(QString::fromStdString(path));
}

} // namespace

TEST(SavedWorkFolder, AWritableProgramFolderKeepsTheWork)
{
    Folders f;
    const SavedWorkFolder chosen = f.Choose();
    EXPECT_EQ(chosen.path, f.Program());
    EXPECT_TRUE(chosen.writable);
    // Nothing is made in the user's folder.
    EXPECT_FALSE(Exists(f.Home() + "/fiscova"));

    // Work in the user's folder (from an installed copy) is left alone:
    // this program folder keeps its own.
    QDir().mkpath(QString::fromStdString(f.Home() + "/fiscova/data"));
    f.Write("home/fiscova/findata.zem", kOwnWork);
    f.Write("program/findata.zem", kWork);
    EXPECT_EQ(f.Choose().path, f.Program());
    EXPECT_EQ(ReadFileBytes(f.Home() + "/fiscova/findata.zem"), kOwnWork);
    EXPECT_EQ(ReadFileBytes(f.Program() + "findata.zem"), kWork);
}

TEST(SavedWorkFolder, AReadOnlyProgramFolderSendsTheWorkToTheUsersDataFolder)
{
    Folders f;
    f.ProtectProgram();
    const SavedWorkFolder chosen = f.Choose();
    EXPECT_EQ(chosen.path, f.Home() + "/fiscova/");
    EXPECT_TRUE(chosen.writable);
    // Made for the saved-work file and for the plan.
    EXPECT_TRUE(QFileInfo(QString::fromStdString(f.Home() + "/fiscova/data")).isDir());
    EXPECT_FALSE(Exists(f.Home() + "/fiscova/findata.zem"));

    // A data folder the user cannot write is as good as a read-only program
    // folder: the plan could not be kept there.
    Folders g;
    g.Allow("program/data", 0555);
    EXPECT_EQ(g.Choose().path, g.Home() + "/fiscova/");
}

TEST(SavedWorkFolder, EarlierWorkOfTheProgramFolderMovesOverOnceWithItsPlan)
{
    Folders f;
    f.Write("program/findata.zem", kWork);
    f.Write("program/data/plan.txt", kPlan);
    f.ProtectProgram();
    EXPECT_EQ(f.Choose().path, f.Home() + "/fiscova/");
    EXPECT_EQ(ReadFileBytes(f.Home() + "/fiscova/findata.zem"), kWork);
    EXPECT_EQ(ReadFileBytes(f.Home() + "/fiscova/data/plan.txt"), kPlan);
    // The program folder is as it was.
    EXPECT_EQ(ReadFileBytes(f.Program() + "findata.zem"), kWork);

    // From then on the user's own work is never replaced by the old one.
    f.Write("home/fiscova/findata.zem", kOwnWork);
    EXPECT_EQ(f.Choose().path, f.Home() + "/fiscova/");
    EXPECT_EQ(ReadFileBytes(f.Home() + "/fiscova/findata.zem"), kOwnWork);
    EXPECT_EQ(ReadFileBytes(f.Home() + "/fiscova/data/plan.txt"), kPlan);
}

TEST(SavedWorkFolder, ASavedWorkFileTheUserCannotWriteIsNotReplaced)
{
    // Work the user may read but not write, in a program folder that is
    // open to all.
    Folders f;
    f.Write("program/findata.zem", kWork);
    f.Allow("program/findata.zem", 0444);
    const SavedWorkFolder chosen = f.Choose();
    EXPECT_EQ(chosen.path, f.Home() + "/fiscova/");
    EXPECT_TRUE(chosen.writable);
    EXPECT_EQ(ReadFileBytes(f.Home() + "/fiscova/findata.zem"), kWork);
}

TEST(SavedWorkFolder, NoWritableFolderIsReported)
{
    // The data home itself cannot be written.
    Folders f;
    f.ProtectProgram();
    f.Allow("home", 0555);
    const SavedWorkFolder chosen = f.Choose();
    EXPECT_EQ(chosen.path, f.Home() + "/fiscova/");
    EXPECT_FALSE(chosen.writable);

    // A "fiscova" folder that is there but closed to the user.
    Folders g;
    g.ProtectProgram();
    QDir().mkpath(QString::fromStdString(g.Home() + "/fiscova/data"));
    g.Allow("home/fiscova/data", 0555);
    g.Allow("home/fiscova", 0555);
    EXPECT_FALSE(g.Choose().writable);

    // No data home at all.
    EXPECT_EQ(ChooseSavedWorkFolder("/nonexistent/program/", ""),
              (SavedWorkFolder{"/nonexistent/program/", false}));
}

TEST(SavedWorkFolder, TheUsersDataHomeFollowsTheDesktopsRules)
{
    IsolatedEnvironment env;
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    setenv("HOME", "/home/someone", 1);
    setenv("XDG_DATA_HOME", "/data/someone", 1);
    EXPECT_EQ(platform::UserDataHome(), "/data/someone");
    // A relative or empty setting is ignored.
    setenv("XDG_DATA_HOME", "data", 1);
    EXPECT_EQ(platform::UserDataHome(), "/home/someone/.local/share");
    setenv("XDG_DATA_HOME", "", 1);
    EXPECT_EQ(platform::UserDataHome(), "/home/someone/.local/share");
    unsetenv("HOME");
    EXPECT_EQ(platform::UserDataHome(), "");
    setenv("HOME", savedHome.c_str(), 1);
}
