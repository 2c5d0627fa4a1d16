#include "tests/tour/TourSteps.h"

#include "app/CFinApp.h"
#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "app/ChooserPage.h"
#include "app/ExitScreen.h"
#include "app/LessonPage.h"
#include "app/MainMenu.h"
#include "app/ModuleIntro.h"
#include "app/TextPage.h"
#include "kit/DetailPanel.h"
#include "kit/NavBar.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "pages/money/AssetsPage.h"
#include "pages/money/ChecklistPage.h"
#include "pages/money/LiabilitiesPage.h"
#include "pages/money/NetWorthPage.h"
#include "reports/ReportPage.h"
#include "reports/ReportPrinter.h"
#include "tests/support/Places.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <cstdio>
#include <fstream>

using namespace places;

namespace {

struct ModuleVisit {
    const char* name;
    int menuItem;
    int sections; // section buttons after the introduction
};

constexpr ModuleVisit kModules[] = {
    {"attitudes", 1, 2},
    {"money", 2, 3},
    {"credit", 3, 3},
    {"planning", 4, 3},
};

// Choices whose pages are part of this tour (the others open exercises).
bool ChoiceOpensTouredPage(const std::string& key, int choice)
{
    static const std::pair<const char*, int> kToured[] = {
        {"MAN2", 0},  {"MAN2", 1},  {"MAN4", 0},  {"CRED2", 0}, {"CRED4", 0},
        {"CRED4", 1}, {"CRED4", 2}, {"PLAN3", 0}, {"PLAN4", 0},
    };
    for (const auto& [k, c] : kToured) {
        if (key == k && choice == c)
            return true;
    }
    return false;
}

bool Visible(const platform::Window* w)
{
    return w && w->IsWindowVisible();
}

} // namespace

Tour::Tour(CFinApp& app, std::string gallery, std::string part)
    : app_(app), driver_(*app.MainFrame()), gallery_(std::move(gallery)), part_(std::move(part))
{
}

bool Tour::Capture(const std::string& name, const std::string& caption,
                   const std::function<void(QImage&)>& touchUp)
{
    QImage screen = driver_.Screen();
    if (touchUp)
        touchUp(screen);
    const std::string file = part_ + "-" + std::to_string(shots_.size() + 1) + "-" + name + ".png";
    screen.save(QString::fromStdString(gallery_ + "/" + file));
    shots_.emplace_back(file, caption);
    // A blank screen has next to no colours in its page area.
    QSet<QRgb> colours;
    for (int y = kPageY; y < screen.height() && colours.size() < 20; y += 3) {
        for (int x = kPageX; x < screen.width(); x += 3)
            colours.insert(screen.pixel(x, y));
    }
    if (colours.size() < 20) {
        Fail("blank screen: " + caption);
        return false;
    }
    return true;
}

void Tour::CaptureReport(const std::string& name, int request)
{
    CFinView* view = app_.FinView();
    const int before = view->Reports().PrintCount();
    driver_.Click(kPageX + 8 + 40, kPageY + 402 + 13); // the print button
    if (view->Reports().PrintCount() == before || view->Reports().LastRequest() != request) {
        Fail("the print button did not ask for report " + std::to_string(request));
        return;
    }
    ReportPrinter report(view->Reports().Collect(request));
    const platform::Size printable{850, 1100}; // a letter page at 100 dpi
    QImage page(printable.cx, printable.cy, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        platform::Dc dc(&page, true);
        MapReportPage(dc, printable);
        report.Draw(dc);
    }
    const std::string file = part_ + "-" + std::to_string(shots_.size() + 1) + "-report-" + name + ".png";
    page.save(QString::fromStdString(gallery_ + "/" + file));
    shots_.emplace_back(file, "Printed report \"" + report.Title() + "\"");
}

void Tour::Fail(const std::string& why)
{
    std::fprintf(stderr, "tour: %s\n", why.c_str());
    ++failures_;
}

