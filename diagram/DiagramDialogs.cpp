#include "DiagramDialogs.h"

namespace {
DiagramDialogs* g_service = nullptr;
}

void DiagramDialogs::install(DiagramDialogs* service) {
    g_service = service;
}

DiagramDialogs* DiagramDialogs::current() {
    return g_service;
}
