#pragma once

// An output file of XML text: the text is collected in memory and written
// at flush, converted to the file's encoding (UTF-16 with a byte order
// mark, low byte first). The file is replaced whole when it is closed, so
// a failure never leaves half a file; until then nothing is on disk.
// Failures go to the error handler, which throws.

#include "XmlEncoding.h"

#include <memory>
#include <string>
#include <string_view>

class AtomicFileWriter;
class XmlOutputErrorHandler;

class XmlOutput {
public:
    XmlOutput(XmlOutputErrorHandler* errorHandler, std::u16string fileName);
    ~XmlOutput();
    XmlOutput(const XmlOutput&) = delete;
    XmlOutput& operator=(const XmlOutput&) = delete;

    // A code of the encoding table; -1 is reported as an unknown encoding.
    void setEncoding(int code);
    const XmlEncoding& encoding() const { return m_encoding; }
    void write(std::u16string_view text) { m_buffer += text; }
    // Writes the text collected so far (opening the file first); with
    // closeAfter the file then takes its place on disk.
    void flush(bool closeAfter);
    const std::u16string& buffer() const { return m_buffer; }
    const std::u16string& fileName() const { return m_fileName; }

protected:
    void reportError(int line, int kind) const;

private:
    void open();

    XmlOutputErrorHandler* m_errorHandler;
    std::u16string m_fileName;
    std::unique_ptr<AtomicFileWriter> m_file;
    std::u16string m_buffer;
    bool m_writeBom = false;
    XmlEncoding m_encoding;
};
