// Damaged saved-work files met by every page: random bytes, files cut short
// and files run long, and whole records with amounts no field can hold.
// The course is swept by clicks (every module, section, chooser choice and
// the next button after each) and whenever a page is hidden, and so has
// saved, the file is replaced by a damaged one, which the next page loads
// as it shows. No page may crash, show a value outside its field's limits
// or draw a line too wide, a file a page saves is a whole record, and every
// page of the view's page sets must have been met. The sweeps go on until
// the pages have loaded FISCOVA_HOSTILE_FILES damaged files in all (the
// test's own count when unset) and every page has loaded at least one.
#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "app/ChooserPage.h"
#include "app/ModuleIntro.h"
#include "app/PageSets.h"
#include "data/CFinData.h"
#include "tests/reliability/FieldLimits.h"
#include "tests/support/Driver.h"
#include "tests/support/Places.h"
#include "tests/support/TestProgram.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <random>
#include <set>

namespace {

constexpr long kDefaultFiles = 150;
constexpr unsigned kSeed = 1512;
constexpr int kLearningModules = 4; // main-menu items 1 to 4
constexpr int kSections = 3;        // side buttons 1 to 3 of a module
// Clicks on next after a choice: enough to go through every exercise's
// pages and back to its chooser.
constexpr int kNextClicks = 6;

// Values that no field holds, and the edges of those it does.
constexpr std::int32_t kOddValues[] = {INT_MIN, INT_MIN + 1, -100000,   -101,       -100,       -2,     -1, 0,
                                       1,       99,          999999999, 1000000000, 2147483646, INT_MAX};

// A record image as a page saves it, with texts and ticks in place.
std::string Image(std::mt19937& rng)
{
    CFinData record;
    record.Reset();
    std::string bytes(reinterpret_cast<const char*>(&record.Record()), sizeof(FinRecord));
    for (int i = 0; i < 40; ++i) {
        const size_t at = kDataBegin + 4 * (rng() % ((kDataEnd - kDataBegin) / 4));
        const std::int32_t value = static_cast<std::int32_t>(rng() % 2000000);
        bytes.replace(at, 4, reinterpret_cast<const char*>(&value), 4);
    }
    return bytes;
}

// One damaged file of the four kinds in turn.
std::string HostileFile(long n, std::mt19937& rng)
{
    switch (n % 4) {
    case 0: {
        std::string bytes(rng() % 3000, '\0');
        for (char& c : bytes)
            c = static_cast<char>(rng());
        return bytes;
    }
    case 1:
        return Image(rng).substr(0, rng() % sizeof(FinRecord));
    case 2: {
        std::string bytes = Image(rng);
        const size_t extra = 1 + rng() % 2000;
        for (size_t i = 0; i < extra; ++i)
            bytes.push_back(static_cast<char>(rng()));
        return bytes;
    }
    default: {
        std::string bytes = Image(rng);
        for (int i = 0; i < 60; ++i) {
            const size_t at = kDataBegin + 4 * (rng() % ((kDataEnd - kDataBegin) / 4));
            const std::int32_t value = kOddValues[rng() % std::size(kOddValues)];
            bytes.replace(at, 4, reinterpret_cast<const char*>(&value), 4);
        }
        return bytes;
    }
    }
}

// Puts a damaged file in place of the saved-work file whenever a page of
// the view's page sets is hidden.
class DamagedFiles : public QObject {
public:
    explicit DamagedFiles(std::string path) : path_(std::move(path)) {}

    // Watches the pages that exist now (sets are made on module entry).
    void Watch(PageSets& sets)
    {
        for (const auto& [id, page] : sets.Existing()) {
            (void)id;
            if (watched_.insert(page).second)
                page->Widget()->installEventFilter(this);
        }
    }
    const std::string& Last() const { return last_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide) {
            last_ = HostileFile(written_++, rng_);
            WriteFileBytes(path_, last_);
        }
        return false;
    }

private:
    std::string path_;
    std::mt19937 rng_{kSeed};
    long written_ = 0;
    std::string last_;
    std::set<PageWindow*> watched_;
};

