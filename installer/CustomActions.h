#pragma once

// The functions that the installer calls as custom actions, with C linkage:
// each takes the installation handle and answers an installer result.

#include "Msi.h"

#define TARNWICK_EXPORT extern "C" __attribute__((visibility("default")))

// Packs the data that the install action hands on (properties and the three
// update tables, no row filter) and stores it in the property
// "CustomActionData" of the running installation, so the deferred actions
// can then run as immediate actions on it.
TARNWICK_EXPORT UINT TestXmlUpdateDataReader(MSIHANDLE install);
