// The top-ten window: reading and laying out its list, selection, and what
// it tells the view.
#include "kit/TopTenWindow.h"
#include "kit/ViewMessages.h"
#include "tests/support/FakeApp.h"
#include "tests/support/Recorders.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// A view that keeps the messages it receives.
class TopTen : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(dir.path()).mkpath("top10");
        app.dataDirectory = dir.path().toStdString() + "/";
        app.SetView(std::make_unique<MessageLog>());
        app.view->MoveWindow(0, 0, 640, 480);
        app.Flags().currentModule = ModuleHelp; // no background picture to load
        window = std::make_unique<TopTenWindow>(app.view.get());
    }
    void TearDown() override { window.reset(); }
    void Write(const std::string& name, const std::string& text)
    {
        WriteFileBytes(dir.path().toStdString() + "/top10/" + name, text);
    }
    MessageLog& View() { return static_cast<MessageLog&>(*app.view); }

    QTemporaryDir dir;
    FakeApp app;
    MessageBoxRecorder boxes;
    std::unique_ptr<TopTenWindow> window;
};

} // namespace

TEST_F(TopTen, ItemsAreLaidOutByTheirLines)
{
    Write("test.txt", "1. One line\r\n\r\n2. Three\r\n   lines\r\n   here\r\n\r\n3. After it\r\n\r\n"
                      "blank\r\n\r\n4. Two\r\n   lines\r\n");
    Write("test1.txt", "The first tip.\r\n");
    window->SetList("test");
    window->OpenList();
    const auto& items = window->Items();
    ASSERT_EQ(items.size(), 4u); // "blank" is no item
    EXPECT_EQ(items[0].places[0], (Point{10, 53}));
    EXPECT_EQ(items[1].places[0].y, 66);
    EXPECT_EQ(items[1].places[1], (Point{26, 78}));
    EXPECT_EQ(items[1].places[2], (Point{26, 90}));
    EXPECT_EQ(items[2].places[0].y, 66 + 39); // a three-line item takes 39
    EXPECT_EQ(items[3].places[0].y, 66 + 39 + 13);
    EXPECT_EQ(items[3].lineCount, 2);
    EXPECT_EQ(items[1].name, "test2");
    EXPECT_EQ(window->Detail(), (std::vector<std::string>{"The first tip."}));
    EXPECT_EQ(window->Selected(), 0);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(TopTen, ItemsPastTheTwentiethAreIgnored)
{
    std::string list;
    for (int i = 1; i <= 25; ++i)
        list += "Tip number " + std::to_string(i) + "\r\n\r\n";
    Write("long.txt", list);
    Write("long1.txt", "x\r\n");
    window->SetList("long");
    window->OpenList();
    EXPECT_EQ(window->Items().size(), 20u);
    EXPECT_EQ(window->Items().back().lines[0], "Tip number 20");
}

TEST_F(TopTen, SelectionMovesOnClicksAndStopsAtTheLastItem)
{
    Write("few.txt", "1. First\r\n\r\n2. Second\r\n\r\n3. Third\r\n\r\n");
    for (int i = 1; i <= 3; ++i)
        Write("few" + std::to_string(i) + ".txt", "Text of tip " + std::to_string(i) + "\r\n");
    window->SetList("few");
    window->OpenList();
    app.view->ShowWindow(SW_SHOW);
    window->ShowWindow(SW_SHOW);
    QCoreApplication::processEvents();

    const Point second = window->Items()[1].places[0];
    QTest::mouseClick(window->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(second.x + 3, second.y + 5));
    EXPECT_EQ(window->Selected(), 1);
    EXPECT_EQ(window->Detail()[0], "Text of tip 2");
    // Clicking the selected item again reads nothing.
    WriteFileBytes(dir.path().toStdString() + "/top10/few2.txt", "Changed\r\n");
    QTest::mouseClick(window->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(second.x + 3, second.y + 5));
    EXPECT_EQ(window->Detail()[0], "Text of tip 2");

    window->SelectNext(false);
    EXPECT_EQ(window->Selected(), 2);
    window->SelectNext(false); // there is no fourth item
    EXPECT_EQ(window->Selected(), 2);
    window->SelectNext(true);
    EXPECT_EQ(window->Selected(), 0);
    EXPECT_EQ(window->Detail()[0], "Text of tip 1");
}

TEST_F(TopTen, ViewLearnsWhetherAListIsNew)
{
    Write("seen.txt", "1. Tip\r\n\r\n");
    Write("seen1.txt", "x\r\n");
    window->SetList("seen");
    EXPECT_EQ(View().Last(), VM_TOPTEN_NEW);
    window->OpenList();
    window->ShowWindow(SW_SHOW);
    window->ShowWindow(SW_HIDE);
    window->SetList("seen");
    EXPECT_EQ(View().Last(), VM_TOPTEN_SEEN);
    window->SetList("other");
    EXPECT_EQ(View().Last(), VM_TOPTEN_NEW);
    // The window stands over the page area.
    EXPECT_EQ(window->GetWindowRect(), (Rect{128, 51, 128 + 509, 51 + 429}));
}

TEST_F(TopTen, MissingListIsReported)
{
    window->SetList("nothing");
    window->OpenList();
    EXPECT_TRUE(window->Items().empty());
    EXPECT_TRUE(window->Detail().empty());
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text.rfind("Unable to open file ", 0), 0u);
    EXPECT_NE(boxes.boxes[1].text.find("top10/nothing.txt"), std::string::npos);
}

TEST_F(TopTen, CloseButtonHidesTheWindowAndTellsTheView)
{
    Write("c.txt", "1. Tip\r\n\r\n");
    Write("c1.txt", "x\r\n");
    window->SetList("c");
    window->OpenList();
    window->CloseButton().SetSize(80, 26);
    app.view->ShowWindow(SW_SHOW);
    window->ShowWindow(SW_SHOW);
    QTest::mouseClick(window->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(450, 410));
    EXPECT_FALSE(window->IsWindowVisible());
    EXPECT_EQ(View().Last(), VM_TOPTEN_CLOSED);
}
