#include "app/CFinApp.h"

#include "app/CFinDoc.h"
#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "app/NoDiscScreen.h"
#include "app/StringTable.h"
#include "data/CFinData.h"
#include "kit/DetailPanel.h"
#include "kit/OwnResources.h"
#include "kit/VideoWindow.h"
#include "platform/Files.h"
#include "platform/InstanceGuard.h"
#include "platform/MessageBox.h"
#include "platform/Registry.h"
#include "platform/System.h"

using namespace platform;

namespace {

constexpr char kContentKey[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\ZEM\\Fiscova\\cd";
constexpr size_t kContentBufferSize = 128;
constexpr char kDiscMarker[] = "fileid.txt";
constexpr char kUnsavedWorkText[] = "Your work cannot be saved: the folder ";
constexpr char kUnsavedWorkReason[] = " cannot be written. What you enter is lost when you leave its page.";

// The directory of a file, with its trailing separator.
std::string DirectoryOf(const std::string& file)
{
    const size_t slash = file.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
}

} // namespace

CFinApp::CFinApp() = default;

CFinApp::~CFinApp()
{
    Windows() = SharedWindows{};
    factsWindow_.reset();
    topTenWindow_.reset();
    videoWindow_.reset();
    calculator_.reset();
    detailPanel_.reset();
    docTemplate_.reset();
    ClearApp(this);
}

bool CFinApp::InitInstance()
{
    // 1. One copy only: a later copy hands over to the running one.
    guard_ = std::make_unique<InstanceGuard>(WindowClassName());
    switch (guard_->Acquire()) {
    case InstanceGuard::Result::OtherRunning:
        return false;
    case InstanceGuard::Result::Failed:
        MessageBox("Failed to register window class!", {}, MB_OK | MB_ICONSTOP);
        return false;
    case InstanceGuard::Result::First:
        guard_->SetRestoreHandler([this] { RestoreMainWindow(); });
        break;
    }
    SetApp(this);

    RegisterOwnResources();

    // 4. The data directory is the program file's directory.
    dataDirectory_ = DirectoryOf(ProgramFile());
    const SavedWorkFolder work = ChooseWorkFolder();
    workDirectory_ = work.path;
    workWritable_ = work.writable;
    SetSavedWorkDirectory(workDirectory_);

    // 5. The content location, when the registry has it.
    std::string location;
    if (RegQueryDefaultValue(kContentKey, location, kContentBufferSize))
        contentLocation_ = location;

    // 7. Document, frame and view; the view's first update runs inside.
    docTemplate_ = std::make_unique<CSingleDocTemplate>([] { return std::make_unique<CFinDoc>(); },
                                                        [this]() -> std::unique_ptr<CFrameWnd> {
                                                            auto frame = std::make_unique<CMainFrame>();
                                                            Windows().mainWindow = frame.get();
                                                            return frame;
                                                        },
                                                        [this](CFrameWnd* frame) -> std::unique_ptr<CView> {
                                                            auto view = std::make_unique<CFinView>(frame);
                                                            Windows().view = view.get();
                                                            return view;
                                                        },
                                                        kClientWidth, kClientHeight);
    if (!docTemplate_->OpenDocumentFile())
        return false;
    SetMainWnd(docTemplate_->Frame());

    // 8.
    Flags().iconic = false;
    MainFrame()->SetWindowText("Fiscova");
    platform::SetDialogColors(RGB(255, 255, 255), RGB(0, 0, 0));

    // 9. The windows shared by all modules.
    detailPanel_ = std::make_unique<DetailPanel>(MainFrame());
    Windows().detailPanel = detailPanel_.get();
    calculator_ = std::make_unique<Calculator>(MainFrame());
    videoWindow_ = std::make_unique<VideoWindow>(MainFrame());
    topTenWindow_ = std::make_unique<TopTenWindow>(MainFrame());
    factsWindow_ = std::make_unique<Window>(MainFrame());
    Windows().calculator = calculator_.get();
    Windows().video = videoWindow_.get();
    Windows().topTen = topTenWindow_.get();
    Windows().facts = factsWindow_.get();

    // 10. Centre on screens wider than the program, show.
    if (GetSystemMetrics(SM_CXSCREEN) > kClientWidth)
        MainFrame()->CenterOnScreen();
    MainFrame()->ShowWindow(SW_SHOWNORMAL);
    MainFrame()->UpdateWindow();
    // Entries would otherwise vanish without a word when their page is left.
    if (!workWritable_)
        MessageBox(kUnsavedWorkText + DisplayPath(workDirectory_) + kUnsavedWorkReason);

    // 11. The shared record: filled by the first load of the saved-work file.
    sharedRecord_ = std::make_unique<CFinData>();
    Windows().record = sharedRecord_.get();
    SetSharedRecord(sharedRecord_.get());
    return true;
}

int CFinApp::ExitInstance()
{
    SetSharedRecord(nullptr);
    Windows().record = nullptr;
    sharedRecord_.reset();
    return CWinApp::ExitInstance();
}

CMainFrame* CFinApp::MainFrame() const
{
    return docTemplate_ ? static_cast<CMainFrame*>(docTemplate_->Frame()) : nullptr;
}

CFinView* CFinApp::FinView() const
{
    return docTemplate_ ? static_cast<CFinView*>(docTemplate_->View()) : nullptr;
}

std::string CFinApp::DataPath(const std::string& name) const
{
    return dataDirectory_ + name;
}

std::string CFinApp::WorkPath(const std::string& name) const
{
    return workDirectory_ + name;
}

SavedWorkFolder CFinApp::ChooseWorkFolder() const
{
    return ChooseSavedWorkFolder(dataDirectory_, UserDataHome());
}

std::string CFinApp::ContentPath() const
{
    return contentLocation_ + "\\";
}

bool CFinApp::IsContentDiscPresent() const
{
    return FileReadable(ContentPath() + kDiscMarker);
}

bool CFinApp::AskForDisc()
{
    const Window* frame = MainFrame();
    NoDiscScreen screen(frame ? frame->GetWindowRect() : Rect{0, 0, kClientWidth, kClientHeight});
    return screen.DoModal() == IDOK;
}

void CFinApp::RestoreMainWindow()
{
    if (CMainFrame* frame = MainFrame()) {
        frame->ShowWindow(SW_RESTORE);
        frame->BringToTop();
    }
}
