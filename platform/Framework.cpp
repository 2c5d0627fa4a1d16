#include "platform/Framework.h"

#include "platform/Accessibility.h"
#include "platform/DisplayScale.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>

namespace platform {
namespace {

// Qt scales every window by one global factor: the screen's own scale
// settings are left out, so that the factor is whole and the program's.
void UseScale(int scale)
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    if (scale > 1)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    else
        qunsetenv("QT_SCALE_FACTOR");
}

// Pictures and window pixels are large and come and go as pages show and
// hide. Memory they free is kept for the next ones rather than given back
// to the system and taken again: touching fresh pages costs far more than
// drawing into them on some machines.
void KeepFreedMemory()
{
    mallopt(M_MMAP_THRESHOLD, 8 << 20);
    mallopt(M_TRIM_THRESHOLD, 32 << 20);
}

} // namespace

struct GuiSession::Impl {
    std::unique_ptr<QApplication> app;
};

GuiSession::GuiSession(int& argc, char** argv, Size world) : impl_(std::make_unique<Impl>())
{
    KeepFreedMemory();
    std::string complaint;
    const std::optional<int> requested =
        RequestedDisplayScale(argc, argv, std::getenv("FISCOVA_SCALE"), &complaint);
    if (!complaint.empty())
        std::fprintf(stderr, "%s\n", complaint.c_str());
    UseScale(requested.value_or(1));
    impl_->app = std::make_unique<QApplication>(argc, argv);
    if (!requested) {
        // The screen is measured in its own pixels by a first session; a
        // larger scale needs a session of its own.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QSize size = screen ? screen->geometry().size() : QSize();
        const int scale = ChooseDisplayScale(world, {size.width(), size.height()});
        if (scale > 1) {
            impl_->app.reset();
            UseScale(scale);
            impl_->app = std::make_unique<QApplication>(argc, argv);
        }
    }
    InstallAccessibility();
    QApplication::setQuitOnLastWindowClosed(false);
    // The controls look and measure the same on every desktop: the pages
    // place text and ticks by where a slider's thumb stands.
    QApplication::setStyle(QStringLiteral("Fusion"));
}

GuiSession::~GuiSession() = default;

// --- CWinApp -------------------------------------------------------------------

CWinApp::CWinApp() = default;
CWinApp::~CWinApp() = default;

int CWinApp::ExitInstance()
{
    return 0;
}

namespace {

bool g_messageLoopRunning = false;

} // namespace

int CWinApp::Run()
{
    if (!InitInstance())
        return ExitInstance();
    g_messageLoopRunning = true;
    QApplication::exec();
    g_messageLoopRunning = false;
    return ExitInstance();
}

std::string CWinApp::ModuleFileName()
{
    return QCoreApplication::applicationFilePath().toStdString();
}

void CWinApp::Quit(int code)
{
    // Only the program's own message loop ends; a program driven from
    // outside (tests, the tour) keeps its event loops working.
    if (g_messageLoopRunning)
        QCoreApplication::exit(code);
}

// --- CFrameWnd -----------------------------------------------------------------

bool CFrameWnd::PreCreateWindow(CREATESTRUCT&)
{
    return true;
}

bool CFrameWnd::Create(int clientWidth, int clientHeight)
{
    CREATESTRUCT cs;
    cs.cx = clientWidth;
    cs.cy = clientHeight;
    if (!PreCreateWindow(cs))
        return false;
    QWidget* w = Widget();
    w->resize(clientWidth, clientHeight);
    w->move(cs.x, cs.y);
    caption_ = (cs.style & WS_CAPTION) != 0;
    SetFixedFrame(caption_);
    return true;
}

void CFrameWnd::SetCaption(bool caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    QWidget* w = Widget();
    const QPoint place = w->pos();
    SetFixedFrame(caption);
    w->move(place);
}

bool CFrameWnd::OnCommand(UINT id)
{
    if (id == ID_APP_EXIT) {
        SendMessage(WM_CLOSE);
        return true;
    }
    return false;
}

void CFrameWnd::OnClose()
{
    DestroyWindow();
    CWinApp::Quit();
}

// --- CSingleDocTemplate --------------------------------------------------------

CSingleDocTemplate::CSingleDocTemplate(DocFactory doc, FrameFactory frame, ViewFactory view, int clientWidth,
                                       int clientHeight)
    : docFactory_(std::move(doc)), frameFactory_(std::move(frame)), viewFactory_(std::move(view)),
      clientWidth_(clientWidth), clientHeight_(clientHeight)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    Close();
}

bool CSingleDocTemplate::OpenDocumentFile()
{
    doc_ = docFactory_();
    frame_ = frameFactory_();
    if (!doc_ || !frame_ || !frame_->Create(clientWidth_, clientHeight_))
        return false;
    view_ = viewFactory_(frame_.get());
    if (!view_)
        return false;
    view_->MoveWindow(0, 0, clientWidth_, clientHeight_);
    view_->ShowWindow(SW_SHOW);
    frame_->SetActiveView(view_.get());
    view_->OnInitialUpdate();
    return true;
}

void CSingleDocTemplate::Close()
{
    view_.reset();
    frame_.reset();
    doc_.reset();
}

} // namespace platform
