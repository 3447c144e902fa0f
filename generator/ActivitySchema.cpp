#include "ActivitySchema.h"

#include "ActivityPage.h"

void ActivitySchema::write() {
    // Nothing yet: see the header.
    (void)m_page;
}
