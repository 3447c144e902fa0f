#include "ByteStreamUpdater.h"

#include "Exception.h"
#include "FileRewriter.h"
#include "InstallerMessages.h"

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
    m_chunks.clear();
    m_inserted.clear();
    m_blockStart = -1;
    m_modified = false;
    if (!m_file.open(path))
        throw Exception(kSource, 41, messages::kCannotOpen, {path});
    const BytePosition size = m_file.size();
    if (size < 0)
        throw Exception(kSource, 46, messages::kCannotCreate, {path});
    if (size > 0)
        m_chunks.push_back({{{false, 0, size}}, size});
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
    for (const Chunk& chunk : m_chunks) {
        for (const Piece& piece : chunk.pieces) {
            if (piece.inserted) {
                if (!take(std::string_view(m_inserted)
                              .substr(static_cast<size_t>(piece.offset), static_cast<size_t>(piece.length))))
                    return false;
                continue;
            }
            for (BytePosition at = piece.offset; at < piece.offset + piece.length;) {
                const std::string_view block = fileBlock(at);
                const BytePosition local = at - m_blockStart;
                const BytePosition count = std::min(piece.offset + piece.length - at,
                                                    static_cast<BytePosition>(block.size()) - local);
                if (count <= 0) // the file has become shorter than it was
                    throw Exception(kSource, 55, messages::kCannotRead, {m_path});
                if (!take(block.substr(static_cast<size_t>(local), static_cast<size_t>(count))))
                    return false;
                at += count;
            }
        }
    }
    return true;
}

void ByteStreamUpdater::copyBytes(BytePosition pos, char* out, BytePosition count) const {
    if (count <= 0)
        return;
    Spot spot = locate(pos);
    for (size_t c = spot.chunk; count > 0 && c < m_chunks.size(); ++c) {
        const std::vector<Piece>& pieces = m_chunks[c].pieces;
        for (size_t i = c == spot.chunk ? spot.piece : 0; count > 0 && i < pieces.size(); ++i) {
            const Piece& piece = pieces[i];
            const BytePosition local = c == spot.chunk && i == spot.piece ? pos - spot.start : 0;
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
                count -= n;
            }
        }
    }
}

void ByteStreamUpdater::save(const std::u16string& path) const {
    FileRewriter file(path, FileRewriter::ReadOnly::Refuse);
    if (!file.isOpen())
        throw Exception(kSource, 66, messages::kCannotCreate, {path});
    // The many short stretches of a file edited in many places are gathered
    // into blocks, so that the file is written in few calls.
    std::string block;
    const auto writeBlock = [&] {
        const bool written = file.write(block);
        block.clear();
        return written;
    };
    const bool written = forEachStretch([&](std::string_view stretch) {
        block += stretch;
        return block.size() < static_cast<size_t>(kBlockSize) || writeBlock();
    });
    if (!written || !writeBlock() || !file.commit())
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
    // While the bytes are one stretch of the file (before any edit, or after
    // edits that only cut its ends), the block read last most often holds
    // them; the stretch need not start where the file does.
    if (m_chunks.size() == 1 && m_chunks[0].pieces.size() == 1 && !m_chunks[0].pieces[0].inserted) {
        const BytePosition at = m_chunks[0].pieces[0].offset + pos;
        if (at >= m_blockStart && at + unit <= m_blockStart + static_cast<BytePosition>(m_block.size()))
            return m_encoding.unitAt(m_block, at - m_blockStart);
    }
    char bytes[2];
    copyBytes(pos, bytes, unit);
    return m_encoding.unitAt(std::string_view(bytes, static_cast<size_t>(unit)), 0);
}

BytePosition ByteStreamUpdater::encodedLength(std::u16string_view text) const {
    return static_cast<BytePosition>(m_encoding.encode(text).size());
}

