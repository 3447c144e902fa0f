#pragma once

// The schema block of an activity page: who does the activity and with
// what (the roles by responsibility, the steps, the work products used and
// produced, as a drawn schema or as three lists) followed by the activity's
// workflow picture with its clickable areas. The page writes it at the
// block's place in the page's order, given what it prepared for the
// activity (prefixes, folder, procedure link, template list, tooltip
// counter).
//
// The block is not written yet: its writer is the next step of the
// generator's work, and until it lands the block is left out of the page
// as an empty block is.

class ActivityPage;

class ActivitySchema {
public:
    explicit ActivitySchema(ActivityPage& page) : m_page(page) {}

    void write();

private:
    ActivityPage& m_page;
};
