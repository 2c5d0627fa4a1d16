// The top-ten window: ten short tips on the subject of the page, opened over
// the page area by the top-ten side button. The numbered tips stand on the
// left; the text of the chosen tip on the right.
#pragma once

#include "kit/ImageButton.h"
#include "platform/Bitmap.h"
#include "platform/Window.h"

#include <string>
#include <vector>

class TopTenWindow : public platform::Window {
public:
    static constexpr size_t kMaxItems = 20;
    static constexpr size_t kMaxDetailLines = 50;

    explicit TopTenWindow(platform::Window* frame);

    // Names the page's list; the view shows its top-ten button normal for a
    // list seen in this run (1116) and new otherwise (1115).
    void SetList(const std::string& name);
    const std::string& List() const { return list_; }
    bool WasShown(const std::string& name) const;
    // Reads the current list and the first item's text, ready to show.
    void OpenList();
    // Moves the selection to the next item (`first`: to the first one).
    void SelectNext(bool first);

    struct Item {
        std::string lines[3];
        int lineCount = 0;
        platform::Point places[3];
        platform::Size sizes[3];
        std::string name;
    };
    const std::vector<Item>& Items() const { return items_; }
    int Selected() const { return selected_; }
    int Hovered() const { return hovered_; }
    const std::vector<std::string>& Detail() const { return detail_; }
    ImageButton& CloseButton() { return close_; }

protected:
    void OnShowWindow(bool show) override;
    void OnPaint(platform::Dc& dc) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;

private:
    int ItemAt(platform::Point p) const;
    void ReadItems();
    void ReadDetail(int index);
    void DrawItem(platform::Dc& dc, int index, platform::COLORREF colour);
    void DrawDetail(platform::Dc& dc);
    // Paints an item again in the colour of its state.
    void RedrawItem(int index);
    void Select(int index);

    std::string list_;
    std::vector<std::string> shownLists_;
    std::vector<Item> items_;
    std::vector<std::string> detail_;
    int selected_ = 0;
    int hovered_ = -1;
    platform::Bitmap background_;
    ImageButton close_;
};
