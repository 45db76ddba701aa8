#include "calculation/number_row.h"

#include <algorithm>
#include <cstring>

namespace calculation {
namespace {
// Blocks start small (a list of a few added rows stays small) and grow to a fixed size.
constexpr std::size_t kFirstBlockRows = 64;
constexpr std::size_t kMaxBlockRows = 8192;
} // namespace

RowArena::RowArena(int rowLength) : rowLength_(std::max(rowLength, 1)) {}

NumberRow RowArena::CopyRow(const int *row)
{
    if (blocks_.empty() || usedInBlock_ == blockRows_) {
        blockRows_ = blocks_.empty() ? kFirstBlockRows : std::min(blockRows_ * 2, kMaxBlockRows);
        blocks_.push_back(
            std::make_unique_for_overwrite<int[]>(blockRows_ * static_cast<std::size_t>(rowLength_)));
        usedInBlock_ = 0;
    }
    int *slot = blocks_.back().get() + usedInBlock_ * static_cast<std::size_t>(rowLength_);
    std::memcpy(slot, row, sizeof(int) * static_cast<std::size_t>(rowLength_));
    ++usedInBlock_;
    ++rowCount_;
    return slot;
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
