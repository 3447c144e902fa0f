#include "WorkflowDialogs.h"

namespace {
WorkflowDialogs* g_service = nullptr;
}

void WorkflowDialogs::install(WorkflowDialogs* service) {
    g_service = service;
}

WorkflowDialogs* WorkflowDialogs::current() {
    return g_service;
}
