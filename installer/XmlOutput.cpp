#include "XmlOutput.h"

#include "FileOps.h"
#include "XmlOutputErrorHandler.h"

#include "AtomicFileWriter.h"

namespace {

const std::u16string kSource = u"os\\XmlOutput";

} // namespace

XmlOutput::XmlOutput(XmlOutputErrorHandler* errorHandler, std::u16string fileName)
    : m_errorHandler(errorHandler), m_fileName(std::move(fileName)) {}

XmlOutput::~XmlOutput() = default;

void XmlOutput::reportError(int line, int kind) const {
    if (m_errorHandler)
        m_errorHandler->onError(kSource, line, kind, m_fileName, {});
}

void XmlOutput::setEncoding(int code) {
    if (code < 0) {
        reportError(108, XmlOutputErrorHandler::kUnknownEncoding);
        return;
    }
    m_encoding = XmlEncoding(code);
    m_writeBom = code == XmlEncoding::kUtf16;
}

void XmlOutput::open() {
    if (m_file)
        return;
    m_file = std::make_unique<AtomicFileWriter>(files::diskPath(m_fileName));
    if (!m_file->isOpen()) {
        m_file.reset();
        reportError(160, XmlOutputErrorHandler::kCannotCreate);
        return;
    }
    if (m_writeBom && !m_file->write("\xFF\xFE"))
        reportError(209, XmlOutputErrorHandler::kCannotWrite);
}

void XmlOutput::flush(bool closeAfter) {
    if (!m_buffer.empty()) {
        open();
        if (!m_file)
            return;
        if (!m_file->write(m_encoding.encode(m_buffer)))
            reportError(209, XmlOutputErrorHandler::kCannotWrite);
        m_buffer.clear();
    }
    if (closeAfter && m_file) {
        const bool committed = m_file->commit();
        m_file.reset();
        if (!committed)
            reportError(209, XmlOutputErrorHandler::kCannotWrite);
    }
}
