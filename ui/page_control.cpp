#include "ui/page_control.h"

#include <algorithm>
#include <stdexcept>

#include "ui/form.h"

namespace ui {
namespace {

PageControl& pageControlOf(Control& parent) {
    auto* pages = dynamic_cast<PageControl*>(&parent);
    if (pages == nullptr) {
        throw std::invalid_argument("a tab sheet belongs to a page control");
    }
    return *pages;
}

}  // namespace

TabSheet::TabSheet(Control& parent, std::wstring name) : Control(parent, std::move(name)) {
    PageControl& pages = pageControlOf(parent);
    // Only the active page is visible; a new one waits until it is made active.
    setVisible(false);
    pages.pageAdded(*this);
}

TabSheet::~TabSheet() {
    pageControl().pageRemoved(*this);
}

PageControl& TabSheet::pageControl() const {
    return static_cast<PageControl&>(*parent());
}

int TabSheet::pageIndex() const {
    const PageControl& pages = pageControl();
    for (int index = 0; index < pages.pageCount(); ++index) {
        if (&pages.page(index) == this) {
            return index;
        }
    }
    return -1;
}

// A page of a wizard (a page control without tabs) gives the keyboard a place
// when it comes, as wizard pages do: its first usable control, unless its show
// handler placed the focus in it. With tabs the focus stays on the tab row, so
// that the arrow keys go on switching tabs.
void TabSheet::showingChanged(bool showing) {
    if (!showing) {
        return;
    }
    fire(onShow);
    if (!pageControl().tabsVisible() && this->showing()) {
        form().focusFirstWithin(*this);
    }
}

PageControl::PageControl(Control& parent, std::wstring name) : Control(parent, std::move(name)) {
    setTabStop(true);
}

// Pages made by addPage tell this control when they go; they must go while it is whole.
PageControl::~PageControl() {
    destroyOwnedChildren();
}

TabSheet& PageControl::addPage(std::wstring name, const std::wstring& caption) {
    TabSheet& sheet = add<TabSheet>(std::move(name));
    sheet.setCaption(caption);
    return sheet;
}

TabSheet& PageControl::page(int index) const {
    if (index < 0 || index >= pageCount()) {
        throw std::out_of_range("page " + std::to_string(index) + " of " +
                                std::to_string(pageCount()));
    }
    return *pages_[index];
}

void PageControl::setActivePage(TabSheet& page) {
    if (&page.pageControl() != this) {
        throw std::invalid_argument("the page belongs to another page control");
    }
    if (&page == activePage_) {
        return;
    }
    TabSheet* const previous = activePage_;
    activePage_ = &page;
    mirror(Property::ActivePage);
    if (previous != nullptr) {
        previous->hide();
    }
    page.show();
}

int PageControl::activePageIndex() const {
    return activePage_ != nullptr ? activePage_->pageIndex() : -1;
}

void PageControl::setActivePageIndex(int index) {
    setActivePage(page(index));
}

void PageControl::selectTab(int index) {
    setActivePageIndex(index);
    fire(onChange);
}

void PageControl::setTabsVisible(bool visible) {
    if (change(tabsVisible_, visible, Property::Appearance)) {
        layOutPages();
    }
}

Rect PageControl::pageRect() const {
    const int top = tabsVisible_ ? kTabHeight + kFrameWidth : kFrameWidth;
    return {kFrameWidth, top, width() - kFrameWidth, height() - kFrameWidth};
}

void PageControl::pageAdded(TabSheet& page) {
    pages_.push_back(&page);
    const Rect area = pageRect();
    page.setBounds(area.left, area.top, area.width(), area.height());
}

void PageControl::pageRemoved(TabSheet& page) {
    pages_.erase(std::remove(pages_.begin(), pages_.end(), &page), pages_.end());
    if (activePage_ == &page) {
        activePage_ = nullptr;
    }
}

void PageControl::layOutPages() {
    const Rect area = pageRect();
    for (TabSheet* page : pages_) {
        page->setBounds(area.left, area.top, area.width(), area.height());
    }
}

void PageControl::resized() {
    layOutPages();
}

}  // namespace ui
