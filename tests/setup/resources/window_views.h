#pragma once

// What a user sees of the main window at one time: one wizard page with the
// button bar under it; the property page once per tab.

#include <string>
#include <vector>

#include "platform/text.h"
#include "setup/tarvex_form.h"

namespace setup::layout_check {

struct View {
    ui::TabSheet* page;
    ui::TabSheet* tab;  // of the property page; nullptr on the other pages
};

inline std::vector<View> everyView(const TfrmTarvex& window) {
    std::vector<View> views;
    for (int index = 0; index < window.PageControl1->pageCount(); ++index) {
        ui::TabSheet* page = &window.PageControl1->page(index);
        if (page == window.Page7) {
            for (int tab = 0; tab < window.PageControl2->pageCount(); ++tab) {
                views.push_back({page, &window.PageControl2->page(tab)});
            }
        } else {
            views.push_back({page, nullptr});
        }
    }
    return views;
}

// Makes the view current as the wizard does (its page-show handlers run);
// call it inside Application::deliver.
inline void makeCurrent(TfrmTarvex& window, const View& view) {
    window.PageControl1->setActivePage(*view.page);
    if (view.tab != nullptr) {
        window.PageControl2->setActivePage(*view.tab);
    }
}

inline std::string describe(const View& view) {
    return platform::toUtf8(view.page->name()) +
           (view.tab != nullptr ? " " + platform::toUtf8(view.tab->name()) : "");
}

}  // namespace setup::layout_check
