#pragma once

// An existing target file, edited in place as bytes: byte ranges are
// removed and text is inserted, encoded in the file's own encoding, so that
// everything the edits do not touch (formatting, comments, references, the
// declaration, the byte order mark) stays byte for byte. Every edit is told
// to the listener.
//
// The file's form comes from its first bytes, as the parser detects it:
// UTF-16 with or without a byte order mark, in either byte order, stays
// UTF-16 in that byte order; other files are UTF-8 until the declaration
// names their encoding (setEncoding). Callers look at the bytes in code
// units (unitAt), so markup characters are found at character boundaries
// in UTF-16 files too, and text is only ever inserted there.
//
// The file is not held in memory: it stays open and its bytes are read
// where they are looked at, while the edits are kept as a list of pieces
// (stretches of the file and inserted text). A large file is so patched
// with little memory, and an edit costs nothing like the file's size.

#include "ByteStreamListener.h"
#include "InputFile.h"
#include "XmlEncoding.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class ByteStreamUpdater {
public:
    explicit ByteStreamUpdater(ByteStreamListener* listener) : m_listener(listener) {}
    ByteStreamUpdater(const ByteStreamUpdater&) = delete;
    ByteStreamUpdater& operator=(const ByteStreamUpdater&) = delete;

    // The code of the encoding table that the declaration names; -1 (a name
    // outside the table) is error 4114. UTF-16 keeps the byte order found.
    void setEncoding(int code);
    const XmlEncoding& encoding() const { return m_encoding; }

    // Opens the file and detects its form (4111, 4115, 4112 on failure).
    void load(const std::u16string& path);
    // Gives the file the bytes, keeping its owner, group, mode and links
    // (FileRewriter): 4115 for a file the run cannot write or a read-only
    // one, 4116 when writing fails, 4112 when the file read at load can no
    // longer be read. Nothing is written before the bytes are all there.
    void save(const std::u16string& path) const;
    bool modified() const { return m_modified; }
    // The bytes as they are now, built when asked.
    std::string bytes() const;
    BytePosition size() const { return m_size; }

    int unitSize() const { return m_encoding.unitSize(); }
    // The code unit at pos; -1 outside the file (4112 when it cannot be read).
    int unitAt(BytePosition pos) const;
    BytePosition encodedLength(std::u16string_view text) const;

    // Removes [start, end) (end cut to the size); nothing when start is not
    // below end.
    void remove(BytePosition start, BytePosition end);
    // Inserts the encoded text before the byte at position; nothing for an
    // empty text. A position outside the file is std::out_of_range.
    void insert(std::u16string_view text, BytePosition position);
    void replace(BytePosition start, BytePosition end, std::u16string_view text);

private:
    // A stretch of the file as loaded, or of the inserted bytes.
    struct Piece {
        bool inserted;
        BytePosition offset;
        BytePosition length;
    };
    // The pieces are kept in chunks of a few hundred, each knowing its
    // length, so that finding, splitting, inserting and removing a piece
    // costs the chunk and the list of chunks, never every piece: a file
    // that gets many edits stays as quick to patch as one that gets few.
    struct Chunk {
        std::vector<Piece> pieces;
        BytePosition length = 0;
    };
    // Where a piece lies: its chunk, its index there and where it begins now.
    struct Spot {
        size_t chunk;
        size_t piece;
        BytePosition start;
    };
    static constexpr BytePosition kBlockSize = 65536;
    static constexpr size_t kChunkPieces = 256;

    // Hands the bytes in order, in stretches, to take; false when take refused one.
    bool forEachStretch(const std::function<bool(std::string_view)>& take) const;
    // Copies count bytes from pos into out (count stays within the file).
    void copyBytes(BytePosition pos, char* out, BytePosition count) const;
    // The block of the loaded file that holds offset, read when needed.
    std::string_view fileBlock(BytePosition offset) const;
    // The piece that holds the byte at pos (0 <= pos < size).
    Spot locate(BytePosition pos) const;
    // Makes pos the start of a piece (or the end of the bytes).
    void splitAt(BytePosition pos);
    // Splits a chunk that has grown too long in two.
    void balance(size_t chunk);
    void reindex();

    ByteStreamListener* m_listener;
    std::u16string m_path;
    InputFile m_file;
    std::string m_inserted;
    std::vector<Chunk> m_chunks;
    std::vector<BytePosition> m_chunkStarts; // where each chunk begins now
    BytePosition m_size = 0;
    XmlEncoding m_encoding;
    bool m_modified = false;
    mutable std::string m_block;
    mutable BytePosition m_blockStart = -1;
};
