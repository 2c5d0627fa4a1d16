// The pop-up panel of the detailed worksheets as the frame and the view
// need it: when the program goes to the background, is moved or is
// iconified, an open panel keeps what the user typed.
#pragma once

class DetailPanel {
public:
    virtual ~DetailPanel() = default;
    virtual bool IsShowing() const = 0;
    // Writes the open panel's rows into the record and saves it; does
    // nothing while the panel is closed.
    virtual void StoreEntries() = 0;
    virtual void HidePanel() = 0;
};
