// The form view that fills the frame's client area: it paints the module's
// frame artwork (top band and left column) with the side buttons, and its
// window procedure is the switchboard through which every page change,
// print request and system event passes.
#pragma once

#include "app/SideButtons.h"
#include "data/CFinData.h"
#include "platform/Bitmap.h"
#include "platform/Framework.h"

class CFinView : public platform::CView {
public:
    explicit CFinView(platform::Window* frame);
    ~CFinView() override;

    void OnInitialUpdate() override;
    void OnDraw(platform::Dc& dc) override;

    SideButtons& Buttons() { return sideButtons_; }
    // Loads the current module's frame artwork from its section module.
    void LoadFrameArtwork();
    // A page may hide the frame artwork while it shows.
    void SetHideFrameArtwork(bool hide) { hideFrameArtwork_ = hide; }

    // True for points in the page area (right of the left column and below
    // the top band), where the side buttons never react.
    static bool InPageArea(platform::Point p) { return p.y > 46 && p.x > 128; }

protected:
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) override;
    bool OnEraseBackground(platform::Dc& dc) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;

private:
    struct Route {
        platform::UINT message;
        void (CFinView::*action)(platform::UINT message);
    };
    static const Route kRoutes[];

    // Side buttons.
    bool VideoSet() const;
    void RedrawSideButton(int index);
    void SetSideButtonState(int index, int state);
    void ResetHoveredButtons(platform::UINT);
    void SideButtonToNormal(platform::UINT message);
    void SideButtonToNew(platform::UINT message);

    // Messages from the frame.
    void OnDeactivateMessage(platform::UINT);

    std::string fontPath_;
    platform::Bitmap frameArt_;
    SideButtons sideButtons_;
    CFinData record_; // the view's own copy, for navigation and reports
    bool hideFrameArtwork_ = false;
};
