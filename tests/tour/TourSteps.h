// The steps of the course tour and the record of the screens it visited.
#pragma once

#include "tests/support/Driver.h"

#include <functional>
#include <string>
#include <vector>

class CFinApp;

// The parts of the tour, each a walk from the main menu: the four learning
// modules, and "help" (contact and help, then the exit screen twice).
inline const std::vector<std::string> kTourParts = {"attitudes", "money", "credit", "planning", "help"};

class Tour {
public:
    // Screens go into `gallery`, named after `part`.
    Tour(CFinApp& app, std::string gallery, std::string part);

    CFinApp& App() { return app_; }
    Driver& Drive() { return driver_; }
    // Saves the screen as `name` with a caption; false (and a report) when
    // the page area is blank.
    // `touchUp` may paint onto the shot what a plain grab cannot see.
    bool Capture(const std::string& name, const std::string& caption,
                 const std::function<void(QImage&)>& touchUp = {});
    // Prints the report the page on screen offers (into a PDF) and adds
    // its page, drawn as an image, to the gallery.
    void CaptureReport(const std::string& name, int request);
    void Fail(const std::string& why);
    bool Ok() const { return failures_ == 0; }
    int Screens() const { return static_cast<int>(shots_.size()); }
    // Writes this part's list of screens beside them.
    void WriteFragment() const;

private:
    CFinApp& app_;
    Driver driver_;
    std::string gallery_;
    std::string part_;
    std::vector<std::pair<std::string, std::string>> shots_;
    int failures_ = 0;
};

// Walks one part of the course; true when every step went as expected.
bool RunTourPart(Tour& tour, const std::string& part);

// Writes the gallery's index.html from the lists of the parts that ran.
void WriteGalleryIndex(const std::string& gallery);
