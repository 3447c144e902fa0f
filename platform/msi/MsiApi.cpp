// The installer calls, over the objects of the handle table.

#include "Msi.h"
#include "MsiCondition.h"
#include "MsiDatabaseObject.h"
#include "MsiFormatter.h"
#include "MsiHandles.h"
#include "MsiInstallContext.h"
#include "MsiPackage.h"
#include "MsiRecord.h"
#include "MsiSession.h"
#include "MsiText.h"
#include "MsiView.h"

namespace {

std::shared_ptr<MsiInstallContext> context(MSIHANDLE handle) {
    return MsiHandles::get<MsiInstallContext>(handle);
}

} // namespace

extern "C" {

UINT MsiGetPropertyW(MSIHANDLE install, const char16_t* name, char16_t* value, DWORD* length) {
    const auto ctx = context(install);
    if (!ctx)
        return ERROR_INVALID_HANDLE;
    if (!name)
        return ERROR_INVALID_PARAMETER;
    return msitext::copyOut(ctx->property(name), value, length);
}

UINT MsiSetPropertyW(MSIHANDLE install, const char16_t* name, const char16_t* value) {
    const auto ctx = context(install);
    if (!ctx)
        return ERROR_INVALID_HANDLE;
    if (!name || !*name)
        return ERROR_INVALID_PARAMETER;
    if (!ctx->isImmediate())
        return ERROR_FUNCTION_FAILED;
    ctx->session().setProperty(name, msitext::fromPointer(value));
    return ERROR_SUCCESS;
}

UINT MsiDoActionW(MSIHANDLE install, const char16_t* action) {
    const auto ctx = context(install);
    if (!ctx)
        return ERROR_INVALID_HANDLE;
    if (!action || !*action)
        return ERROR_INVALID_PARAMETER;
    if (!ctx->isImmediate())
        return ERROR_FUNCTION_FAILED;
    return ctx->session().doAction(action);
}

UINT MsiFormatRecordW(MSIHANDLE install, MSIHANDLE record, char16_t* result, DWORD* length) {
    const auto ctx = install ? context(install) : nullptr;
    const auto rec = MsiHandles::get<MsiRecord>(record);
    if ((install && !ctx) || !rec)
        return ERROR_INVALID_HANDLE;
    return msitext::copyOut(MsiFormatter::format(*rec, ctx.get()), result, length);
}

MSICONDITION MsiEvaluateConditionW(MSIHANDLE install, const char16_t* condition) {
    const auto ctx = context(install);
    if (!ctx)
        return MSICONDITION_ERROR;
    return MsiCondition::evaluate(msitext::fromPointer(condition), *ctx);
}

MSIDBSTATE MsiGetDatabaseState(MSIHANDLE database) {
    return MsiHandles::get<MsiDatabaseObject>(database) ? MSIDBSTATE_READ : MSIDBSTATE_ERROR;
}

MSIHANDLE MsiGetActiveDatabase(MSIHANDLE install) {
    const auto ctx = context(install);
    if (!ctx || !ctx->isImmediate() || !ctx->session().package())
        return 0;
    return MsiHandles::add(std::make_shared<MsiDatabaseObject>(ctx->session().package()));
}

UINT MsiDatabaseOpenViewW(MSIHANDLE database, const char16_t* query, MSIHANDLE* view) {
    const auto db = MsiHandles::get<MsiDatabaseObject>(database);
    if (!db)
        return ERROR_INVALID_HANDLE;
    if (!query || !view)
        return ERROR_INVALID_PARAMETER;
    auto opened = std::make_shared<MsiView>(db->package(), query);
    const UINT result = opened->open();
    if (result != ERROR_SUCCESS)
        return result;
    *view = MsiHandles::add(opened);
    return ERROR_SUCCESS;
}

UINT MsiViewExecute(MSIHANDLE view, MSIHANDLE parameters) {
    const auto v = MsiHandles::get<MsiView>(view);
    if (!v)
        return ERROR_INVALID_HANDLE;
    std::shared_ptr<MsiRecord> values;
    if (parameters && !(values = MsiHandles::get<MsiRecord>(parameters)))
        return ERROR_INVALID_HANDLE;
    return v->execute(values.get());
}

UINT MsiViewFetch(MSIHANDLE view, MSIHANDLE* record) {
    const auto v = MsiHandles::get<MsiView>(view);
    if (!v)
        return ERROR_INVALID_HANDLE;
    if (!record)
        return ERROR_INVALID_PARAMETER;
    std::shared_ptr<MsiRecord> row;
    const UINT result = v->fetch(row);
    if (result == ERROR_SUCCESS)
        *record = MsiHandles::add(row);
    return result;
}

UINT MsiViewClose(MSIHANDLE view) {
    const auto v = MsiHandles::get<MsiView>(view);
    return v ? v->close() : ERROR_INVALID_HANDLE;
}

UINT MsiViewGetColumnInfo(MSIHANDLE view, MSICOLINFO info, MSIHANDLE* record) {
    const auto v = MsiHandles::get<MsiView>(view);
    if (!v)
        return ERROR_INVALID_HANDLE;
    if (!record)
        return ERROR_INVALID_PARAMETER;
    const auto columns = v->columnInfo(info);
    if (!columns)
        return ERROR_INVALID_PARAMETER;
    *record = MsiHandles::add(columns);
    return ERROR_SUCCESS;
}

MSIHANDLE MsiCreateRecord(UINT fields) {
    if (fields > 65535)
        return 0;
    return MsiHandles::add(std::make_shared<MsiRecord>(fields));
}

UINT MsiRecordGetFieldCount(MSIHANDLE record) {
    const auto rec = MsiHandles::get<MsiRecord>(record);
    return rec ? rec->fieldCount() : static_cast<UINT>(-1);
}

UINT MsiRecordGetStringW(MSIHANDLE record, UINT field, char16_t* value, DWORD* length) {
    const auto rec = MsiHandles::get<MsiRecord>(record);
    if (!rec)
        return ERROR_INVALID_HANDLE;
    const auto text = rec->string(field);
    if (!text)
        return ERROR_INVALID_DATATYPE;
    return msitext::copyOut(*text, value, length);
}

int MsiRecordGetInteger(MSIHANDLE record, UINT field) {
    const auto rec = MsiHandles::get<MsiRecord>(record);
    return rec ? rec->integer(field) : MSI_NULL_INTEGER;
}

UINT MsiRecordSetStringW(MSIHANDLE record, UINT field, const char16_t* value) {
    const auto rec = MsiHandles::get<MsiRecord>(record);
    if (!rec)
        return ERROR_INVALID_HANDLE;
    return rec->setString(field, msitext::fromPointer(value)) ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
}

UINT MsiRecordSetInteger(MSIHANDLE record, UINT field, int value) {
    const auto rec = MsiHandles::get<MsiRecord>(record);
    if (!rec)
        return ERROR_INVALID_HANDLE;
    return rec->setInteger(field, value) ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
}

int MsiProcessMessage(MSIHANDLE install, INSTALLMESSAGE type, MSIHANDLE record) {
    const auto ctx = context(install);
    const auto rec = MsiHandles::get<MsiRecord>(record);
    if (!ctx || !rec)
        return -1;
    return ctx->session().processMessage(type, *rec, ctx.get());
}

UINT MsiCloseHandle(MSIHANDLE handle) {
    if (handle == 0)
        return ERROR_SUCCESS;
    return MsiHandles::close(handle) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

} // extern "C"