class HostileSavedWork : public ::testing::Test {
protected:
    void Deliver()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void Click(QPoint at)
    {
        drive.Press(at.x(), at.y());
        drive.Release(at.x(), at.y());
        Deliver();
        damaged.Watch(program.view().Pages());
        Check();
    }
    // What the page on screen shows and what the file holds now.
    void Check()
    {
        program.app().MainFrame()->Widget()->grab();
        for (const std::string& field : ShownFieldsOutsideLimits(*program.app().MainFrame()))
            ADD_FAILURE() << field;
        const std::string bytes = ReadFileBytes(path);
        if (!bytes.empty() && bytes != damaged.Last()) {
            EXPECT_EQ(bytes.size(), sizeof(FinRecord)) << "a page saved a record that is not whole";
        }
        PageWindow* shown = program.view().Pages().Shown();
        if (shown && shown != lastShown)
            ++loads[shown->DescribeWindow()];
        lastShown = shown;
    }
    void Sweep();

    RunningProgram program;
    Driver drive{*program.app().MainFrame()};
    const std::string path = program.folder().SavedWorkFile();
    DamagedFiles damaged{path};
    std::map<std::string, long> loads;
    PageWindow* lastShown = nullptr;
};

void HostileSavedWork::Sweep()
{
    for (int item = 1; item <= kLearningModules; ++item) {
        if (program.view().Pages().Shown())
            Click({places::kSideX, places::kMainMenuY});
        Click({places::kMenuItemX, places::MenuItemY(item)});
        ASSERT_TRUE(Driver::Until(
            [&] { return program.view().Intro() && program.view().Intro()->IsWindowVisible(); }));
        damaged.Watch(program.view().Pages());
        for (int section = 1; section <= kSections; ++section) {
            const QPoint sectionButton{places::kSideX, places::kSectionY[section]};
            Click(sectionButton);
            ChooserPage* chooser = program.view().Chooser();
            const int choices = chooser && chooser->IsWindowVisible() ? chooser->ChoiceCount() : 1;
            for (int choice = 0; choice < choices; ++choice) {
                if (chooser && !chooser->IsWindowVisible())
                    Click(sectionButton);
                if (chooser && chooser->IsWindowVisible()) {
                    const ImageButton& b = chooser->Choice(choice);
                    Click({places::kPageX + b.X() + b.Width() / 2, places::kPageY + b.Y() + b.Height() / 2});
                }
                for (int next = 0; next < kNextClicks; ++next)
                    Click(places::kNavNext);
            }
        }
    }
}

} // namespace

TEST_F(HostileSavedWork, EveryPageLoadsDamagedFilesSafely)
{
    const char* count = std::getenv("FISCOVA_HOSTILE_FILES");
    const long files = count && *count ? std::atol(count) : kDefaultFiles;
    long loaded = 0;
    long fewest = 0;
    int sweeps = 0;
    while ((loaded < files || fewest == 0) && !HasFailure()) {
        Sweep();
        ++sweeps;
        fewest = LONG_MAX;
        for (const auto& [id, page] : program.view().Pages().Existing()) {
            (void)id;
            fewest = std::min(fewest, loads[page->DescribeWindow()]);
        }
        loaded = 0;
        for (const auto& [page, n] : loads)
            loaded += n;
        if (sweeps >= 2 && fewest == 0)
            break;
    }
    std::string counts;
    for (const auto& [page, n] : loads)
        counts += " " + page + " " + std::to_string(n) + ";";
    std::printf("%d sweeps, %ld damaged files loaded; by each page:%s\n", sweeps, loaded, counts.c_str());
    for (const auto& [id, page] : program.view().Pages().Existing()) {
        (void)id;
        EXPECT_GT(loads[page->DescribeWindow()], 0) << page->DescribeWindow() << " was never shown";
    }
}
