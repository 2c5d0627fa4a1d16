// Start-up: one window of 640x480 titled "Fiscova", the places the program
// reads from, and the hand-over to a copy that is already running.
#include "app/CFinApp.h"
#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "data/CFinData.h"
#include "platform/MessageBox.h"
#include "tests/support/Recorders.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Runs the event loop until `done` or a time limit.
template <typename Pred> bool ProcessUntil(Pred done, int timeoutMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

} // namespace

TEST(Startup, OpensOneFixedWindowTitledFiscova)
{
    IsolatedEnvironment env;
    CFinApp app;
    ASSERT_TRUE(app.InitInstance());

    CMainFrame* frame = app.MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(app.GetMainWnd(), frame);
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_EQ(frame->GetClientRect(), (platform::Rect{0, 0, 640, 480}));
    EXPECT_EQ(frame->Widget()->minimumSize(), frame->Widget()->maximumSize());
    EXPECT_FALSE(frame->Widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(frame->GetWindowText(), "Fiscova");
    // Its message boxes are white with black text.
    QColor boxBackground, boxText;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                boxBackground = box->palette().color(QPalette::Window);
                boxText = box->palette().color(QPalette::WindowText);
                box->accept();
            }
        }
    });
    platform::MessageBoxHandler* recorder = platform::SetMessageBoxHandler(nullptr);
    EXPECT_EQ(platform::MessageBox("Unable to load idb_none"), platform::IDOK);
    platform::SetMessageBoxHandler(recorder);
    EXPECT_EQ(boxBackground, QColor(Qt::white));
    EXPECT_EQ(boxText, QColor(Qt::black));
    ASSERT_NE(app.FinView(), nullptr);
    EXPECT_EQ(app.FinView()->GetClientRect(), (platform::Rect{0, 0, 640, 480}));

    // The main menu is up.
    EXPECT_EQ(app.Flags().currentModule, ModuleMainMenu);
    EXPECT_FALSE(app.Flags().exiting);
    EXPECT_FALSE(app.Flags().iconic);

    // The data directory is the program file's folder, whatever the file is called.
    const std::string programDir = QCoreApplication::applicationDirPath().toStdString() + "/";
    EXPECT_EQ(app.DataDirectory(), programDir);
    EXPECT_EQ(app.DataPath("finatt.dll"), programDir + "finatt.dll");

    // No registry entry: no content location, no disc.
    EXPECT_EQ(app.ContentLocation(), "");
    EXPECT_EQ(app.ContentPath(), "\\");
    EXPECT_FALSE(app.IsContentDiscPresent());

    // The shared record holds only its file name until a page loads the file.
    ASSERT_NE(app.Windows().record, nullptr);
    EXPECT_STREQ(app.Windows().record->GetFileName(), "findata.zem");
    EXPECT_EQ(app.Windows().record->GetCreditMonths(), 0);

    app.ExitInstance();
    EXPECT_EQ(app.Windows().record, nullptr);
}

TEST(Startup, ContentLocationComesFromTheRegistryAsStored)
{
    IsolatedEnvironment env;
    const std::string disc = env.Path("disc");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(disc)));
    env.WriteRegistry(disc + "\\");
    CFinApp app;
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.ContentLocation(), disc + "\\");
    // A trailing backslash in the registry doubles in content paths.
    EXPECT_EQ(app.ContentPath(), disc + "\\\\");
    EXPECT_FALSE(app.IsContentDiscPresent());
    WriteFileBytes(disc + "/fileid.txt", "Fiscova\r\n");
    EXPECT_TRUE(app.IsContentDiscPresent());
    app.ExitInstance();
}

TEST(Startup, SecondCopyRestoresTheFirstAndFails)
{
    IsolatedEnvironment env;
    CFinApp first;
    ASSERT_TRUE(first.InitInstance());
    QWidget* frame = first.MainFrame()->Widget();
    frame->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(frame->windowState() & Qt::WindowMinimized);

    MessageBoxRecorder boxes;
    {
        CFinApp second;
        EXPECT_FALSE(second.InitInstance());
        EXPECT_EQ(second.MainFrame(), nullptr);
    }
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(ProcessUntil([&] { return !(frame->windowState() & Qt::WindowMinimized); }));
    EXPECT_TRUE(frame->isVisible());
    first.ExitInstance();
}