ByteStreamUpdater::Spot ByteStreamUpdater::locate(BytePosition pos) const {
    const auto after = std::upper_bound(m_chunkStarts.begin(), m_chunkStarts.end(), pos);
    const size_t chunk =
        after == m_chunkStarts.begin() ? 0 : static_cast<size_t>(after - m_chunkStarts.begin() - 1);
    BytePosition start = m_chunkStarts[chunk];
    const std::vector<Piece>& pieces = m_chunks[chunk].pieces;
    size_t i = 0;
    while (i + 1 < pieces.size() && pos >= start + pieces[i].length)
        start += pieces[i++].length;
    return {chunk, i, start};
}

void ByteStreamUpdater::splitAt(BytePosition pos) {
    if (pos <= 0 || pos >= m_size)
        return;
    const Spot spot = locate(pos);
    const BytePosition local = pos - spot.start;
    if (local == 0)
        return;
    std::vector<Piece>& pieces = m_chunks[spot.chunk].pieces;
    Piece tail = pieces[spot.piece];
    tail.offset += local;
    tail.length -= local;
    pieces[spot.piece].length = local;
    pieces.insert(pieces.begin() + static_cast<std::ptrdiff_t>(spot.piece) + 1, tail);
    balance(spot.chunk);
}

void ByteStreamUpdater::balance(size_t chunk) {
    std::vector<Piece>& pieces = m_chunks[chunk].pieces;
    if (pieces.size() <= 2 * kChunkPieces)
        return;
    Chunk tail;
    tail.pieces.assign(pieces.begin() + kChunkPieces, pieces.end());
    pieces.resize(kChunkPieces);
    for (const Piece& piece : tail.pieces)
        tail.length += piece.length;
    m_chunks[chunk].length -= tail.length;
    m_chunks.insert(m_chunks.begin() + static_cast<std::ptrdiff_t>(chunk) + 1, std::move(tail));
    reindex();
}

void ByteStreamUpdater::reindex() {
    m_chunkStarts.resize(m_chunks.size());
    m_size = 0;
    for (size_t i = 0; i < m_chunks.size(); ++i) {
        m_chunkStarts[i] = m_size;
        m_size += m_chunks[i].length;
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
    // Whole pieces from start up to end, across chunks; a chunk left
    // without pieces goes.
    const Spot spot = locate(start);
    BytePosition left = end - start;
    for (size_t c = spot.chunk, first = spot.piece; left > 0 && c < m_chunks.size(); first = 0) {
        Chunk& chunk = m_chunks[c];
        size_t last = first;
        for (; last < chunk.pieces.size() && left > 0; ++last) {
            left -= chunk.pieces[last].length;
            chunk.length -= chunk.pieces[last].length;
        }
        chunk.pieces.erase(chunk.pieces.begin() + static_cast<std::ptrdiff_t>(first),
                           chunk.pieces.begin() + static_cast<std::ptrdiff_t>(last));
        if (chunk.pieces.empty())
            m_chunks.erase(m_chunks.begin() + static_cast<std::ptrdiff_t>(c));
        else
            ++c;
    }
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
    const Piece piece{true, static_cast<BytePosition>(m_inserted.size()),
                      static_cast<BytePosition>(encoded.size())};
    splitAt(position);
    size_t chunk = 0;
    if (position == m_size) {
        if (m_chunks.empty())
            m_chunks.emplace_back();
        chunk = m_chunks.size() - 1;
        m_chunks[chunk].pieces.push_back(piece);
    } else {
        const Spot spot = locate(position);
        chunk = spot.chunk;
        m_chunks[chunk].pieces.insert(
            m_chunks[chunk].pieces.begin() + static_cast<std::ptrdiff_t>(spot.piece), piece);
    }
    m_chunks[chunk].length += piece.length;
    m_inserted += encoded;
    reindex();
    balance(chunk);
    if (m_listener)
        m_listener->inserted(position, piece.length);
    m_modified = true;
}

void ByteStreamUpdater::replace(BytePosition start, BytePosition end, std::u16string_view text) {
    remove(start, end);
    insert(text, start);
}
