// Prints the net-worth report of known amounts to the system's default
// printer, as a user's Print click does, for the check of the real print
// path (tests/printing/cups-check.sh).
//   fiscova_print_check
// Exits 0 when the page went to a printer, 1 when it did not.
#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "data/CFinData.h"
#include "kit/ViewMessages.h"
#include "platform/Dialog.h"
#include "platform/Framework.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "tests/support/Driver.h"
#include "tests/support/Recorders.h"
#include "tests/support/TestProgram.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::GuiSession session(argc, argv);
    SilentSound sound;
    platform::SetSoundBackend(&sound);
    MessageBoxRecorder boxes;
    platform::SetModalHook([](platform::Dialog& d) { d.EndDialog(platform::IDOK); });
    const ProgramFolder folder;
    TestApp app(folder);
    if (!app.InitInstance()) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    // The amounts of a household, as the quick worksheets would leave them.
    CFinData record;
    record.Reset();
    const char* assets[] = {"1500", "2400", "6000", "185000", "9500", "4000", "12000", "500"};
    for (int i = 0; i < 8; ++i)
        record.SetQuickAssets(i, assets[i]);
    record.SetTotalAssets(220900);
    record.SetTotalLiabilities(166780);
    record.Save();

    Driver(*app.MainFrame()).Click(200, 240 + 42 + 15); // money management
    CFinView& view = *app.FinView();
    view.SendMessage(VM_QUICK_START);
    Driver::Settle(100);
    view.SendMessage(VM_SHOW_LIABILITIES);
    Driver::Settle(100);
    view.SendMessage(VM_SHOW_NET_WORTH);
    Driver::Settle(100);
    view.SendMessage(VM_PRINT_NET_WORTH);
    for (const auto& box : boxes.boxes)
        std::fprintf(stderr, "message box: %s\n", box.text.c_str());
    app.ExitInstance();
    const bool printed = boxes.boxes.empty();
    std::printf("net-worth report %s\n", printed ? "sent to the default printer" : "NOT printed");
    return printed ? 0 : 1;
}
