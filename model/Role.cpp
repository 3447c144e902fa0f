#include "Role.h"

Role::~Role() {
    m_activities->deleteAll();
    delete m_activities;
}
