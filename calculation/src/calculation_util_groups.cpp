// Run and group codes (consecutive numbers, repeats, same tails) and the condition checks on them.
//
// Every code comes from one encoder: walk the values in order, link neighbours by a rule, and
// write, for each group size in ascending order, the number of groups of that size followed by
// the size. The named members only choose the values (the row, its last digits), whether they
// are sorted first, and the link rule. The pages list these codes, so their values are fixed.
#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstdint>

#include "calculation/calculation_util.h"

namespace calculation {
namespace {

/// Rows up to this length are grouped in stack buffers (a sorted copy, a size tally); longer
/// rows take a slower path that needs no buffer at all, so no length can overrun one.
constexpr int kBufferedRow = 16;

/// Decimal code built from (count, size) pairs; a code that does not fit an int saturates.
class CodeWriter {
public:
    void Append(int count, int size)
    {
        AppendNumber(count);
        AppendNumber(size);
    }
    int value() const { return overflow_ ? INT_MAX : static_cast<int>(code_); }

private:
    void AppendNumber(int number)
    {
        long long scale = 1;
        for (int rest = number; rest > 0; rest /= 10) {
            scale *= 10;
        }
        if (overflow_ || code_ > (INT_MAX - number) / scale) {
            overflow_ = true;
            return;
        }
        code_ = code_ * scale + number;
    }

    long long code_ = 0;
    bool overflow_ = false;
};

/// The group code of the groups that forEachGroup reports (it calls its visitor with the size
/// of every group, sizes 2..n, and may be called more than once).
template <class ForEachGroup> int EncodeGroups(int n, ForEachGroup forEachGroup)
{
    CodeWriter writer;
    if (n <= kBufferedRow) {
        std::array<int, kBufferedRow + 1> tally{};
        forEachGroup([&tally](int size) { ++tally[static_cast<std::size_t>(size)]; });
        for (int size = 2; size <= n; ++size) {
            if (tally[static_cast<std::size_t>(size)] > 0) {
                writer.Append(tally[static_cast<std::size_t>(size)], size);
            }
        }
        return writer.value();
    }
    // Long rows: one walk per distinct size, smallest first.
    for (int previous = 1;;) {
        int size = INT_MAX;
        int count = 0;
        forEachGroup([&](int groupSize) {
            if (groupSize > previous && groupSize < size) {
                size = groupSize;
                count = 1;
            } else if (groupSize == size) {
                ++count;
            }
        });
        if (count == 0) {
            return writer.value();
        }
        writer.Append(count, size);
        previous = size;
    }
}

/// Reports the maximal chains of linked neighbours in values[0..n-1] as held.
template <class Linked, class Visit> void ForEachChain(const int *values, int n, Linked linked, Visit visit)
{
    int length = 1;
    for (int i = 1; i <= n; ++i) {
        if (i < n && linked(values[i - 1], values[i])) {
            ++length;
            continue;
        }
        if (length >= 2) {
            visit(length);
        }
        length = 1;
    }
}

bool StepUp(int previous, int next)
{
    return static_cast<long long>(next) - previous == 1;
}

bool Equal(int a, int b)
{
    return a == b;
}

int Tail(int v)
{
    return v % 10;
}

int Identity(int v)
{
    return v;
}

/// The run code of values as held: next - previous == 1 links.
int RunCode(const int *values, int n)
{
    return EncodeGroups(n, [values, n](auto visit) { ForEachChain(values, n, StepUp, visit); });
}

/// Occurrences of each key when every key lies in 0..63 (every tail, digit and lotto number):
/// repeats are then counted in one pass instead of by sorting or comparing pairs.
class SmallKeyTally {
public:
    template <class Key> bool Fill(const int *row, int n, Key key)
    {
        if (n > UINT8_MAX) {
            return false;
        }
        for (int i = 0; i < n; ++i) {
            int k = key(row[i]);
            if (k < 0 || k >= 64) {
                return false;
            }
            ++counts_[static_cast<std::size_t>(k)];
            present_ |= std::uint64_t{1} << k;
        }
        keys_ = std::max(n, 0);
        return true;
    }
    int count(int key) const { return key >= 0 && key < 64 ? counts_[static_cast<std::size_t>(key)] : 0; }
    bool allDistinct() const { return std::popcount(present_) == keys_; }
    template <class Visit> void ForEachGroup(Visit visit) const
    {
        for (std::uint64_t rest = present_; rest != 0; rest &= rest - 1) {
            int occurrences = counts_[static_cast<std::size_t>(std::countr_zero(rest))];
            if (occurrences >= 2) {
                visit(occurrences);
            }
        }
    }

private:
    std::array<std::uint8_t, 64> counts_{};
    std::uint64_t present_ = 0;
    int keys_ = 0;
};

/// The code of equal keys once sorted: each key occurring L >= 2 times is one group of L.
template <class Key> int EqualKeyCode(const int *row, int n, Key key)
{
    SmallKeyTally tally;
    if (tally.Fill(row, n, key)) {
        return EncodeGroups(n, [&tally](auto visit) { tally.ForEachGroup(visit); });
    }
    if (n <= kBufferedRow) {
        std::array<int, kBufferedRow> keys{};
        for (int i = 0; i < n; ++i) {
            keys[static_cast<std::size_t>(i)] = key(row[i]);
        }
        std::sort(keys.begin(), keys.begin() + std::max(n, 0));
        return EncodeGroups(n, [&keys, n](auto visit) { ForEachChain(keys.data(), n, Equal, visit); });
    }
    // Without a sorted copy: a key's group is found at its first occurrence.
    return EncodeGroups(n, [row, n, key](auto visit) {
        for (int i = 0; i < n; ++i) {
            int k = key(row[i]);
            bool first = true;
            for (int j = 0; j < i && first; ++j) {
                first = key(row[j]) != k;
            }
            if (!first) {
                continue;
            }
            int occurrences = 1;
            for (int j = i + 1; j < n; ++j) {
                occurrences += key(row[j]) == k ? 1 : 0;
            }
            if (occurrences >= 2) {
                visit(occurrences);
            }
        }
    });
}

int SameTailCode(const int *row, int n)
{
    return EqualKeyCode(row, n, Tail);
}

int SameNumCode(const int *row, int n)
{
    return EqualKeyCode(row, n, Identity);
}

bool Listed(const int *list, int count, int value)
{
    for (int i = 0; i < count; ++i) {
        if (list[i] == value) {
            return true;
        }
    }
    return false;
}

template <class Key> int CountKey(const int *row, int n, Key key, int wanted)
{
    int count = 0;
    for (int i = 0; i < n; ++i) {
        count += key(row[i]) == wanted ? 1 : 0;
    }
    return count;
}

template <class Key> bool AllKeysDistinct(const int *row, int n, Key key)
{
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (key(row[i]) == key(row[j])) {
                return false;
            }
        }
    }
    return true;
}

