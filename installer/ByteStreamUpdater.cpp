#include "ByteStreamUpdater.h"

#include "Exception.h"
#include "FileOps.h"
#include "InstallerMessages.h"

#include "AtomicFileWriter.h"

#include <algorithm>
#include <stdexcept>

namespace {

const std::u16string kSource = u"util\\ByteStreamUpdater";

} // namespace

void ByteStreamUpdater::setEncoding(int code) {
    if (code < 0)
        throw Exception(kSource, 30, messages::kUnknownEncoding);
    m_encoding = XmlEncoding(code, code == XmlEncoding::kUtf16 && m_encoding.bigEndian());
}

void ByteStreamUpdater::load(const std::u16string& path) {
    m_path = path;
    m_pieces.clear();
    m_inserted.clear();
    m_blockStart = -1;
    m_modified = false;
    if (!m_file.open(path))
        throw Exception(kSource, 41, messages::kCannotOpen, {path});
    const BytePosition size = m_file.size();
    if (size < 0)
        throw Exception(kSource, 46, messages::kCannotCreate, {path});
    if (size > 0)
        m_pieces.push_back({false, 0, size});
    reindex();
    char first[2] = {0, 0};
    const BytePosition count = std::min<BytePosition>(size, 2);
    copyBytes(0, first, count);
    m_encoding = XmlEncoding::detect(std::string_view(first, static_cast<size_t>(count)));
}

std::string_view ByteStreamUpdater::fileBlock(BytePosition offset) const {
    const BytePosition start = offset - offset % kBlockSize;
    if (start != m_blockStart) {
        m_blockStart = -1;
        m_block.resize(static_cast<size_t>(kBlockSize));
        const ssize_t read = m_file.readAt(m_block.data(), m_block.size(), start);
        if (read < 0)
            throw Exception(kSource, 55, messages::kCannotRead, {m_path});
        m_block.resize(static_cast<size_t>(read));
        m_blockStart = start;
    }
    return m_block;
}

bool ByteStreamUpdater::forEachStretch(const std::function<bool(std::string_view)>& take) const {
    for (const Piece& piece : m_pieces) {
        if (piece.inserted) {
            if (!take(std::string_view(m_inserted)
                          .substr(static_cast<size_t>(piece.offset), static_cast<size_t>(piece.length))))
                return false;
            continue;
        }
        for (BytePosition at = piece.offset; at < piece.offset + piece.length;) {
            const std::string_view block = fileBlock(at);
            const BytePosition local = at - m_blockStart;
            const BytePosition count =
                std::min(piece.offset + piece.length - at, static_cast<BytePosition>(block.size()) - local);
            if (count <= 0) // the file has become shorter than it was
                throw Exception(kSource, 55, messages::kCannotRead, {m_path});
            if (!take(block.substr(static_cast<size_t>(local), static_cast<size_t>(count))))
                return false;
            at += count;
        }
    }
    return true;
}

void ByteStreamUpdater::copyBytes(BytePosition pos, char* out, BytePosition count) const {
    for (size_t i = pieceAt(pos); count > 0 && i < m_pieces.size(); ++i) {
        const Piece& piece = m_pieces[i];
        const BytePosition local = pos - m_starts[i];
        for (BytePosition at = piece.offset + local; count > 0 && at < piece.offset + piece.length;) {
            BytePosition n = std::min(count, piece.offset + piece.length - at);
            const char* from = nullptr;
            if (piece.inserted) {
                from = m_inserted.data() + at;
            } else {
                const std::string_view block = fileBlock(at);
                n = std::min(n, static_cast<BytePosition>(block.size()) - (at - m_blockStart));
                if (n <= 0)
                    throw Exception(kSource, 55, messages::kCannotRead, {m_path});
                from = block.data() + (at - m_blockStart);
            }
            std::copy(from, from + n, out);
            out += n;
            at += n;
            pos += n;
            count -= n;
        }
    }
}

void ByteStreamUpdater::save(const std::u16string& path) const {
    AtomicFileWriter file(files::diskPath(path));
    if (!file.isOpen())
        throw Exception(kSource, 66, messages::kCannotCreate, {path});
    if (!forEachStretch([&](std::string_view stretch) { return file.write(stretch); }) || !file.commit())
        throw Exception(kSource, 77, messages::kCannotWrite, {path});
}

std::string ByteStreamUpdater::bytes() const {
    std::string out;
    out.reserve(static_cast<size_t>(m_size));
    forEachStretch([&](std::string_view stretch) {
        out += stretch;
        return true;
    });
    return out;
}

int ByteStreamUpdater::unitAt(BytePosition pos) const {
    const int unit = unitSize();
    if (pos < 0 || pos + unit > m_size)
        return -1;
    // Before any edit the bytes are the file's: the block read last most
    // often holds them.
    if (m_pieces.size() == 1 && !m_pieces[0].inserted && pos >= m_blockStart &&
        pos + unit <= m_blockStart + static_cast<BytePosition>(m_block.size()))
        return m_encoding.unitAt(m_block, pos - m_blockStart);
    char bytes[2];
    copyBytes(pos, bytes, unit);
    return m_encoding.unitAt(std::string_view(bytes, static_cast<size_t>(unit)), 0);
}

BytePosition ByteStreamUpdater::encodedLength(std::u16string_view text) const {
    return static_cast<BytePosition>(m_encoding.encode(text).size());
}

size_t ByteStreamUpdater::pieceAt(BytePosition pos) const {
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), pos);
    return after == m_starts.begin() ? 0 : static_cast<size_t>(after - m_starts.begin() - 1);
}

// Makes pos the start of a piece (or the end of the bytes).
void ByteStreamUpdater::splitAt(BytePosition pos) {
    if (pos <= 0 || pos >= m_size)
        return;
    const size_t i = pieceAt(pos);
    const BytePosition local = pos - m_starts[i];
    if (local == 0)
        return;
    Piece tail = m_pieces[i];
    tail.offset += local;
    tail.length -= local;
    m_pieces[i].length = local;
    m_pieces.insert(m_pieces.begin() + static_cast<std::ptrdiff_t>(i) + 1, tail);
    reindex();
}

void ByteStreamUpdater::reindex() {
    m_starts.resize(m_pieces.size());
    m_size = 0;
    for (size_t i = 0; i < m_pieces.size(); ++i) {
        m_starts[i] = m_size;
        m_size += m_pieces[i].length;
    }
}

void ByteStreamUpdater::remove(BytePosition start, BytePosition end) {
    if (start < 0 || start >= end)
        return;
    end = std::min(end, size());
    if (start >= end)
        return;
    splitAt(start);
    splitAt(end);
    const auto first = std::lower_bound(m_starts.begin(), m_starts.end(), start) - m_starts.begin();
    const auto last = std::lower_bound(m_starts.begin(), m_starts.end(), end) - m_starts.begin();
    m_pieces.erase(m_pieces.begin() + first, m_pieces.begin() + last);
    reindex();
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
    splitAt(position);
    const auto at = std::lower_bound(m_starts.begin(), m_starts.end(), position) - m_starts.begin();
    m_pieces.insert(m_pieces.begin() + at, {true, static_cast<BytePosition>(m_inserted.size()),
                                            static_cast<BytePosition>(encoded.size())});
    m_inserted += encoded;
    reindex();
    if (m_listener)
        m_listener->inserted(position, static_cast<BytePosition>(encoded.size()));
    m_modified = true;
}

void ByteStreamUpdater::replace(BytePosition start, BytePosition end, std::u16string_view text) {
    remove(start, end);
    insert(text, start);
}
