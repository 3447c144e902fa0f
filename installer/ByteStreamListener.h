#pragma once

// Told of every edit of a ByteStreamUpdater, so that its owner can move the
// byte positions it remembers. Positions are byte offsets from the start
// of the file.

#include <cstdint>

using BytePosition = std::int64_t;

class ByteStreamListener {
public:
    // Bytes [start, end) have been removed.
    virtual void removed(BytePosition start, BytePosition end) = 0;
    // length bytes have been inserted at position.
    virtual void inserted(BytePosition position, BytePosition length) = 0;
    virtual ~ByteStreamListener() = default;
};
