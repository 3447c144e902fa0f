#include "PropertySheet.h"

#include "EditingService.h"
#include "PropertyPage.h"
#include "WinTypes.h"

namespace {

EditingService* g_service = nullptr;

} // namespace

void EditingService::install(EditingService* service) { g_service = service; }

EditingService* EditingService::current() { return g_service; }

int PropertySheet::DoModal() {
    if (!g_service)
        return IDCANCEL;
    const int answer = g_service->runSheet(*this);
    if (answer == IDOK)
        for (PropertyPage* page : m_pages)
            page->onOK();
    return answer;
}
