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
#include "kit/DetailLines.h"
#include "kit/DetailPanel.h"
#include "kit/NavBar.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "reports/ReportPage.h"
#include "reports/ReportPrinter.h"
#include "tests/support/ScreenReader.h"
#include "tests/tour/TourVisits.h"

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

} // namespace

const std::vector<ChoiceVisit>& ChoiceVisits()
{
    // In the order of the choices on each chooser.
    // clang-format off
    static const std::vector<ChoiceVisit> rows = {
        {"FIN2", 0, &VisitRealityCheck},
        {"FIN3", 0, &VisitSpendingSurvey},
        {"MAN2", 0, &VisitQuickNetWorth},
        {"MAN2", 1, &VisitDetailedNetWorth},
        {"MAN3", 0, &VisitBudget},
        {"MAN3", 1, &VisitAverageBudget},
        {"MAN3", 2, &VisitSaveMore},
        {"MAN4", 0, &VisitLesson},
        {"MAN4", 1, &VisitEmergencies},
        {"CRED2", 0, &VisitLesson},
        {"CRED2", 1, &VisitCostOfCredit},
        {"CRED3", 0, &VisitBorrowingSurvey},
        {"CRED3", 1, &VisitDebtLoad},
        {"CRED4", 0, &VisitText},
        {"CRED4", 1, &VisitLesson},
        {"CRED4", 2, &VisitText},
        {"PLAN2", 0, &VisitRiskSurvey},
        {"PLAN2", 1, &VisitGrowthChart},
        {"PLAN2", 2, &VisitDwindleChart},
        {"PLAN3", 0, &VisitLesson},
        {"PLAN3", 1, &VisitGoals},
        {"PLAN4", 0, &VisitLesson},
    };
    // clang-format on
    return rows;
}

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
    // A screen reader can say what every page, button and field is.
    bool named = true;
    for (const std::string& what : UnnamedOnScreen(*app_.MainFrame())) {
        Fail("nothing for a screen reader to say of the " + what + " on: " + caption);
        named = false;
    }
    return named;
}

void Tour::CaptureReport(const std::string& name, int request)
{
    CFinView* view = app_.FinView();
    const int before = view->Reports().PrintCount();
    driver_.Click(kNavPrint.x(), kNavPrint.y());
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

bool Visible(const platform::Window* w)
{
    return w && w->IsWindowVisible();
}

bool WaitFor(const platform::Window* page)
{
    return Driver::Until([&] { return Visible(page); });
}

void ClickPage(Tour& tour, int x, int y)
{
    tour.Drive().Click(kPageX + x, kPageY + y);
}

void FillDetailedLine(Tour& tour, DetailLines& lines, int line, const std::vector<const char*>& rows,
                      const std::string& shot)
{
    const platform::Rect box = lines.Box(line).GetWindowRect();
    ClickPage(tour, box.left - 30, box.top + 10);
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
        ClickPage(tour, (a.left + a.right) / 2, (a.top + a.bottom) / 2);
        if (lesson->OpenTopic() != static_cast<int>(i))
            tour.Fail("topic " + std::to_string(i + 1) + " of " + lesson->Key() + " did not open");
        if (i % 4 == 0 || i + 1 == topics.size())
            tour.Capture(module + "-lesson-" + lesson->Key() + "-" + std::to_string(i + 1),
                         "Lesson \"" + lesson->Key() + "\", topic " + std::to_string(i + 1));
    }
    VisitVideo(tour, module);
}

void VisitText(Tour& tour, const std::string& module)
{
    TextPage* text = tour.App().FinView()->Text();
    if (!Visible(text)) {
        tour.Fail("the text page did not open");
        return;
    }
    tour.Capture(module + "-text-" + text->Key(), "Text \"" + text->Key() + "\"");
    VisitVideo(tour, module);
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

namespace {

void WaitForIntro(Tour& tour)
{
    ModuleIntro* intro = tour.App().FinView()->Intro();
    Driver::Until([&] { return intro && intro->Typing() && intro->Typed() > 0 && !intro->HasTimer(1); },
                  15000);
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
    for (const ChoiceVisit& row : ChoiceVisits()) {
        if (key != row.key)
            continue;
        // A walk may end on another chooser of the module (a lesson opened
        // from a results page): the section's own comes back by its button.
        if (!chooser->IsWindowVisible() || chooser->Key() != key) {
            tour.Drive().Click(kSideX, kSectionY[section]);
            Driver::Settle(100);
        }
        if (chooser->Key() != key || row.choice >= chooser->ChoiceCount()) {
            tour.Fail("choice " + std::to_string(row.choice + 1) + " of \"" + key +
                      "\" is not on the chooser");
            continue;
        }
        const ImageButton& b = chooser->Choice(row.choice);
        ClickPage(tour, b.X() + b.Width() / 2, b.Y() + b.Height() / 2);
        Driver::Settle(100);
        row.walk(tour, visit.name);
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
    tour.Drive().Click(kNavNext.x(), kNavNext.y());
    tour.Capture("help-contact", "Contact and help: how to get in touch");
    tour.Drive().Click(kNavBack.x(), kNavBack.y());
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
