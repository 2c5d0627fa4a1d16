// The steps of the course tour and the record of the screens it visited.
#pragma once

#include "tests/support/Driver.h"

#include <functional>
#include <string>
#include <vector>

class CFinApp;

class Tour {
public:
    Tour(CFinApp& app, std::string gallery);

    CFinApp& App() { return app_; }
    Driver& Drive() { return driver_; }
    // Saves the screen as `name` with a caption; false (and a report) when
    // the page area is blank.
    // `touchUp` may paint onto the shot what a plain grab cannot see.
    bool Capture(const std::string& name, const std::string& caption,
                 const std::function<void(QImage&)>& touchUp = {});
    void Fail(const std::string& why);
    bool Ok() const { return failures_ == 0; }
    int Screens() const { return static_cast<int>(shots_.size()); }
    void WriteIndex() const;

private:
    CFinApp& app_;
    Driver driver_;
    std::string gallery_;
    std::vector<std::pair<std::string, std::string>> shots_;
    int failures_ = 0;
};

// Walks the whole course; true when every step went as expected.
bool RunTour(Tour& tour);
