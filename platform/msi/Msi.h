#pragma once

// The installer calls that custom actions make, with the installer's names,
// arguments and results. Text is UTF-16 (char16_t); a buffer length counts
// characters. A call that fills a buffer answers ERROR_MORE_DATA with the
// needed length (without its terminating NUL) when the buffer is too small.
// The stand-in keeps the package, its properties and the installation
// script in memory (MsiSession); msihost drives it.

#include "WinTypes.h"

#include <climits>
#include <cstdint>

using MSIHANDLE = std::uint32_t;

// Results of the calls.
constexpr UINT ERROR_SUCCESS = 0;
constexpr UINT ERROR_INVALID_HANDLE = 6;
constexpr UINT ERROR_INVALID_PARAMETER = 87;
constexpr UINT ERROR_MORE_DATA = 234;
constexpr UINT ERROR_NO_MORE_ITEMS = 259;
constexpr UINT ERROR_INSTALL_USEREXIT = 1602;
constexpr UINT ERROR_INSTALL_FAILURE = 1603;
constexpr UINT ERROR_INVALID_HANDLE_STATE = 1609;
constexpr UINT ERROR_BAD_QUERY_SYNTAX = 1615;
constexpr UINT ERROR_FUNCTION_NOT_CALLED = 1626;
constexpr UINT ERROR_FUNCTION_FAILED = 1627;
constexpr UINT ERROR_INVALID_DATATYPE = 1804;

// The integer field of a record that holds nothing.
constexpr int MSI_NULL_INTEGER = INT_MIN;

enum MSICONDITION {
    MSICONDITION_FALSE = 0,
    MSICONDITION_TRUE = 1,
    MSICONDITION_NONE = 2, // an empty condition
    MSICONDITION_ERROR = 3,
};

enum MSIDBSTATE {
    MSIDBSTATE_ERROR = -1, // not a database handle (an installation handle, for one)
    MSIDBSTATE_READ = 0,
    MSIDBSTATE_WRITE = 1,
};

enum MSICOLINFO {
    MSICOLINFO_NAMES = 0,
    MSICOLINFO_TYPES = 1,
};

// The kind of a message sits in the high byte; the low bytes carry the
// message box style (buttons, icon, default button).
enum INSTALLMESSAGE : std::uint32_t {
    INSTALLMESSAGE_FATALEXIT = 0x00000000,
    INSTALLMESSAGE_ERROR = 0x01000000,
    INSTALLMESSAGE_WARNING = 0x02000000,
    INSTALLMESSAGE_USER = 0x03000000,
    INSTALLMESSAGE_INFO = 0x04000000,
    INSTALLMESSAGE_FILESINUSE = 0x05000000,
    INSTALLMESSAGE_RESOLVESOURCE = 0x06000000,
    INSTALLMESSAGE_OUTOFDISKSPACE = 0x07000000,
    INSTALLMESSAGE_ACTIONSTART = 0x08000000,
    INSTALLMESSAGE_ACTIONDATA = 0x09000000,
    INSTALLMESSAGE_PROGRESS = 0x0A000000,
    INSTALLMESSAGE_COMMONDATA = 0x0B000000,
};
constexpr std::uint32_t INSTALLMESSAGE_TYPEMASK = 0xFF000000;

// Installed and action states of a component, as conditions see them
// (?Component and $Component).
constexpr int INSTALLSTATE_UNKNOWN = -1;
constexpr int INSTALLSTATE_ABSENT = 2;
constexpr int INSTALLSTATE_LOCAL = 3;
constexpr int INSTALLSTATE_SOURCE = 4;

// Bits of the Type column of the CustomAction table that the stand-in knows.
constexpr int msidbCustomActionTypeDll = 0x0001; // a function of a library
constexpr int msidbCustomActionTypeTextData = 0x0003;
constexpr int msidbCustomActionTypeProperty = 0x0030; // with text data (51): a property set to formatted text
constexpr int msidbCustomActionTypeContinue = 0x0040;
constexpr int msidbCustomActionTypeRollback = 0x0100;
constexpr int msidbCustomActionTypeCommit = 0x0200;
constexpr int msidbCustomActionTypeInScript = 0x0400;

// A custom action function of a library.
using CustomActionEntry = UINT (*)(MSIHANDLE install);

extern "C" {

UINT MsiGetPropertyW(MSIHANDLE install, const char16_t* name, char16_t* value, DWORD* length);
// An empty or null value removes the property.
UINT MsiSetPropertyW(MSIHANDLE install, const char16_t* name, const char16_t* value);
// Runs an immediate action now; writes a deferred, rollback or commit action
// into the script with the value of the property bearing its name.
UINT MsiDoActionW(MSIHANDLE install, const char16_t* action);
UINT MsiFormatRecordW(MSIHANDLE install, MSIHANDLE record, char16_t* result, DWORD* length);
MSICONDITION MsiEvaluateConditionW(MSIHANDLE install, const char16_t* condition);

MSIDBSTATE MsiGetDatabaseState(MSIHANDLE database);
// A new handle on the package of a running installation; 0 in a deferred,
// rollback or commit action.
MSIHANDLE MsiGetActiveDatabase(MSIHANDLE install);
UINT MsiDatabaseOpenViewW(MSIHANDLE database, const char16_t* query, MSIHANDLE* view);
UINT MsiViewExecute(MSIHANDLE view, MSIHANDLE parameters);
UINT MsiViewFetch(MSIHANDLE view, MSIHANDLE* record);
UINT MsiViewClose(MSIHANDLE view);
UINT MsiViewGetColumnInfo(MSIHANDLE view, MSICOLINFO info, MSIHANDLE* record);

MSIHANDLE MsiCreateRecord(UINT fields);
// The number of fields (field 0 not counted); (UINT)-1 for a bad handle.
UINT MsiRecordGetFieldCount(MSIHANDLE record);
UINT MsiRecordGetStringW(MSIHANDLE record, UINT field, char16_t* value, DWORD* length);
int MsiRecordGetInteger(MSIHANDLE record, UINT field);
UINT MsiRecordSetStringW(MSIHANDLE record, UINT field, const char16_t* value);
UINT MsiRecordSetInteger(MSIHANDLE record, UINT field, int value);

// Sends a message to the user interface of the installation and answers
// what the user chose (IDOK, IDCANCEL ...), 0 when nothing was done with it,
// -1 on a bad handle or record.
int MsiProcessMessage(MSIHANDLE install, INSTALLMESSAGE type, MSIHANDLE record);

UINT MsiCloseHandle(MSIHANDLE handle);

} // extern "C"
