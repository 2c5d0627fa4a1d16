// The course tour: starts the program, walks every screen the way a user
// does, and writes a picture of each screen with an HTML index of them.
//   fiscova_tour <gallery folder> [part]
// With a part (attitudes, money, credit, planning, help) it walks only that
// part; without one, every part in turn, each in a program of its own.
// It fails on any message box, on any line of text too wide for its space
// and on any screen that comes up blank.
#include "app/CFinApp.h"
#include "app/CMainFrame.h"
#include "tests/support/Driver.h"
#include "tests/support/TestProgram.h"
#include "tests/tour/TourSteps.h"

#include "platform/Dialog.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/Sound.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <gallery folder> [part]\n", argv[0]);
        return 2;
    }
    std::vector<std::string> parts = kTourParts;
    if (argc > 2) {
        parts = {argv[2]};
        if (std::find(kTourParts.begin(), kTourParts.end(), parts[0]) == kTourParts.end()) {
            std::fprintf(stderr, "no such part of the tour: %s\n", argv[2]);
            return 2;
        }
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const QString gallery = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(gallery);

    // The tour's own settings: the content disc of this build, nothing else.
    QTemporaryDir settings;
    QDir(settings.path()).mkpath("ZEM");
    QDir(settings.path()).mkpath("runtime");
    QFile::setPermissions(settings.path() + "/runtime",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    {
        std::ofstream reg((settings.path() + "/ZEM/Fiscova.reg").toStdString());
        reg << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ZEM\\Fiscova\\cd]\n@=\"" << FISCOVA_DISC_DIR << "\"\n";
    }
    setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_DIRS", settings.path().toLocal8Bit().constData(), 1);
    setenv("XDG_RUNTIME_DIR", (settings.path() + "/runtime").toLocal8Bit().constData(), 1);

    platform::GuiSession session(argc, argv, {kClientWidth, kClientHeight});
    ReportingBoxes boxes;
    platform::SetMessageBoxHandler(&boxes);
    ReportingOverflows overflows;
    platform::SetTextFitReporter(&overflows);
    SilentSound sound;
    platform::SetSoundBackend(&sound);
    // Reports go into the gallery as PDFs.
    platform::SetPrintSettings({"none", (gallery + "/reports").toStdString()});
    // The splash closes on a click, as a user would close it.
    platform::SetModalHook([](platform::Dialog& dialog) { dialog.EndDialog(platform::IDOK); });

    bool ok = true;
    int screens = 0;
    for (const std::string& part : parts) {
        // A program folder of the tour's own, so that it never touches saved work.
        const ProgramFolder folder;
        TestApp app(folder);
        if (!app.InitInstance()) {
            std::fprintf(stderr, "the program did not start\n");
            return 1;
        }
        // The part's pictures of an earlier run go, so that the gallery
        // shows only what this run saw.
        const QString stale = QString::fromStdString(part) + "-*.png";
        for (const QString& file : QDir(gallery).entryList({stale}, QDir::Files))
            QFile::remove(gallery + "/" + file);
        Tour tour(app, gallery.toStdString(), part);
        ok = RunTourPart(tour, part) && ok;
        tour.WriteFragment();
        screens += tour.Screens();
        app.ExitInstance();
    }
    WriteGalleryIndex(gallery.toStdString());
    // The media threads of the last part wind down before the process ends.
    Driver::Settle(300);
    ok = ok && boxes.count == 0 && overflows.count == 0;
    std::printf("%d screens, %d message boxes, %d lines too wide: %s\n", screens, boxes.count,
                overflows.count, ok ? "passed" : "FAILED");
    return ok ? 0 : 1;
}
