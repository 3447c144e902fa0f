#pragma once

// Reading texts from the installer: a first call with an empty buffer asks
// for the length, a second one with room for the whole value reads it.
// They never fail: a call that does not succeed gives the empty text.

#include "Msi.h"

#include <string>

namespace installer {

// The value of a property; empty when it is not set or the call fails.
std::u16string getProperty(MSIHANDLE install, const std::u16string& name);
// The text passed through the installer's formatting (properties in
// brackets replaced); empty for an empty text or any failed call.
std::u16string formatText(MSIHANDLE install, const std::u16string& text);
// The text of a record's field; empty when the call fails.
std::u16string recordString(MSIHANDLE record, UINT field);

} // namespace installer
