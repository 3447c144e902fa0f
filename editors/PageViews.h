#pragma once

// Which view shows a page of a property sheet: each view is registered for
// the value class of its page (model/pages), subclasses included; the last
// registration that matches a page wins, so a view of a subclass
// registered after its base's takes its pages. A page without a view of
// its own is shown by PendingPageView.

#include <functional>

class PropertyPage;
class PropertyPageView;
class wxWindow;

namespace PageViews {

// Answers the view of the page, or null when the page is not of its class.
using Factory = std::function<PropertyPageView*(wxWindow* parent, PropertyPage& page)>;

void add(Factory factory);

template <class Page, class View> void add() {
    add([](wxWindow* parent, PropertyPage& page) -> PropertyPageView* {
        auto* typed = dynamic_cast<Page*>(&page);
        return typed ? new View(parent, *typed) : nullptr;
    });
}

// The view of the page, child of parent.
PropertyPageView* create(wxWindow* parent, PropertyPage& page);

} // namespace PageViews
