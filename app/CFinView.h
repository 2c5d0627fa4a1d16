// The form view that fills the frame's client area: it paints the module's
// frame artwork and is the switchboard through which every page change
// passes.
#pragma once

#include "data/CFinData.h"
#include "platform/Framework.h"

class CFinView : public platform::CView {
public:
    explicit CFinView(platform::Window* frame);

    void OnInitialUpdate() override;
    void OnDraw(platform::Dc& dc) override;

protected:
    bool OnEraseBackground(platform::Dc& dc) override;

private:
    CFinData record_; // the view's own copy, for navigation and reports
};