void Tour::WriteFragment() const
{
    std::ofstream html(gallery_ + "/" + part_ + ".part.html");
    for (const auto& [file, caption] : shots_)
        html << "<figure><a href=\"" << file << "\"><img src=\"" << file << "\"></a><figcaption>" << caption
             << "</figcaption></figure>\n";
}

void WriteGalleryIndex(const std::string& gallery)
{
    // Parts run side by side: each writes the index anew from the parts
    // done so far, and replaces the old one at once.
    const std::string index = gallery + "/index.html";
    const std::string partial = index + "." + std::to_string(QCoreApplication::applicationPid());
    {
        std::ofstream html(partial);
        html << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Fiscova tour</title>\n"
                "<style>body{font-family:sans-serif;background:#333;color:#eee}figure{display:inline-block;"
                "margin:8px}img{width:320px;border:1px solid "
                "#888}figcaption{width:320px;font-size:13px}</style>"
                "</head><body><h1>Fiscova: every screen of the tour</h1>\n";
        for (const std::string& part : kTourParts) {
            std::ifstream fragment(gallery + "/" + part + ".part.html");
            if (fragment)
                html << "<h2>" << part << "</h2>\n" << fragment.rdbuf();
        }
        html << "</body></html>\n";
    }
    std::rename(partial.c_str(), index.c_str());
}