/// Some listed key occurs twice or more, or a listed -1 meets a row whose keys all differ; the
/// list is read in the order sent.
template <class Key> int CheckRepeatedKey(const int *list, int count, const int *row, int n, Key key)
{
    SmallKeyTally tally;
    if (tally.Fill(row, n, key)) {
        for (int i = 0; i < count; ++i) {
            if (list[i] == -1 ? tally.allDistinct() : tally.count(list[i]) >= 2) {
                return 1;
            }
        }
        return 0;
    }
    for (int i = 0; i < count; ++i) {
        if (list[i] == -1) {
            if (AllKeysDistinct(row, n, key)) {
                return 1;
            }
        } else if (CountKey(row, n, key, list[i]) >= 2) {
            return 1;
        }
    }
    return 0;
}

} // namespace

// ---- Run codes -------------------------------------------------------------------------------------

int CCalculationUtil::GetLianMa(const int *row, int n, int mode) const
{
    constexpr int kLongest = 7;
    if (n < 2 || n > kLongest) {
        return 0;
    }
    std::array<int, kLongest> values{};
    int m = 0;
    if (mode == 0) {
        for (int i = 0; i < n; ++i) {
            if (std::find(values.begin(), values.begin() + m, row[i]) == values.begin() + m) {
                values[static_cast<std::size_t>(m++)] = row[i];
            }
        }
        std::sort(values.begin(), values.begin() + m);
    } else {
        std::copy(row, row + n, values.begin());
        m = n;
        if (mode == 1 && n <= 3) {
            std::sort(values.begin(), values.begin() + m);
        }
    }
    if (n <= 3) {
        int steps = 0;
        for (int j = 0; j + 1 < m; ++j) {
            steps +=
                StepUp(values[static_cast<std::size_t>(j)], values[static_cast<std::size_t>(j + 1)]) ? 1 : 0;
        }
        return steps;
    }
    return RunCode(values.data(), m);
}

