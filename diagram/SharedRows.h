#pragma once

// The rows of an undo snapshot (one per object), kept in blocks that a
// snapshot shares with the one before it while they are equal. Each row
// holds an object's record line, itself shared with the object while the
// object is unchanged; so a snapshot taken after one entity moved costs a
// new line, one block and the block pointers, not a copy of the diagram.

#include <cstddef>
#include <memory>
#include <vector>

template <class Row> class SharedRows {
public:
    static constexpr size_t kBlockSize = 64;

    // The rows of count objects, row(i) giving the i-th; every block equal
    // to the same block of previous (when given) is that block.
    template <class MakeRow>
    static SharedRows build(size_t count, MakeRow&& row, const SharedRows* previous) {
        SharedRows rows;
        rows.m_size = count;
        rows.m_blocks.reserve((count + kBlockSize - 1) / kBlockSize);
        for (size_t first = 0; first < count; first += kBlockSize) {
            const size_t last = first + kBlockSize < count ? first + kBlockSize : count;
            const size_t b = first / kBlockSize;
            const Block* before =
                previous && b < previous->m_blocks.size() ? previous->m_blocks[b].get() : nullptr;
            auto block = std::make_shared<Block>();
            block->reserve(last - first);
            for (size_t i = first; i < last; ++i)
                block->push_back(
                    row(i, before && i - first < before->size() ? &(*before)[i - first] : nullptr));
            if (before && *before == *block)
                rows.m_blocks.push_back(previous->m_blocks[b]);
            else
                rows.m_blocks.push_back(std::move(block));
        }
        return rows;
    }

    size_t size() const { return m_size; }
    const Row& operator[](size_t index) const { return (*m_blocks[index / kBlockSize])[index % kBlockSize]; }

private:
    using Block = std::vector<Row>;
    std::vector<std::shared_ptr<const Block>> m_blocks;
    size_t m_size = 0;
};
