// The view's switchboard: one row per message that pages, buttons, the main
// menu and the frame send the view, saying which page to show with which
// key, which top-ten list to name, or what else to do.
#include "app/CFinView.h"

#include "app/ChooserPage.h"
#include "app/ExitScreen.h"
#include "app/LessonPage.h"
#include "app/MainMenu.h"
#include "app/ModuleIntro.h"
#include "app/TextPage.h"
#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Framework.h"
#include "platform/Sound.h"

using namespace platform;

namespace {

constexpr char kPublisherPage[] = "\\launchqor.htm";

} // namespace

// clang-format off
const CFinView::Route CFinView::kRoutes[] = {
    // message                  hide   opens            key            panel    action
    {VM_CHOOSER_MAN2,           false, Opens::Chooser, "MAN2",        "man2",  nullptr},
    {VM_CHECKLIST_BACK,         false, Opens::Chooser, "MAN2",        "man2",  nullptr},
    {VM_CHOOSER_MAN3,           false, Opens::Chooser, "MAN3",        nullptr, nullptr},
    {1036,                      false, Opens::Chooser, "MAN3",        nullptr, nullptr},
    {1038,                      false, Opens::Chooser, "MAN3",        nullptr, nullptr},
    {1040,                      false, Opens::Chooser, "MAN3",        nullptr, nullptr},
    {1092,                      false, Opens::Chooser, "MAN3",        nullptr, nullptr},
    {VM_APP_EXIT,               false, Opens::Nothing, nullptr,       nullptr, &CFinView::PostAppExit},
    {VM_TOPTEN_CLOSED,          false, Opens::Nothing, nullptr,       nullptr, &CFinView::SideButtonToNormal},
    {VM_RESET_HOVER,            false, Opens::Nothing, nullptr,       nullptr, &CFinView::ResetHoveredButtons},
    {VM_LESSON_EMER,            false, Opens::Lesson,  "emer",        "man4a", nullptr},
    {VM_CHOOSER_MAN4,           true,  Opens::Chooser, "MAN4",        "man4",  nullptr},
    {VM_SECTION_MAN4,           true,  Opens::Chooser, "MAN4",        "man4",  nullptr},
    {VM_LESSON_PCONS,           false, Opens::Lesson,  "pcons",       "cred2a", nullptr},
    {VM_TEXT_RATINGS,           false, Opens::Text,    "ratings.txt", nullptr, nullptr},
    {VM_LESSON_AVOID,           false, Opens::Lesson,  "avoid",       nullptr, nullptr},
    {VM_TEXT_OBTAIN,            false, Opens::Text,    "obtain.txt",  nullptr, nullptr},
    {VM_CHOOSER_CRED2,          true,  Opens::Chooser, "CRED2",       "cred2", nullptr},
    {VM_CHOOSER_CRED3,          true,  Opens::Chooser, "CRED3",       nullptr, nullptr},
    {VM_BORROWING_BACK,         true,  Opens::Chooser, "CRED3",       nullptr, nullptr},
    {VM_CHOOSER_CRED4,          true,  Opens::Chooser, "CRED4",       nullptr, nullptr},
    {VM_SECTION_MAN2,           true,  Opens::Chooser, "MAN2",        nullptr, nullptr},
    {VM_SECTION_MAN3,           true,  Opens::Chooser, "MAN3",        nullptr, nullptr},
    {VM_INTRO,                  true,  Opens::Nothing, nullptr,       nullptr, &CFinView::ShowIntro},
    {VM_INTRO_AGAIN,            true,  Opens::Nothing, nullptr,       nullptr, &CFinView::ShowIntro},
    {VM_LESSON_HABITS,          false, Opens::Lesson,  "habits",      nullptr, nullptr},
    {VM_TEXT_HOWZEM1,           false, Opens::Text,    "howzem1.txt", nullptr, nullptr},
    {VM_CHOOSER_FIN2,           true,  Opens::Chooser, "FIN2",        "fin2",  nullptr},
    {VM_CHOOSER_FIN3,           true,  Opens::Chooser, "FIN3",        "fin3",  nullptr},
    {VM_LESSON_AGENCY,          false, Opens::Lesson,  "agency",      nullptr, nullptr},
    {VM_LESSON_REDUCING,        false, Opens::Lesson,  "reducing",    nullptr, nullptr},
    {VM_TOPTEN,                 false, Opens::Nothing, nullptr,       nullptr, &CFinView::ShowTopTen},
    {VM_LESSON_GOAL,            false, Opens::Lesson,  "goal",        nullptr, nullptr},
    {VM_LESSON_INVEST,          false, Opens::Lesson,  "invest",      nullptr, nullptr},
    {VM_CHOOSER_PLAN2,          true,  Opens::Chooser, "PLAN2",       nullptr, nullptr},
    {VM_CHOOSER_PLAN3,          true,  Opens::Chooser, "PLAN3",       nullptr, nullptr},
    {VM_CHOOSER_PLAN4,          true,  Opens::Chooser, "PLAN4",       nullptr, nullptr},
    {VM_ENTER_MODULE,           false, Opens::Nothing, nullptr,       nullptr, &CFinView::EnterModule},
    {VM_MOVED,                  false, Opens::Nothing, nullptr,       nullptr, &CFinView::OnMovedMessage},
    {VM_PLAY_VIDEO,             false, Opens::Nothing, nullptr,       nullptr, &CFinView::PlayVideo},
    {VM_TOPTEN_NEW,             false, Opens::Nothing, nullptr,       nullptr, &CFinView::SideButtonToNew},
    {VM_TOPTEN_SEEN,            false, Opens::Nothing, nullptr,       nullptr, &CFinView::SideButtonToNormal},
    {VM_TEXT_HOWZEM2,           false, Opens::Text,    "howzem2.txt", nullptr, nullptr},
    {VM_VIDEO_SEEN,             false, Opens::Nothing, nullptr,       nullptr, &CFinView::SideButtonToNormal},
    {VM_VIDEO_NEW,              false, Opens::Nothing, nullptr,       nullptr, &CFinView::SideButtonToNew},
    {VM_SHOW_MAIN_MENU,         false, Opens::Nothing, nullptr,       nullptr, &CFinView::ShowMainMenu},
    {VM_VIDEO_CLOSED,           false, Opens::Nothing, nullptr,       nullptr, &CFinView::CloseVideo},
    {VM_EXIT_SCREEN,            false, Opens::Nothing, nullptr,       nullptr, &CFinView::ShowExitScreen},
    {VM_RETURN,                 false, Opens::Nothing, nullptr,       nullptr, &CFinView::ReturnFromExit},
    {VM_OPEN_QOR_PAGE,          false, Opens::Nothing, nullptr,       nullptr, &CFinView::OpenPublisherPage},
    {VM_HIDE_PAGES,             false, Opens::Nothing, nullptr,       nullptr, &CFinView::HidePagesOnce},
    {VM_PALETTE,                false, Opens::Nothing, nullptr,       nullptr, &CFinView::OnPaletteMessage},
    {VM_ACTIVATE,               false, Opens::Nothing, nullptr,       nullptr, &CFinView::OnActivateMessage},
    {VM_DEACTIVATE,             false, Opens::Nothing, nullptr,       nullptr, &CFinView::OnDeactivateMessage},
    {VM_TOPTEN_NEXT,            false, Opens::Nothing, nullptr,       nullptr, &CFinView::TopTenNext},
};
// clang-format on

