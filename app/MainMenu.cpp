#include "app/MainMenu.h"

#include "app/ModuleTable.h"
#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/ModuleArt.h"
#include "kit/ModuleArtLoading.h"
#include "kit/Modules.h"
#include "kit/ProgramSounds.h"
#include "kit/ViewMessages.h"
#include "platform/Framework.h"
#include "platform/MessageBox.h"

using namespace platform;

namespace {

struct ItemPlace {
    int x, y, width, height;
};

// Items 1 to 5 are the modules, 6 a badge, 7 the exit.
constexpr ItemPlace kPlaces[MainMenu::kItems] = {
    {0, 240, 445, 31}, {0, 282, 445, 31},   {0, 324, 445, 31},   {0, 366, 445, 31},
    {0, 408, 445, 31}, {445, 340, 185, 40}, {528, 400, 119, 37},
};
constexpr Point kPreviewPlace{36, 9};
constexpr Rect kClearArea{0, 0, 660, 520};

} // namespace

MainMenu::MainMenu(Window* view) : Window(view)
{
    SetAccessibleName("Main Menu");
    SetCursor(Cursor::Arrow);
    FitToFrame();
    App().Flags().currentModule = ModuleMainMenu;
    for (int i = 0; i < kItems; ++i) {
        const std::string stem = "IDB_MENU" + std::to_string(i + 1);
        ImageButton& item = items_[static_cast<size_t>(i)];
        item.LoadStates(stem + "OVR", stem + "SEL", stem + "OFF");
        item.SetPosition(kPlaces[i].x, kPlaces[i].y);
        item.SetSize(kPlaces[i].width, kPlaces[i].height);
    }
    App().Art().LoadBitmapByName(background_, "IDB_mmback");
}

void MainMenu::FitToFrame()
{
    const Window* frame = App().Windows().mainWindow;
    MoveWindow(frame ? frame->GetClientRect() : Rect{0, 0, 640, 480});
}

void MainMenu::ClearToWhite()
{
    ClientDc dc(this);
    dc.FillSolidRect(kClearArea, RGB(255, 255, 255));
}

void MainMenu::OnShowWindow(bool show)
{
    if (!show || App().Flags().currentModule == ModuleExit)
        return;
    App().Flags().currentModule = ModuleMainMenu;
    ClientDc dc(this);
    App().Art().RealizeBitmapPalette(dc, Artwork::ReferenceBitmap(ModuleMainMenu));
    focusTaken_ = false;
}

void MainMenu::OnPaint(Dc& dc)
{
    if (!focusTaken_) {
        if (Window* main = App().Windows().mainWindow)
            main->SetFocus();
        focusTaken_ = true;
    }
    if (!paintedOnce_) {
        paintedOnce_ = true;
        if (!Artwork::IsColorDepthSufficient(dc)) {
            MessageBox("This program will not run in 16-color mode.", "Error", MB_OK);
            App().Flags().exiting = true;
            if (Window* main = App().Windows().mainWindow)
                main->PostMessage(WM_COMMAND, ID_APP_EXIT);
            return;
        }
        App().Art().RealizeBitmapPalette(dc, Artwork::ReferenceBitmap(ModuleMainMenu));
    }
    App().Art().DrawBitmap(dc, background_, 0, 0);
    for (ImageButton& item : items_)
        item.Draw(dc, 0);
    DrawPreview(dc);
}

void MainMenu::DrawPreview(Dc& dc)
{
    // A module's preview is read when the pointer first comes onto its item
    // (a missing one is reported that once).
    const size_t index = static_cast<size_t>(preview_ - 1);
    Bitmap& preview = previews_[index];
    if (!previewRead_[index]) {
        previewRead_[index] = true;
        App().Art().LoadOwnBitmap(preview, "IDB_PIC" + std::to_string(preview_));
    }
    App().Art().DrawBitmap(dc, preview, kPreviewPlace.x, kPreviewPlace.y);
}

int MainMenu::ItemAt(Point p) const
{
    for (int i = 1; i <= kItems; ++i) {
        if (i != kBadgeItem && Item(i).HitTest(p.x, p.y))
            return i;
    }
    return 0;
}

void MainMenu::OnMouseMove(UINT, Point point)
{
    const int hit = ItemAt(point);
    ClientDc dc(this);
    for (int i = 1; i <= kItems; ++i) {
        ImageButton& item = items_[static_cast<size_t>(i - 1)];
        if (i == hit && item.GetState() == ImageButton::Normal) {
            item.SetState(ImageButton::Over);
            item.Draw(dc, 0);
        } else if (i != hit && i != kBadgeItem && item.GetState() != ImageButton::Normal) {
            // A pressed item left keeps its mark: released on it again, it
            // is still chosen.
            item.SetState(ImageButton::Normal);
            item.Draw(dc, 0);
        }
    }
    const int preview = hit >= 1 && hit <= 5 ? hit : hit == 0 ? 6 : preview_;
    if (preview != preview_) {
        preview_ = preview;
        DrawPreview(dc);
    }
    SetCursor(hit ? Cursor::Hand : Cursor::Arrow);
}

void MainMenu::OnLButtonDown(UINT, Point point)
{
    if (const int hit = ItemAt(point)) {
        ImageButton& item = items_[static_cast<size_t>(hit - 1)];
        item.SetState(ImageButton::Pressed);
        item.SetPressed(true);
        ClientDc dc(this);
        item.Draw(dc, 0);
    }
    if (Window* main = App().Windows().mainWindow)
        main->SetFocus();
}

void MainMenu::OnLButtonDblClk(UINT, Point)
{
    if (Window* main = App().Windows().mainWindow)
        main->SetFocus();
}

void MainMenu::OnRButtonDown(UINT, Point)
{
    if (Window* main = App().Windows().mainWindow)
        main->SetFocus();
}

void MainMenu::OnLButtonUp(UINT, Point point)
{
    const int hit = ItemAt(point);
    const bool chosen = hit && Item(hit).IsPressed();
    // The release ends the press wherever it happens.
    for (ImageButton& item : items_)
        item.SetPressed(false);
    if (!chosen)
        return;
    ImageButton& item = items_[static_cast<size_t>(hit - 1)];
    item.SetState(ImageButton::Normal);
    {
        ClientDc dc(this);
        item.Draw(dc, 0);
    }
    Choose(hit);
}

void MainMenu::Choose(int item)
{
    App().Flags().previousModule = App().Flags().currentModule;
    PlayProgramSound("click4", SND_NOWAIT);
    if (item == kExitItem) {
        ClearToWhite();
        if (Window* view = App().Windows().view)
            view->PostMessage(VM_EXIT_SCREEN);
        return;
    }
    const int module = item - 1;
    App().Flags().currentModule = module;
    sectionModule_ = ModuleArtOf(module).sectionModule;
    ClearToWhite();
    App().Art().LoadSectionModule(sectionModule_);
    LoadModuleArt();
    {
        ClientDc dc(this);
        App().Art().RealizeBitmapPalette(dc, ModuleArtOf(module).menuPalette);
    }
    if (Window* view = App().Windows().view)
        view->SendMessage(VM_ENTER_MODULE);
    ShowWindow(SW_HIDE);
}
