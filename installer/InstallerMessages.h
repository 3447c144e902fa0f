#pragma once

// How Tarnwick speaks to the installer: errors and warnings from an
// Exception, the action data that announces each file, and the catch
// sequence around one unit of work.

#include "Exception.h"

#include "Msi.h"

#include <exception>
#include <string>

namespace messages {

// Message numbers of the package's Error table.
constexpr int kParserUnavailable = 4110;
constexpr int kCannotOpen = 4111;
constexpr int kCannotRead = 4112;
constexpr int kParseError = 4113;
constexpr int kUnknownEncoding = 4114;
constexpr int kCannotCreate = 4115;
constexpr int kCannotWrite = 4116;
constexpr int kRootMismatch = 4117;

// An error message (the number in field 1, the arguments after it) or, for
// number 0, a warning with the text; nothing with the handle 0. The
// installer's answers and failures are ignored.
void report(const Exception& error, MSIHANDLE install);

// Announces the file about to be processed: 0, 1602 when the user answers
// Cancel or Abort, 1603 when the message cannot be built.
UINT sendActionData(MSIHANDLE install, const std::u16string& text);

// Runs one unit of work; an Exception that escapes it is reported, any
// other error ends it silently. False when anything escaped.
template <class Work> bool runGuarded(MSIHANDLE install, Work&& work) {
    try {
        work();
        return true;
    } catch (const std::exception&) {
    } catch (const Exception& error) {
        report(error, install);
    } catch (...) {
    }
    return false;
}

} // namespace messages
