// The walks of the tour through what a section's chooser opens: one row per
// choice, naming the walk that the tour takes after clicking it. The lesson
// and text pages have shared walks; each exercise has its own, in the file
// of its module (TourMoney.cpp, ...).
#pragma once

#include "tests/support/Places.h"
#include "tests/tour/TourSteps.h"

#include <QPoint>
#include <string>
#include <vector>

class DetailLines;
class SurveyPage;

namespace platform {
class Window;
}

// A walk that starts on the page a choice opened and ends where the user
// can go on to the next choice (the chooser, or a page the section button
// leaves).
using ChoiceWalk = void (*)(Tour& tour, const std::string& module);

struct ChoiceVisit {
    const char* key; // the chooser's topic list
    int choice;
    ChoiceWalk walk;
};

// Every choice the tour takes, by chooser key and choice.
const std::vector<ChoiceVisit>& ChoiceVisits();

bool Visible(const platform::Window* w);
// Waits until the page shows.
bool WaitFor(const platform::Window* page);
// Clicks a point of the page area given in page coordinates.
void ClickPage(Tour& tour, int x, int y);
// Opens the detail panel of a worksheet line by a click beside its box,
// types `rows` into its rows (an empty text skips a row), captures it as
// `shot` unless that is empty, and closes it with Escape.
void FillDetailedLine(Tour& tour, DetailLines& lines, int line, const std::vector<const char*>& rows,
                      const std::string& shot);

// The shared walks.
void VisitLesson(Tour& tour, const std::string& module);
void VisitText(Tour& tour, const std::string& module);
// Opens the video of the page on screen, captures it and closes it.
void VisitVideo(Tour& tour, const std::string& module);

// Money management.
void VisitQuickNetWorth(Tour& tour, const std::string& module);
void VisitDetailedNetWorth(Tour& tour, const std::string& module);
void VisitBudget(Tour& tour, const std::string& module);
void VisitAverageBudget(Tour& tour, const std::string& module);
void VisitSaveMore(Tour& tour, const std::string& module);
void VisitEmergencies(Tour& tour, const std::string& module);

// Planning.
void VisitRiskSurvey(Tour& tour, const std::string& module);
void VisitGrowthChart(Tour& tour, const std::string& module);
void VisitDwindleChart(Tour& tour, const std::string& module);
void VisitGoals(Tour& tour, const std::string& module);

// The surveys (TourSurveys.cpp): the survey page on screen, or null; a page
// answered by clicks on its boxes (column per row, 0 leaves a row as it
// is), or with one column on every row; a page turned by next or back.
SurveyPage* ShownSurvey(Tour& tour);
void AnswerSurveyPage(Tour& tour, const std::vector<int>& columns);
void AnswerWholeSurveyPage(Tour& tour, int column);
void TurnSurveyPage(Tour& tour, bool forward);
void BackToFirstSurveyPage(Tour& tour);
// Answers the survey on screen in one column on every page, from its first,
// and goes on past its last; each page is captured as `shot` + "-" + its
// number unless `shot` is empty.
void TakeSurveyInOneColumn(Tour& tour, int column, const std::string& shot, const std::string& caption);
// Back from a result to its survey's last page; false (a failure) if not.
bool BackToSurvey(Tour& tour, const std::string& result);

// Financial attitudes.
void VisitRealityCheck(Tour& tour, const std::string& module);
void VisitSpendingSurvey(Tour& tour, const std::string& module);

// Credit.
void VisitCostOfCredit(Tour& tour, const std::string& module);
void VisitDebtLoad(Tour& tour, const std::string& module);
void VisitBorrowingSurvey(Tour& tour, const std::string& module);
