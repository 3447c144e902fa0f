#include "XmlOutputErrorHandler.h"

#include "Exception.h"
#include "InstallerMessages.h"

void XmlOutputErrorHandler::onError(const std::u16string& source, int line, int kind,
                                    const std::u16string& path, const std::u16string&) {
    switch (kind) {
    case kUnknownEncoding:
        throw Exception(source, line, messages::kUnknownEncoding);
    case kCannotCreate:
        throw Exception(source, line, messages::kCannotCreate, {path});
    case kCannotWrite:
        throw Exception(source, line, messages::kCannotWrite, {path});
    default:
        return;
    }
}

XmlOutputErrorHandler& XmlOutputErrorHandler::instance() {
    static XmlOutputErrorHandler handler;
    return handler;
}
