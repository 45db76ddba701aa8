#include "calculation/number_row.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace calculation {
namespace {
// Blocks start small (a list of a few added rows stays small) and grow to a fixed size.
constexpr std::size_t kFirstBlockRows = 64;
constexpr std::size_t kMaxBlockRows = 8192;
// How many times a block doubles before it has the fixed size.
constexpr std::size_t kDoublings = std::bit_width(kMaxBlockRows / kFirstBlockRows) - 1;

// The rows of block index i: the sizes follow from the index, so a cleared arena walks its
// blocks again in the same order.
std::size_t RowsOfBlock(std::size_t index)
{
    return index >= kDoublings ? kMaxBlockRows : kFirstBlockRows << index;
}
} // namespace

RowArena::RowArena(int rowLength) : rowLength_(std::max(rowLength, 1)) {}

NumberRow RowArena::CopyRow(const int *row)
{
    if (blocks_.empty() || usedInBlock_ == RowsOfBlock(block_)) {
        block_ = blocks_.empty() ? 0 : block_ + 1;
        if (block_ == blocks_.size()) {
            blocks_.push_back(std::make_unique_for_overwrite<int[]>(RowsOfBlock(block_) *
                                                                    static_cast<std::size_t>(rowLength_)));
        }
        usedInBlock_ = 0;
    }
    int *slot = blocks_[block_].get() + usedInBlock_ * static_cast<std::size_t>(rowLength_);
    std::memcpy(slot, row, sizeof(int) * static_cast<std::size_t>(rowLength_));
    ++usedInBlock_;
    ++rowCount_;
    return slot;
}

void RowArena::Clear()
{
    rowCount_ = 0;
    block_ = 0;
    usedInBlock_ = 0;
}

std::size_t RowArena::heldBytes() const
{
    std::size_t rows = 0;
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
        rows += RowsOfBlock(i);
    }
    return rows * static_cast<std::size_t>(rowLength_) * sizeof(int);
}

bool NumberRowList::RemoveAt(std::size_t index)
{
    if (index >= rows_.size()) {
        return false;
    }
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

} // namespace calculation
