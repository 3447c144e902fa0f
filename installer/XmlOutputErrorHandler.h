#pragma once

// Raises the errors of the XML output side: it meets an encoding outside
// the encoding table (kind 0) or cannot create (kind 1) or write (kind 2)
// its file. One object serves the whole process.

#include <string>

class XmlOutputErrorHandler {
public:
    enum Kind { kUnknownEncoding = 0, kCannotCreate = 1, kCannotWrite = 2 };

    virtual ~XmlOutputErrorHandler() = default;
    // Throws the Exception of the kind (4114, or 4115 / 4116 with the path)
    // with the given source and line; returns for any other kind.
    virtual void onError(const std::u16string& source, int line, int kind, const std::u16string& path,
                         const std::u16string& unused);

    static XmlOutputErrorHandler& instance();
};
