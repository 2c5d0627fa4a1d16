// The two net-worth worksheets, what the user owns and what the user owes:
// in the quick analysis one money field per line, in the detailed analysis
// one box per line with the sum of its sub-items, which the detail panel
// fills. The page keeps a running total of its lines in the record, and
// leaves the quick fields in the record as the user typed them.
#pragma once

#include "data/CFinData.h"
#include "kit/DetailLines.h"
#include "kit/FEdit.h"
#include "kit/PageWindow.h"
#include "platform/Bitmap.h"

#include <memory>
#include <string>
#include <vector>

struct NetWorthLine {
    const char* label;
    int quickIndex;   // in the quick group; -1: the separate Taxes field
    const char* hint; // on the disc, under "sounds\"
};

struct NetWorthSheetRows {
    const char* name; // the page's template name
    DetailKind kind;
    const char* quickHeading;
    const char* detailedHeading;
    const char* intro[2];
    const char* quickNarration;
    const char* detailedNarration;
    const char* quickPanel; // the top-ten list named in every paint, or null
    const char* detailedPanel;
    int quickLeftRight;     // the quick labels' left column ends here
    int detailedLabelRight; // the detailed labels end here
    int leftLines;          // lines in the quick left column
    std::vector<NetWorthLine> lines;
    platform::UINT back;
    platform::UINT forward;
};

class NetWorthSheet : public PageWindow {
public:
    NetWorthSheet(platform::Window* view, const NetWorthSheetRows& rows);
    ~NetWorthSheet() override;

    bool Detailed() const { return detailed_; }
    FEdit& QuickField(int line) { return *quick_[static_cast<size_t>(line)]; }
    DetailLines& Lines() { return lines_; }
    // The sum of the lines as shown, as the page draws and stores it.
    long long Total();
    int LineCount() const { return static_cast<int>(rows_.lines.size()); }

    void OnProgramBackground() override;

protected:
    void OnPageShown() override;
    void OnPageHidden() override;
    void OnPaint(platform::Dc& dc) override;
    void OnTimer(platform::UINT id) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) override;

private:
    void Load();
    // The lines' boxes or quick fields from the record.
    void ShowLineValues();
    void Commit();
    void DrawTotal(platform::Dc& dc);
    void DrawQuickLabels(platform::Dc& dc);
    platform::Rect TotalArea() const;
    int QuickValue(int line) const;
    void SetQuickValue(int line, const std::string& text);
    void StoreTotal(long long total);

    const NetWorthSheetRows& rows_;
    CFinData record_;
    std::vector<std::unique_ptr<FEdit>> quick_;
    DetailLines lines_;
    platform::Bitmap quickArt_;
    platform::Bitmap totalStrip_;
    platform::Bitmap detailArt_;
    bool detailed_ = false;
    bool firstPaint_ = false;
};
