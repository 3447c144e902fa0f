#include "ByteStreamUpdater.h"

#include "Exception.h"
#include "FileOps.h"
#include "InputFile.h"
#include "InstallerMessages.h"

#include "AtomicFileWriter.h"

#include <stdexcept>
#include <sys/stat.h>

namespace {

const std::u16string kSource = u"util\\ByteStreamUpdater";

} // namespace

void ByteStreamUpdater::setEncoding(int code) {
    if (code < 0)
        throw Exception(kSource, 30, messages::kUnknownEncoding);
    m_encoding = XmlEncoding(code, code == XmlEncoding::kUtf16 && m_encoding.bigEndian());
}

void ByteStreamUpdater::load(const std::u16string& path) {
    InputFile file;
    if (!file.open(path))
        throw Exception(kSource, 41, messages::kCannotOpen, {path});
    struct stat info;
    if (stat(files::diskPath(path).c_str(), &info) != 0)
        throw Exception(kSource, 46, messages::kCannotCreate, {path});
    std::string bytes(static_cast<size_t>(info.st_size), '\0');
    const ssize_t read = file.read(bytes.data(), bytes.size());
    if (read < 0 || static_cast<size_t>(read) != bytes.size())
        throw Exception(kSource, 55, messages::kCannotRead, {path});
    m_bytes = std::move(bytes);
    m_encoding = XmlEncoding::detect(m_bytes);
    m_modified = false;
}

void ByteStreamUpdater::save(const std::u16string& path) const {
    AtomicFileWriter file(files::diskPath(path));
    if (!file.isOpen())
        throw Exception(kSource, 66, messages::kCannotCreate, {path});
    if (!file.write(m_bytes) || !file.commit())
        throw Exception(kSource, 77, messages::kCannotWrite, {path});
}

BytePosition ByteStreamUpdater::encodedLength(std::u16string_view text) const {
    return static_cast<BytePosition>(m_encoding.encode(text).size());
}

void ByteStreamUpdater::remove(BytePosition start, BytePosition end) {
    if (start < 0 || start >= end)
        return;
    end = std::min(end, size());
    if (start >= end)
        return;
    m_bytes.erase(static_cast<size_t>(start), static_cast<size_t>(end - start));
    if (m_listener)
        m_listener->removed(start, end);
    m_modified = true;
}

void ByteStreamUpdater::insert(std::u16string_view text, BytePosition position) {
    if (text.empty())
        return;
    if (position < 0 || position > size())
        throw std::out_of_range("insertion outside the file");
    const std::string encoded = m_encoding.encode(text);
    m_bytes.insert(static_cast<size_t>(position), encoded);
    if (m_listener)
        m_listener->inserted(position, static_cast<BytePosition>(encoded.size()));
    m_modified = true;
}

void ByteStreamUpdater::replace(BytePosition start, BytePosition end, std::u16string_view text) {
    remove(start, end);
    insert(text, start);
}
