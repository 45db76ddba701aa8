// Candidate enumeration for the lotto games: every ascending combination of the chosen pool,
// tested by the first stage before anything is copied.
#include <algorithm>
#include <cstdint>

#include "calculation/abstract_filter_chain.h"

namespace calculation {
namespace {

constexpr int kMinChoose = 2;
constexpr int kMaxChoose = 8;
constexpr int kCombineCap = 500000;
// Candidate buffers hold a whole stored row (front and back numbers), zero past the front.
constexpr int kRowBuffer = 16;

// Visits every ascending k-combination of pool in lexicographic order. The candidate buffer is
// updated in place from the rightmost position that can still advance, so a step costs O(1)
// amortised and nothing is allocated.
template <typename Visit>
void ForEachCombination(const std::vector<int> &pool, int k, int *candidate, Visit &&visit)
{
    const int m = static_cast<int>(pool.size());
    if (k < kMinChoose || k > kMaxChoose || m < k) {
        return;
    }
    int index[kMaxChoose];
    for (int j = 0; j < k; ++j) {
        index[j] = j;
        candidate[j] = pool[j];
    }
    for (;;) {
        visit(static_cast<const int *>(candidate));
        int j = k - 1;
        while (j >= 0 && index[j] == m - k + j) {
            --j;
        }
        if (j < 0) {
            return;
        }
        ++index[j];
        candidate[j] = pool[index[j]];
        for (int t = j + 1; t < k; ++t) {
            index[t] = index[t - 1] + 1;
            candidate[t] = pool[index[t]];
        }
    }
}

int SmallestValue(const Data &d)
{
    return *std::min_element(d.nums.begin(), d.nums.end());
}
int LargestValue(const Data &d)
{
    return *std::max_element(d.nums.begin(), d.nums.end());
}
// Fixed numbers of a position are never tolerated.
bool Fixes(const Data &d)
{
    return d.enabled && !d.nums.empty();
}
// A condition that no row may fail narrows the pool; a tolerated one does not, since a row that
// fails it may still pass.
bool Narrows(const Data &d)
{
    return Fixes(d) && !d.canBeWrong;
}

} // namespace

std::vector<int> AbstractFilterChain::FrontPool() const
{
    std::vector<int> pool;
    for (int v : LookupCondition(runRequest_.conditions, frontPoolKey_).nums) {
        // Only numbers of the game: a number a row cannot hold makes no candidate.
        if (frontMax_ <= 0 || (v >= lowestNumber_ && v - lowestNumber_ < frontMax_)) {
            pool.push_back(v);
        }
    }
    std::sort(pool.begin(), pool.end());
    pool.erase(std::unique(pool.begin(), pool.end()), pool.end());
    return pool;
}

long long AbstractFilterChain::DoFilter(const std::vector<int> &frontPool, NumberRowList &into,
                                        std::size_t storeAtMost) const
{
    AbstractFilter *first = GetFirstFilter();
    const int k = frontCount_;
    if (!first || k < kMinChoose || k > kMaxChoose || into.rowLength() > kRowBuffer) {
        return 0;
    }
    const DataMap &conditions = runRequest_.conditions;
    const Data &killed = LookupCondition(conditions, L"feiMa");
    // Killed numbers leave the pool only when that condition is enabled and not tolerated.
    std::vector<int> pool;
    for (int v : frontPool) {
        bool isKilled =
            Narrows(killed) && std::find(killed.nums.begin(), killed.nums.end(), v) != killed.nums.end();
        if (!isKilled) {
            pool.push_back(v);
        }
    }
    if (pool.empty()) {
        return 0;
    }
    int lo = pool.front();
    int hi = pool.back();
    const Data &first0 = LookupCondition(conditions, L"pos0");
    const Data &lastPos = LookupCondition(conditions, IndexedKey(L"pos", k - 1));
    const Data &minimum = LookupCondition(conditions, L"minimumNum");
    const Data &maximum = LookupCondition(conditions, L"maximumNum");
    if (Fixes(first0)) {
        lo = std::max(lo, SmallestValue(first0));
    }
    if (Fixes(lastPos)) {
        hi = std::min(hi, LargestValue(lastPos));
    }
    if (Narrows(minimum)) {
        lo = std::max(lo, SmallestValue(minimum));
    }
    if (Narrows(maximum)) {
        hi = std::min(hi, LargestValue(maximum));
    }
    // The cut only narrows the pool: the stages test the same conditions again.
    std::vector<int> cut;
    for (int v : pool) {
        if (v >= lo && v <= hi) {
            cut.push_back(v);
        }
    }
    const int m = static_cast<int>(cut.size());
    if (m < k) {
        return 0;
    }
    // after[i]: the numbers of the cut pool from index i on, what a prefix ending before i can
    // still take.
    std::vector<std::uint64_t> after(static_cast<std::size_t>(m) + 1, 0);
    for (int i = m - 1; i >= 0; --i) {
        after[static_cast<std::size_t>(i)] = after[static_cast<std::size_t>(i) + 1] | NumberBit(cut[i]);
    }
    int row[kRowBuffer] = {};
    long long survivors = 0;
    // Completions are told as masks of numbers 0..63, which every lotto pool fits.
    const bool judgesPrefixes = cut.front() >= 0 && cut.back() < 64;
    // Position by position: every prefix is announced to the stages once, the rows below it
    // share what the stages work out for it, and a prefix that can no longer pass is left with
    // its whole subtree. Told the numbers the last position takes, the stages judge those rows
    // all at once.
    // The row of the announced prefix with value as its last number, tested and kept.
    auto test = [&](int value) {
        row[k - 1] = value;
        int wrongCount = 0;
        if (first->FilterRow(row, k, wrongCount) != 0) {
            if (static_cast<std::size_t>(survivors) < storeAtMost) {
                into.AddCopy(row);
            }
            ++survivors;
        }
    };
    // The last position, after a prefix of k - 1 numbers whose last one is at index from - 1:
    // only the last numbers that the stages do not rule out for the whole prefix, in ascending
    // order as the pool holds them.
    auto lastNumbers = [&](int from) {
        if (!judgesPrefixes) {
            for (int i = from; i < m; ++i) {
                test(cut[i]);
            }
            return;
        }
        for (std::uint64_t left = first->LastNumbersMayPass(after[static_cast<std::size_t>(from)]); left != 0;
             left &= left - 1) {
            test(__builtin_ctzll(left));
        }
    };
    auto descend = [&](auto &&self, int level, int from) -> void {
        const int lastIndex = m - (k - level);
        const int left = k - level - 1;
        for (int i = from; i <= lastIndex; ++i) {
            row[level] = cut[i];
            first->BeginPrefix(row, level + 1);
            if (left == 1) {
                lastNumbers(i + 1);
                continue;
            }
            // With two numbers left, judging the prefix costs about what judging its last numbers
            // costs, which the masks do anyway.
            if (judgesPrefixes && left >= 3 &&
                !first->PrefixMayPass(Completion{after[static_cast<std::size_t>(i) + 1], left})) {
                continue;
            }
            self(self, level + 1, i + 1);
        }
    };
    descend(descend, 0, 0);
    first->EndPrefix();
    return survivors;
}

std::vector<std::vector<int>> AbstractFilterChain::cXy(const std::vector<int> &values, int x)
{
    std::vector<std::vector<int>> subsets;
    int buffer[kMaxChoose];
    ForEachCombination(values, x, buffer,
                       [&](const int *subset) { subsets.emplace_back(subset, subset + x); });
    return subsets;
}

int AbstractFilterChain::Combine(const std::vector<int> &values, int k, NumberRowList &into)
{
    AbstractFilter *first = GetFirstFilter();
    const int n = static_cast<int>(values.size());
    // The first stage reads frontCount numbers, so only rows of that length are formed.
    if (!first || k < 1 || k > kMaxChoose || n < k || k != frontCount_ || into.rowLength() > kRowBuffer) {
        return 0;
    }
    int index[kMaxChoose];
    int row[kRowBuffer] = {};
    int kept = 0;
    // Highest index first and descending at every level; once the cap is reached the level in
    // progress completes but no deeper level starts.
    auto descend = [&](auto &&self, int level, int below) -> void {
        for (int r = below - 1; r >= level; --r) {
            index[level] = r;
            if (level == 0) {
                for (int j = 0; j < k; ++j) {
                    row[j] = values[index[j]];
                }
                int wrongCount = 0;
                if (first->FilterRow(row, frontCount_, wrongCount) != 0) {
                    into.AddCopy(row);
                    ++kept;
                }
            } else if (kept < kCombineCap) {
                self(self, level - 1, r);
            }
        }
    };
    descend(descend, k - 1, n);
    return kept;
}

} // namespace calculation
