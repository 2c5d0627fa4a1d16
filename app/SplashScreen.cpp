#include "app/SplashScreen.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/Modules.h"
#include "kit/ProgramSounds.h"
#include "platform/MessageBox.h"

using namespace platform;

SplashScreen::SplashScreen(const Rect& place)
{
    SetFixedFrame(false);
    SetAccessibleName("Fiscova");
    MoveWindow(place);
    SetTimer(kCloseTimer, kShowMs);
    App().Flags().currentModule = ModuleMainMenu;
    App().Art().LoadBitmapByName(picture_, "idb_fsplash");
}

void SplashScreen::OnPaint(Dc& dc)
{
    PlayProgramSound("spl_mus1", SND_ASYNC);
    App().Art().RealizeBitmapPalette(dc, Artwork::ReferenceBitmap(ModuleMainMenu));
    App().Art().DrawBitmap(dc, picture_, 0, 0);
}

void SplashScreen::OnLButtonDown(UINT, Point)
{
    EndDialog(IDOK);
}

void SplashScreen::OnKeyDown(UINT)
{
    EndDialog(IDOK);
}

void SplashScreen::OnTimer(UINT id)
{
    if (id == kCloseTimer && IsWindowVisible()) {
        KillTimer(kCloseTimer);
        EndDialog(IDOK);
    }
}
