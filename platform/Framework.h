// The application framework the program is written against: the
// application object with its start and end, and the document, frame and
// view triple created through a single-document template.
#pragma once

#include "platform/Window.h"

#include <functional>
#include <memory>
#include <string>

namespace platform {

// The framework's exit command, sent to the main window.
inline constexpr UINT ID_APP_EXIT = 0xE141;

// Window styles a frame asks for before it is created.
inline constexpr UINT WS_CAPTION = 0x00C00000;
inline constexpr UINT WS_THICKFRAME = 0x00040000;
inline constexpr UINT WS_MAXIMIZEBOX = 0x00010000;

// Owns the GUI session (the Qt application); create it first in main. It
// shows the program's `world` (its main window's client area) at the
// display scale the user asks for ("--scale N", FISCOVA_SCALE) or else at
// the one the screen has room for; an empty world is shown as it is.
class GuiSession {
public:
    GuiSession(int& argc, char** argv, Size world = {});
    ~GuiSession();
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Start-up; false ends the program at once.
    virtual bool InitInstance() = 0;
    // End of the run; returns the exit code.
    virtual int ExitInstance();
    // InitInstance, the message loop, ExitInstance.
    int Run();

    Window* GetMainWnd() const { return mainWnd_; }
    void SetMainWnd(Window* window) { mainWnd_ = window; }
    // The full path of the program file.
    static std::string ModuleFileName();
    // Ends the message loop started by Run.
    static void Quit(int code = 0);

private:
    Window* mainWnd_ = nullptr;
};

class CDocument {
public:
    virtual ~CDocument() = default;
};

// A view fills its frame's client area and paints through OnDraw.
class CView : public Window {
public:
    explicit CView(Window* frame) : Window(frame) {}
    // Runs once, right after the frame, view and document exist.
    virtual void OnInitialUpdate() {}
    virtual void OnDraw(Dc&) {}

protected:
    void OnPaint(Dc& dc) override { OnDraw(dc); }
};

struct CREATESTRUCT {
    int x = 0;
    int y = 0;
    int cx = 0; // frame width
    int cy = 0; // frame height
    UINT style = WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX;
    std::string className;
};

// A top-level frame around one view. The client area has a fixed size.
class CFrameWnd : public Window {
public:
    CFrameWnd() : Window(nullptr) {}

    // Adjusts the frame's place, size and style before it is created.
    virtual bool PreCreateWindow(CREATESTRUCT& cs);
    // Creates the frame with a client area of `clientWidth` x `clientHeight`.
    bool Create(int clientWidth, int clientHeight);
    CView* GetActiveView() const { return view_; }
    void SetActiveView(CView* view) { view_ = view; }
    bool HasCaption() const { return caption_; }
    // Removes or restores the caption, keeping the window where it is.
    void SetCaption(bool caption);

protected:
    bool OnCommand(UINT id) override;
    void OnClose() override;

private:
    CView* view_ = nullptr;
    bool caption_ = true;
};

// Creates the document, the frame and the view from factories, as the
// framework's single-document template does for a new document.
class CSingleDocTemplate {
public:
    using DocFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<std::unique_ptr<CFrameWnd>()>;
    using ViewFactory = std::function<std::unique_ptr<CView>(CFrameWnd*)>;

    CSingleDocTemplate(DocFactory doc, FrameFactory frame, ViewFactory view, int clientWidth,
                       int clientHeight);
    ~CSingleDocTemplate();

    // Creates the triple; runs the view's OnInitialUpdate. False on failure.
    bool OpenDocumentFile();

    CDocument* Document() const { return doc_.get(); }
    CFrameWnd* Frame() const { return frame_.get(); }
    CView* View() const { return view_.get(); }
    // Destroys the triple.
    void Close();

private:
    DocFactory docFactory_;
    FrameFactory frameFactory_;
    ViewFactory viewFactory_;
    int clientWidth_;
    int clientHeight_;
    std::unique_ptr<CDocument> doc_;
    std::unique_ptr<CView> view_;
    std::unique_ptr<CFrameWnd> frame_;
};

} // namespace platform
