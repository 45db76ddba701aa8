// Candidate enumeration for the lotto games: every ascending combination of the chosen pool,
// tested by the first stage before anything is copied.
#include <algorithm>

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
bool Narrows(const Data &d)
{
    return d.enabled && !d.nums.empty();
}

} // namespace

int AbstractFilterChain::DoFilter(NumberRowList &into)
{
    AbstractFilter *first = GetFirstFilter();
    const int k = frontCount;
    if (!first || k < kMinChoose || k > kMaxChoose) {
        return 0;
    }
    const std::wstring poolKey =
        (gameKey == L"Fc6Of33" || gameKey == L"Tc5Of35") ? L"baseNums_red" : L"baseNums";
    const Data &poolData = LookupCondition(nodeMap, poolKey);
    const Data &killed = LookupCondition(nodeMap, L"feiMa");

    // Killed numbers leave the pool only when that condition is enabled.
    std::vector<int> pool;
    for (int v : poolData.nums) {
        bool isKilled =
            killed.enabled && std::find(killed.nums.begin(), killed.nums.end(), v) != killed.nums.end();
        if (!isKilled) {
            pool.push_back(v);
        }
    }
    if (pool.empty()) {
        return 0;
    }
    int lo = pool.front();
    int hi = pool.back();
    const Data &first0 = LookupCondition(nodeMap, L"pos0");
    const Data &lastPos = LookupCondition(nodeMap, IndexedKey(L"pos", k - 1));
    const Data &minimum = LookupCondition(nodeMap, L"minimumNum");
    const Data &maximum = LookupCondition(nodeMap, L"maximumNum");
    if (Narrows(first0)) {
        lo = std::max(lo, SmallestValue(first0));
    }
    if (Narrows(lastPos)) {
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
    if (into.rowLength() > kRowBuffer) {
        return 0;
    }
    int buffer[kRowBuffer] = {};
    int kept = 0;
    ForEachCombination(cut, k, buffer, [&](const int *candidate) {
        int wrongCount = 0;
        if (first->FilterRow(candidate, k, wrongCount) != 0) {
            into.AddCopy(candidate);
            ++kept;
        }
    });
    return kept;
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
    if (!first || k < 1 || k > kMaxChoose || n < k || k != frontCount || into.rowLength() > kRowBuffer) {
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
                if (first->FilterRow(row, frontCount, wrongCount) != 0) {
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