namespace {

void WaitForIntro(Tour& tour)
{
    ModuleIntro* intro = tour.App().FinView()->Intro();
    Driver::Until([&] { return intro && intro->Typing() && intro->Typed() > 0 && !intro->HasTimer(1); },
                  15000);
}

void VisitLesson(Tour& tour, const std::string& module)
{
    LessonPage* lesson = tour.App().FinView()->Lesson();
    if (!Visible(lesson)) {
        tour.Fail("the lesson page did not open");
        return;
    }
    tour.Capture(module + "-lesson-" + lesson->Key(), "Lesson \"" + lesson->Key() + "\", first topic");
    if (tour.App().Nav().Button(0).Enabled()) // the lessons that print
        tour.CaptureReport(lesson->Key(), 1138);
    const auto topics = lesson->Topics();
    for (size_t i = 1; i < topics.size(); ++i) {
        const platform::Rect& a = topics[i].area;
        tour.Drive().Click(kPageX + (a.left + a.right) / 2, kPageY + (a.top + a.bottom) / 2);
        if (lesson->OpenTopic() != static_cast<int>(i))
            tour.Fail("topic " + std::to_string(i + 1) + " of " + lesson->Key() + " did not open");
        if (i % 4 == 0 || i + 1 == topics.size())
            tour.Capture(module + "-lesson-" + lesson->Key() + "-" + std::to_string(i + 1),
                         "Lesson \"" + lesson->Key() + "\", topic " + std::to_string(i + 1));
    }
}

void VisitTopTen(Tour& tour, const std::string& module)
{
    tour.Drive().Click(kTopTen.x(), kTopTen.y());
    TopTenWindow* topTen = tour.App().Windows().topTen;
    if (!Driver::Until([&] { return topTen->IsWindowVisible(); })) {
        tour.Fail("the top-ten window did not open in " + module);
        return;
    }
    tour.Capture(module + "-topten-" + topTen->List(), "Top ten \"" + topTen->List() + "\"");
    if (topTen->Items().size() > 3) {
        const auto& item = topTen->Items()[3];
        tour.Drive().Click(kPageX + item.places[0].x + 5, kPageY + item.places[0].y + 5);
        tour.Capture(module + "-topten-" + topTen->List() + "-4",
                     "Top ten \"" + topTen->List() + "\", tip 4");
    }
    // A click in the left column closes it.
    tour.Drive().Click(20, 60);
    if (topTen->IsWindowVisible())
        tour.Fail("the top-ten window did not close");
}

void VisitVideo(Tour& tour, const std::string& module)
{
    if (CurrentMediaName().empty())
        return;
    tour.Drive().Click(kVideo.x(), kVideo.y());
    VideoWindow* video = tour.App().Windows().video;
    if (!Driver::Until([&] { return video->IsWindowVisible(); })) {
        tour.Fail("the video window did not open in " + module);
        return;
    }
    Driver::Settle(1500);
    tour.Capture(module + "-video-" + video->Media(), "Media \"" + video->Media() + "\"", [&](QImage& shot) {
        // The clip is drawn by the video output, which a grab of the
        // window leaves out: paint its current frame where it plays.
        const auto* output = video->Widget()->findChild<QVideoWidget*>();
        if (!output || !output->isVisible())
            return;
        const QImage frame = output->videoSink()->videoFrame().toImage();
        if (frame.isNull()) {
            tour.Fail("the video " + video->Media() + " shows no picture");
            return;
        }
        const QPoint at = output->mapTo(tour.App().MainFrame()->Widget(), QPoint(0, 0));
        QPainter(&shot).drawImage(QRect(at, output->size()), frame);
    });
    // A click on the button would play the clip again; the bare band closes it.
    tour.Drive().Click(kBareBand.x(), kBareBand.y());
    if (video->IsWindowVisible())
        tour.Fail("the video window did not close in " + module);
}

// The navigation bar's buttons, as the user clicks them.
constexpr QPoint kNavBack{kPageX + 325 + 40, kPageY + 402 + 13};
constexpr QPoint kNavNext{kPageX + 413 + 40, kPageY + 402 + 13};

bool WaitFor(const platform::Window* page)
{
    return Driver::Until([&] { return Visible(page); });
}

// Types `amounts` into the quick fields of a worksheet, one a line.
void TypeQuickAmounts(Tour& tour, NetWorthSheet& sheet, const std::vector<const char*>& amounts)
{
    for (size_t i = 0; i < amounts.size(); ++i) {
        const platform::Rect place = sheet.QuickField(static_cast<int>(i)).GetWindowRect();
        if (!*amounts[i])
            continue;
        tour.Drive().Click(kPageX + place.left + 20, kPageY + place.top + 10);
        sheet.QuickField(static_cast<int>(i)).Edit().SelectAll();
        tour.Drive().Type(amounts[i]);
    }
}

// Opens the panel of a detailed line by its label and types into its rows.
void FillDetailedLine(Tour& tour, NetWorthSheet& sheet, int line, const std::vector<const char*>& rows,
                      const std::string& shot)
{
    const platform::Rect box = sheet.Lines().Box(line).GetWindowRect();
    tour.Drive().Click(kPageX + box.left - 30, kPageY + box.top + 10);
    DetailPanel* panel = tour.App().Windows().detailPanel;
    if (!Driver::Until([&] { return panel->IsShowing(); })) {
        tour.Fail("the detail panel did not open for line " + std::to_string(line + 1));
        return;
    }
    for (size_t r = 0; r < rows.size(); ++r) {
        panel->Row(static_cast<int>(r)).SetFocus();
        tour.Drive().Type(rows[r]);
    }
    if (!shot.empty())
        tour.Capture(shot, "Detail panel of a worksheet line");
    tour.Drive().Key(Qt::Key_Escape);
    if (panel->IsShowing())
        tour.Fail("escape did not close the detail panel");
}

void VisitNetWorth(Tour& tour, bool detailed)
{
    CFinView* view = tour.App().FinView();
    auto* assets = view->Pages().Get<AssetsPage>(PageId::Assets);
    auto* liabilities = view->Pages().Get<LiabilitiesPage>(PageId::Liabilities);
    auto* result = view->Pages().Get<NetWorthPage>(PageId::NetWorth);
    const std::string mode = detailed ? "detailed" : "quick";
    if (detailed) {
        auto* checklist = view->Pages().Get<ChecklistPage>(PageId::Checklist);
        const platform::Rect label = checklist->LabelRect(6);
        tour.Drive().Click(kPageX + label.left + 10, kPageY + label.top + 8);
        tour.Capture("money-checklist", "Detailed analysis: the records to gather");
        tour.CaptureReport("checklist", 1108);
        tour.Drive().Click(kNavNext.x(), kNavNext.y());
        if (!WaitFor(assets))
            return tour.Fail("the checklist did not lead to the assets");
        tour.Capture("money-assets-detailed", "Detailed assets, before any entry");
        FillDetailedLine(tour, *assets, 0, {"120", "35", "1250"}, "money-assets-panel");
        FillDetailedLine(tour, *assets, 3, {"185000"}, "");
        FillDetailedLine(tour, *assets, 4, {"9500", "4200"}, "");
        tour.Capture("money-assets-detailed-filled", "Detailed assets with their sums");
    } else {
        tour.Capture("money-assets-quick", "Quick assets, before any entry");
        TypeQuickAmounts(tour, *assets, {"1500", "2400", "6000", "185000", "9500", "4000", "12000", "500"});
        tour.Capture("money-assets-quick-filled", "Quick assets with amounts");
    }
    tour.Drive().Click(kNavNext.x(), kNavNext.y());
    if (!WaitFor(liabilities))
        return tour.Fail("the assets did not lead to the liabilities (" + mode + ")");
    if (detailed) {
        FillDetailedLine(tour, *liabilities, 5, {"", "", "", "100"}, "money-liabilities-panel");
        FillDetailedLine(tour, *liabilities, 4, {"142000"}, "");
    } else {
        TypeQuickAmounts(tour, *liabilities, {"180", "2300", "8000", "15000", "140000", "900", "400"});
    }
    tour.Capture("money-liabilities-" + mode, "Liabilities (" + mode + ")");
    tour.Drive().Click(kNavNext.x(), kNavNext.y());
    if (!WaitFor(result))
        return tour.Fail("the liabilities did not lead to the net worth (" + mode + ")");
    tour.Capture("money-net-worth-" + mode, "Net worth (" + mode + ")");
    tour.CaptureReport("net-worth-" + mode, 1096);
    if (!detailed) {
        // Owing more than one owns.
        tour.Drive().Click(kNavBack.x(), kNavBack.y());
        if (!WaitFor(liabilities))
            return tour.Fail("back from the net worth did not show the liabilities");
        TypeQuickAmounts(tour, *liabilities, {"", "", "", "", "900000"});
        tour.Drive().Click(kNavNext.x(), kNavNext.y());
        if (!WaitFor(result) || result->NetWorth() >= 0)
            return tour.Fail("a larger debt did not make the net worth negative");
        tour.Capture("money-net-worth-negative", "Net worth below zero");
    }
    tour.Drive().Click(kNavNext.x(), kNavNext.y()); // return, where next stands
    if (!WaitFor(view->Chooser()))
        tour.Fail("the net worth's return did not lead to the chooser");
}

void VisitSection(Tour& tour, const ModuleVisit& visit, int section)
{
    CFinView* view = tour.App().FinView();
    tour.Drive().Click(kSideX, kSectionY[section]);
    Driver::Settle(100);
    ChooserPage* chooser = view->Chooser();
    if (!Visible(chooser)) {
        tour.Fail(std::string("section ") + std::to_string(section + 1) + " of " + visit.name +
                  " did not open");
        return;
    }
    const std::string key = chooser->Key();
    tour.Capture(std::string(visit.name) + "-chooser-" + key, "Section chooser \"" + key + "\"");
    VisitTopTen(tour, visit.name);
    for (int c = 0; c < chooser->ChoiceCount(); ++c) {
        if (!ChoiceOpensTouredPage(key, c))
            continue;
        if (!chooser->IsWindowVisible()) {
            tour.Drive().Click(kSideX, kSectionY[section]);
            Driver::Settle(100);
        }
        const ImageButton& b = chooser->Choice(c);
        tour.Drive().Click(kPageX + b.X() + b.Width() / 2, kPageY + b.Y() + b.Height() / 2);
        Driver::Settle(100);
        if (Visible(view->Pages().Find(PageId::Assets))) {
            VisitNetWorth(tour, false);
        } else if (Visible(view->Pages().Find(PageId::Checklist))) {
            VisitNetWorth(tour, true);
        } else if (Visible(view->Lesson())) {
            VisitLesson(tour, visit.name);
            VisitVideo(tour, visit.name);
        } else if (Visible(view->Text())) {
            tour.Capture(std::string(visit.name) + "-text-" + view->Text()->Key(),
                         "Text \"" + view->Text()->Key() + "\"");
            VisitVideo(tour, visit.name);
        } else {
            tour.Fail("choice " + std::to_string(c + 1) + " of " + key + " opened nothing");
        }
    }
}

void VisitModule(Tour& tour, const ModuleVisit& visit)
{
    const int y = MenuItemY(visit.menuItem);
    tour.Drive().MoveTo(kMenuItemX, y);
    tour.Capture(std::string("menu-") + visit.name, std::string("Main menu, pointing at ") + visit.name);
    tour.Drive().Click(kMenuItemX, y);
    WaitForIntro(tour);
    tour.Capture(std::string(visit.name) + "-introduction", std::string("Introduction of ") + visit.name);
    VisitTopTen(tour, visit.name);
    for (int s = 1; s <= visit.sections; ++s)
        VisitSection(tour, visit, s);
    tour.Drive().Click(kSideX, kMainMenuY);
    if (!Visible(tour.App().FinView()->Menu()))
        tour.Fail(std::string("the main-menu button of ") + visit.name + " did not work");
}

void VisitHelp(Tour& tour)
{
    CFinView* view = tour.App().FinView();
    tour.Drive().Click(kMenuItemX, MenuItemY(5));
    Driver::Settle(200);
    if (!Visible(view->Text())) {
        tour.Fail("contact and help did not open its credits");
        return;
    }
    tour.Capture("help-credits", "Contact and help: credits");
    tour.Drive().Click(kPageX + 413 + 40, kPageY + 402 + 13); // next
    tour.Capture("help-contact", "Contact and help: how to get in touch");
    tour.Drive().Click(kPageX + 325 + 40, kPageY + 402 + 13); // back
    if (view->Text()->Key() != "howzem1.txt")
        tour.Fail("back on the contact page did not return to the credits");
    tour.Drive().Click(kSideX, kMainMenuY);
}

void VisitExitScreen(Tour& tour, bool quit)
{
    CFinView* view = tour.App().FinView();
    tour.Drive().Click(kMenuExit.x(), kMenuExit.y());
    Driver::Settle(200);
    if (!Visible(view->Exit())) {
        tour.Fail("the exit screen did not open");
        return;
    }
    tour.Capture(quit ? "exit-screen-last" : "exit-screen", "Exit screen");
    if (!quit) {
        tour.Drive().Click(350, 375 + 19); // go back
        if (!Visible(view->Menu()) || Visible(view->Exit()))
            tour.Fail("going back from the exit screen did not show the main menu");
        tour.Capture("menu-after-exit", "Main menu again after going back");
        return;
    }
    tour.Drive().Click(350, 290 + 19); // keep the work and quit
    if (!tour.App().Flags().exiting)
        tour.Fail("keep-and-quit did not end the program");
}

} // namespace

bool RunTourPart(Tour& tour, const std::string& part)
{
    if (part == "help") {
        tour.Capture("main-menu", "Main menu");
        VisitHelp(tour);
        VisitExitScreen(tour, false);
        VisitExitScreen(tour, true);
        return tour.Ok();
    }
    for (const ModuleVisit& visit : kModules) {
        if (part == visit.name)
            VisitModule(tour, visit);
    }
    return tour.Ok();
}