LRESULT CFinView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const Route& route : kRoutes) {
        if (route.message == message) {
            FollowRoute(route, message);
            return 0;
        }
    }
    return CView::WindowProc(message, wParam, lParam);
}

void CFinView::FollowRoute(const Route& route, UINT message)
{
    if (route.hidePages)
        HidePages();
    if (route.action)
        (this->*route.action)(message);
    switch (route.opens) {
    case Opens::Chooser:
        chooser_->setKey(route.key);
        ShowPage(*chooser_);
        break;
    case Opens::Lesson:
        lesson_->open(route.key);
        ShowPage(*lesson_);
        break;
    case Opens::Text:
        text_->setKey(route.key);
        ShowPage(*text_);
        break;
    case Opens::Nothing:
        break;
    }
    if (route.panel && App().TopTen())
        App().TopTen()->SetList(route.panel);
}

void CFinView::ShowPage(Window& page)
{
    // A page that stays on screen with a new key paints itself again.
    if (page.IsWindowVisible())
        page.Invalidate();
    else
        page.ShowWindow(SW_SHOW);
}

void CFinView::ShowIntro(UINT)
{
    if (intro_)
        intro_->ShowWindow(SW_SHOW);
}

void CFinView::ShowMainMenu(UINT)
{
    mainMenu_->ShowWindow(SW_SHOW);
    mainMenu_->BringToTop();
}

void CFinView::ShowTopTen(UINT)
{
    KillTimer(1);
    StopSound();
    CloseIntro();
    DismissVideo();
    TopTenWindow* topTen = App().TopTen();
    topTen->OpenList();
    topTen->ShowWindow(SW_SHOW);
    topTen->BringToTop();
}

void CFinView::TopTenNext(UINT)
{
    if (App().TopTen()->IsWindowVisible())
        App().TopTen()->SelectNext(false);
}

void CFinView::PlayVideo(UINT)
{
    if (!VideoSet())
        return;
    if (!App().IsContentDiscPresent() && !App().AskForDisc())
        return;
    CloseIntro();
    App().TopTen()->ShowWindow(SW_HIDE);
    App().Video()->ShowWindow(SW_SHOW);
    App().Video()->BringToTop();
}

void CFinView::CloseVideo(UINT)
{
    App().Video()->ShowWindow(SW_HIDE);
    SetSideButtonState(SideButtons::kVideo, ImageButton::Normal);
}

void CFinView::PostAppExit(UINT)
{
    if (Window* main = App().MainWindow())
        main->PostMessage(WM_COMMAND, ID_APP_EXIT);
}

void CFinView::OpenPublisherPage(UINT)
{
    OpenWebPage(App().DataPath(kPublisherPage));
}

void CFinView::HidePagesOnce(UINT)
{
    if (intro_)
        HidePages();
}

void CFinView::OnActivateMessage(UINT)
{
    if (mainMenu_)
        mainMenu_->ClearFocusMark();
    if (exitScreen_)
        exitScreen_->ClearFocusMark();
}

void CFinView::OnDeactivateMessage(UINT)
{
    StopSound();
    CloseIntro();
}

void CFinView::OnPaletteMessage(UINT)
{
    if (App().GetExiting())
        return;
    if (mainMenu_ && mainMenu_->IsWindowVisible())
        mainMenu_->Invalidate();
    if (exitScreen_ && exitScreen_->IsWindowVisible())
        exitScreen_->Invalidate();
}

void CFinView::OnMovedMessage(UINT)
{
    if (mainMenu_)
        mainMenu_->FitToFrame();
    if (exitScreen_)
        exitScreen_->FitToFrame();
}
