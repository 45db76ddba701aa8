/// \file
/// \brief Result rows: the arena that owns a run's rows and the lists that refer to them.
///
/// A run may test up to 2·10⁷ candidates and keep a large share of them, so rows are not
/// allocated one by one: a RowArena hands out rows from blocks with stable addresses, and
/// releasing a run is releasing its arena. Lists hold plain pointers into arenas. A cleared
/// list keeps its memory, so that a chain's next run can fill it again without new pages.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "calculation/calculation_export.h"

namespace calculation {

/// One bet: the game's positions in order (lotto games: front numbers, then back numbers).
/// Its length is the chain's frontCount + backCount.
using NumberRow = int *;

class CALCULATION_EXPORT RowArena {
public:
    explicit RowArena(int rowLength);
    RowArena(RowArena &&) noexcept = default;
    RowArena &operator=(RowArena &&) noexcept = default;
    RowArena(const RowArena &) = delete;
    RowArena &operator=(const RowArena &) = delete;

    int rowLength() const { return rowLength_; }
    /// A new row holding a copy of the first rowLength() values of row.
    NumberRow CopyRow(const int *row);
    std::size_t rowCount() const { return rowCount_; }
    /// Forgets every row but keeps the blocks, which the next rows fill from the first.
    void Clear();
    /// The bytes of the blocks held, used or not.
    std::size_t heldBytes() const;

private:
    int rowLength_;
    std::size_t rowCount_ = 0;
    std::size_t block_ = 0; // the block being filled
    std::size_t usedInBlock_ = 0;
    std::vector<std::unique_ptr<int[]>> blocks_;
};

/// An ordered list of rows. The rows it made itself (AddCopy) live in its own arena and go with
/// it; rows it refers to (AddRef) belong to another list of the same run.
class CALCULATION_EXPORT NumberRowList {
public:
    explicit NumberRowList(int rowLength) : arena_(rowLength) {}

    int rowLength() const { return arena_.rowLength(); }
    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    NumberRow at(std::size_t index) const { return rows_[index]; }
    const std::vector<NumberRow> &rows() const { return rows_; }

    /// Appends a copy of row that this list owns.
    NumberRow AddCopy(const int *row)
    {
        NumberRow copy = arena_.CopyRow(row);
        rows_.push_back(copy);
        return copy;
    }
    /// Makes room for rows entries, so that appending them moves no reference.
    void Reserve(std::size_t rows) { rows_.reserve(rows); }
    /// Appends a row owned elsewhere (a search list referring to result rows).
    void AddRef(NumberRow row) { rows_.push_back(row); }
    /// Removes the entry at index; out of range changes nothing. The row's memory stays with its
    /// owner, another list may still show it.
    bool RemoveAt(std::size_t index);
    /// Empties the list. Its rows are gone, but their memory stays for the rows added next;
    /// call it only when no other list refers to its rows.
    void Clear()
    {
        rows_.clear();
        arena_.Clear();
    }
    /// The bytes the list holds for rows and references, used or not.
    std::size_t heldBytes() const { return arena_.heldBytes() + rows_.capacity() * sizeof(NumberRow); }

private:
    RowArena arena_;
    std::vector<NumberRow> rows_;
};

} // namespace calculation
