#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class PageControl;

// One page of a page control; visible only while it is the active page. It
// fires onShow each time it starts showing: when it becomes the active page of
// a showing page control, or when the page control (or an ancestor, or the
// form) starts showing while it is active. Native: a window of the program's
// own container class, a child of the tab control.
class TabSheet : public Control {
public:
    // parent must be a PageControl (std::invalid_argument otherwise).
    TabSheet(Control& parent, std::wstring name);

    ~TabSheet() override;

    PageControl& pageControl() const;
    int pageIndex() const;
    bool focusable() const override { return true; }
    bool focusedByClick() const override { return false; }

    Event onShow;

protected:
    void showingChanged(bool showing) override;
};

// Pages with visible tabs, or with hidden tabs that the program switches by
// making one active. Native: SysTabControl32 (without items while the tabs are
// hidden), its pages laid over its display area.
class PageControl : public Control {
public:
    // Space the native tab control's frame and tabs take around the pages.
    static constexpr int kFrameWidth = 4;
    static constexpr int kTabHeight = 20;

    PageControl(Control& parent, std::wstring name);
    ~PageControl() override;

    TabSheet& addPage(std::wstring name, const std::wstring& caption = {});
    int pageCount() const { return static_cast<int>(pages_.size()); }
    TabSheet& page(int index) const;

    TabSheet* activePage() const { return activePage_; }
    // Shows page (firing its onShow when the control is showing) and hides the
    // one before; never fires onChange. page must be one of this control's pages.
    void setActivePage(TabSheet& page);
    int activePageIndex() const;
    void setActivePageIndex(int index);
    // A user's choice of a tab (natively TCN_SELCHANGE): activates the page,
    // then fires onChange.
    void selectTab(int index);

    bool tabsVisible() const { return tabsVisible_; }
    void setTabsVisible(bool visible);
    // Where the pages lie within the control.
    Rect pageRect() const;

    bool focusable() const override { return true; }

    Event onChange;

    // For tab sheets.
    void pageAdded(TabSheet& page);
    void pageRemoved(TabSheet& page);

protected:
    void resized() override;

private:
    void layOutPages();

    std::vector<TabSheet*> pages_;
    TabSheet* activePage_ = nullptr;
    bool tabsVisible_ = true;
};

}  // namespace ui
