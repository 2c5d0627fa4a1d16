// Runs the tests inside a GUI session, headless unless told otherwise. No
// test ever waits on a real message box or plays a real sound: boxes that
// a test does not expect are answered and reported, sounds are silent, and
// a line of text drawn too wide for its space fails the test.
#include "app/CMainFrame.h"
#include "kit/OwnResources.h"
#include "platform/Dialog.h"
#include "platform/Framework.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/Sound.h"
#include "tests/support/Recorders.h"

#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

class UnexpectedBoxes : public platform::MessageBoxHandler {
public:
    int Show(const std::string& text, const std::string&, platform::UINT) override
    {
        ADD_FAILURE() << "unexpected message box: " << text;
        return platform::IDOK;
    }
};

// Any line drawn too wide for its space fails the test that drew it.
class UnexpectedOverflows : public platform::TextFitReporter {
public:
    void Overflow(const platform::TextOverflow& overflow) override
    {
        ADD_FAILURE() << "text does not fit in " << overflow.owner << " by " << overflow.overshoot
                      << " pixels: \"" << overflow.text << "\"";
    }
};

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::GuiSession session(argc, argv, {kClientWidth, kClientHeight});
    testing::InitGoogleTest(&argc, argv);
    UnexpectedBoxes boxes;
    platform::SetMessageBoxHandler(&boxes);
    UnexpectedOverflows overflows;
    platform::SetTextFitReporter(&overflows);
    SilentSound sound;
    platform::SetSoundBackend(&sound);
    RegisterOwnResources();
    // Reports go into a folder of the run's own, never to a printer.
    QTemporaryDir reports;
    platform::SetPrintSettings({"none", reports.path().toStdString()});
    // Splash and no-disc screens close at once unless a test answers them.
    platform::SetModalHook([](platform::Dialog& dialog) { dialog.EndDialog(platform::IDCANCEL); });
    const int result = RUN_ALL_TESTS();
    platform::SetSoundBackend(nullptr);
    platform::SetMessageBoxHandler(nullptr);
    platform::SetTextFitReporter(nullptr);
    return result;
}
