// Rotation matrices: reductions of a lotto game's candidate rows.
//
// The covering form walks the x-subsets of the pool in lexicographic order and, for each one
// that no kept row covers yet (shares at least y numbers with), keeps a row that covers it.
// Testing "covered" against every kept row is quadratic; instead every kept row marks, once,
// all the subsets it covers in a bit per subset, ranked by the combinatorial number system.
#include <algorithm>
#include <bit>
#include <cstdint>

#include "calculation/abstract_filter_chain.h"

namespace calculation {
namespace {

constexpr int kMaxPool = 64;

// Binomial coefficients C(n, k) for n, k < 65, saturating (only ranks below C(64, 8) are used).
class Binomials {
public:
    Binomials()
    {
        for (int n = 0; n <= kMaxPool; ++n) {
            table_[n][0] = 1;
            for (int k = 1; k <= n && k <= 8; ++k) {
                table_[n][k] = table_[n - 1][k - 1] + (k <= n - 1 ? table_[n - 1][k] : 0);
            }
        }
    }
    std::uint64_t operator()(int n, int k) const
    {
        return n < 0 || k < 0 || k > n || k > 8 ? 0 : table_[n][k];
    }

private:
    std::uint64_t table_[kMaxPool + 1][9] = {};
};

const Binomials &Choose()
{
    static const Binomials binomials;
    return binomials;
}

// Rank of an ascending index set in colexicographic order.
std::uint64_t Rank(const int *indexes, int x)
{
    std::uint64_t rank = 0;
    for (int i = 0; i < x; ++i) {
        rank += Choose()(indexes[i], i + 1);
    }
    return rank;
}

std::uint64_t RowMask(const int *row, int len, const int *poolIndex)
{
    std::uint64_t mask = 0;
    for (int i = 0; i < len; ++i) {
        int v = row[i];
        if (v >= 0 && v < kMaxPool && poolIndex[v] >= 0) {
            mask |= std::uint64_t{1} << poolIndex[v];
        }
    }
    return mask;
}

// Marks every x-subset of the pool (as pool indexes) that shares at least y members with the
// row's index set.
class CoverMarker {
public:
    CoverMarker(int poolSize, int x, int y, std::vector<bool> &covered)
        : poolSize_(poolSize), x_(x), y_(y), covered_(covered)
    {
    }

    void MarkFor(std::uint64_t rowIndexes)
    {
        inside_.clear();
        outside_.clear();
        for (int i = 0; i < poolSize_; ++i) {
            ((rowIndexes >> i) & 1U ? inside_ : outside_).push_back(i);
        }
        for (int shared = std::max(y_, 0); shared <= std::min<int>(x_, static_cast<int>(inside_.size()));
             ++shared) {
            ChooseFrom(inside_, shared, 0, 0,
                       [&] { ChooseFrom(outside_, x_ - shared, 0, shared, [&] { Mark(); }); });
        }
    }

private:
    template <typename Then>
    void ChooseFrom(const std::vector<int> &from, int count, int start, int depth, Then &&then)
    {
        if (count == 0) {
            then();
            return;
        }
        for (int i = start; i + count <= static_cast<int>(from.size()); ++i) {
            picked_[depth] = from[i];
            ChooseFrom(from, count - 1, i + 1, depth + 1, then);
        }
    }
    void Mark()
    {
        int sorted[8];
        const int x = std::clamp(x_, 0, 8);
        std::copy(picked_, picked_ + x, sorted);
        std::sort(sorted, sorted + x);
        covered_[Rank(sorted, x)] = true;
    }

    int poolSize_, x_, y_;
    std::vector<bool> &covered_;
    std::vector<int> inside_, outside_;
    int picked_[8] = {};
};

} // namespace

std::vector<NumberRow> AbstractFilterChain::RotateMatrix(const ZxBy &by)
{
    std::vector<NumberRow> kept;
    const int poolSize = static_cast<int>(by.baseNums.size());
    if (!by.rows || by.x < 2 || by.x > 8 || poolSize < by.x || poolSize > kMaxPool) {
        return kept;
    }
    int poolIndex[kMaxPool];
    std::fill(std::begin(poolIndex), std::end(poolIndex), -1);
    for (int i = 0; i < poolSize; ++i) {
        int v = by.baseNums[i];
        if (v < 0 || v >= kMaxPool) {
            return kept;
        }
        poolIndex[v] = i;
    }
    const std::vector<NumberRow> &rows = *by.rows;
    std::vector<std::uint64_t> rowMasks(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        rowMasks[r] = RowMask(rows[r], by.rowLen, poolIndex);
    }
    std::vector<bool> covered(Choose()(poolSize, by.x), false);
    CoverMarker marker(poolSize, by.x, by.y, covered);

    // The subsets in lexicographic order of their indexes.
    int index[8];
    for (int j = 0; j < by.x; ++j) {
        index[j] = j;
    }
    std::size_t start = 0;
    for (;;) {
        if (!covered[Rank(index, by.x)]) {
            std::uint64_t subset = 0;
            for (int j = 0; j < by.x; ++j) {
                subset |= std::uint64_t{1} << index[j];
            }
            // The second matching row from start is taken (and becomes the new start); a single
            // match is taken without moving start.
            std::size_t firstMatch = rows.size();
            std::size_t chosen = rows.size();
            for (std::size_t r = start; r < rows.size(); ++r) {
                if (std::popcount(rowMasks[r] & subset) >= by.y) {
                    if (firstMatch == rows.size()) {
                        firstMatch = r;
                    } else {
                        chosen = r;
                        start = r;
                        break;
                    }
                }
            }
            if (chosen == rows.size()) {
                chosen = firstMatch;
            }
            if (chosen < rows.size()) {
                kept.push_back(rows[chosen]);
                marker.MarkFor(rowMasks[chosen]);
            }
        }
        int j = by.x - 1;
        while (j >= 0 && index[j] == poolSize - by.x + j) {
            --j;
        }
        if (j < 0) {
            break;
        }
        ++index[j];
        for (int t = j + 1; t < by.x; ++t) {
            index[t] = index[t - 1] + 1;
        }
    }
    return kept;
}

std::vector<NumberRow> AbstractFilterChain::RotateMatrix(const ZxBy &by, int /*ignored*/)
{
    std::vector<NumberRow> kept;
    if (!by.rows) {
        return kept;
    }
    // A row is kept when every kept row shares fewer than y numbers with it, counting the row's
    // numbers found among the first x numbers of the kept row.
    std::vector<std::uint64_t> keptPrefixes;
    for (NumberRow row : *by.rows) {
        std::uint64_t rowMask = NumberMask(row, by.rowLen);
        bool spread = std::all_of(keptPrefixes.begin(), keptPrefixes.end(), [&](std::uint64_t prefix) {
            return std::popcount(rowMask & prefix) < by.y;
        });
        if (spread) {
            kept.push_back(row);
            keptPrefixes.push_back(NumberMask(row, std::min(by.x, by.rowLen)));
        }
    }
    return kept;
}

} // namespace calculation