int CCalculationUtil::GetLianMaFor5Ofy(const int *values, int n) const
{
    return RunCode(values, n);
}

int CCalculationUtil::GetLianMaFor6Ofy(const int *values, int n) const
{
    return RunCode(values, n);
}

int CCalculationUtil::GetLianMaFor7Ofy(const int *values, int n) const
{
    return RunCode(values, n);
}

int CCalculationUtil::GetLianMaForMagic3(const int *row, int n) const
{
    int steps = 0;
    for (int j = 0; j + 1 < n; ++j) {
        steps += StepUp(row[j], row[j + 1]) ? 1 : 0;
    }
    return std::min(steps, 2);
}

// ---- Same-tail and same-number codes ---------------------------------------------------------------

int CCalculationUtil::GetSameTailGroup(const int *row, int k) const
{
    return SameTailCode(row, k);
}

int CCalculationUtil::GetSameTailGroupFor5(const int *row, int n) const
{
    return SameTailCode(row, n);
}

int CCalculationUtil::GetSameTailGroupFor6(const int *row, int n) const
{
    return SameTailCode(row, n);
}

int CCalculationUtil::GetSameTailGroupFor7(const int *row, int n) const
{
    return SameTailCode(row, n);
}

int CCalculationUtil::GetSameTailNumFor7(const int *row, int n) const
{
    return SameTailCode(row, n);
}

int CCalculationUtil::GetSameNumGroup(const int *row, int k) const
{
    return SameNumCode(row, k);
}

int CCalculationUtil::GetSameNumGroupFor5(const int *row, int n) const
{
    return SameNumCode(row, n);
}

int CCalculationUtil::GetSameNumGroupFor6(const int *row, int n) const
{
    return SameNumCode(row, n);
}

int CCalculationUtil::GetSameNumGroupFor7(const int *row, int n) const
{
    return SameNumCode(row, n);
}

int CCalculationUtil::GetChongMuNum(const int *row, int n) const
{
    return SameNumCode(row, n);
}

int CCalculationUtil::GetChongMuNumFor7(const int *row, int n) const
{
    return SameNumCode(row, n);
}

// ---- Checks ----------------------------------------------------------------------------------------

int CCalculationUtil::CheckChongMa(const int *list, int count, const int *row, int n) const
{
    return CheckRepeatedKey(list, count, row, n, Identity);
}

int CCalculationUtil::CheckChongMaNum(const int *allowed, int count, const int *row, int n) const
{
    int code = n == 7 ? GetChongMuNumFor7(row, n) : GetChongMuNum(row, n);
    return Listed(allowed, count, code) ? 1 : 0;
}

int CCalculationUtil::CheckSameTailNum(const int *allowed, int count, const int *row, int n) const
{
    int code = 0;
    switch (n) {
    case 7:
        code = GetSameTailNumFor7(row, n);
        break;
    case 5:
        code = GetSameTailGroupFor5(row, n);
        break;
    case 6:
        code = GetSameTailGroupFor6(row, n);
        break;
    default:
        code = GetSameTailGroupFor7(row, n);
        break;
    }
    return Listed(allowed, count, code) ? 1 : 0;
}

int CCalculationUtil::CheckTail(const int *allowed, int count, const int *row, int n) const
{
    for (int i = 0; i < n; ++i) {
        if (!Listed(allowed, count, Tail(row[i]))) {
            return 0;
        }
    }
    return 1;
}

int CCalculationUtil::CheckOnlySameTail(const int *tails, int count, const int *row, int n) const
{
    return CheckRepeatedKey(tails, count, row, n, Tail);
}

int CCalculationUtil::CheckSameTail(const int *tails, int count, const int *row, int n) const
{
    return CheckOnlySameTail(tails, count, row, n);
}

int CCalculationUtil::CheckSameTail(const int *row, int n, const int *tails, int count, int times) const
{
    for (int i = 0; i < count; ++i) {
        if (CountKey(row, n, Tail, tails[i]) != times) {
            return 0;
        }
    }
    return 1;
}

int CCalculationUtil::CheckZiDingYi(const int *row, int n, const int *set, int nSet, const int *allowed,
                                    int nAllowed) const
{
    int shared = 0;
    for (int i = 0; i < n; ++i) {
        bool first = std::find(row, row + i, row[i]) == row + i;
        shared += first && Listed(set, nSet, row[i]) ? 1 : 0;
    }
    return Listed(allowed, nAllowed, shared) ? 1 : 0;
}

} // namespace calculation
