#include "basekit/array_util.h"

#include <algorithm>
#include <climits>

#include "basekit/combinatorics.h"
#include "basekit/number_text.h"

namespace basekit {
namespace {

// The seen-list of GetDistinctNum stays on the stack; past this many distinct values the count
// goes on by looking back over the array itself.
constexpr int kDistinctBufferSize = 51;

bool Contains(const int *a, int na, int x)
{
    for (int i = 0; i < na; ++i) {
        if (a[i] == x) {
            return true;
        }
    }
    return false;
}

bool Contains(const std::vector<int> &values, int x)
{
    return std::find(values.begin(), values.end(), x) != values.end();
}

bool Contains(std::span<const std::wstring> a, const std::wstring &x)
{
    return std::find(a.begin(), a.end(), x) != a.end();
}

size_t SizeOf(int n)
{
    return n > 0 ? static_cast<size_t>(n) : 0;
}

template <typename Items, typename Write>
std::wstring Join(const Items &items, std::wstring_view separator, Write write)
{
    std::wstring joined;
    bool first = true;
    for (const auto &item : items) {
        if (!first) {
            joined += separator;
        }
        first = false;
        write(joined, item);
    }
    return joined;
}

// Fills one index level of Combine: idx[level] runs from just below `upper` down to `level`
// (the lowest value that still leaves an index for every level below).
void PickIndex(const int *src, int level, int upper, std::vector<int> &idx,
               std::vector<std::vector<int>> &rows)
{
    for (int i = upper - 1; i >= level; --i) {
        idx[level] = i;
        if (level == 0) {
            std::vector<int> &row = rows.emplace_back(idx.size());
            for (size_t j = 0; j < idx.size(); ++j) {
                row[j] = src[idx[j]];
            }
        } else {
            PickIndex(src, level - 1, i, idx, rows);
        }
    }
}

} // namespace

int ArrayUtil::ArrayAcontainElementB(const int *a, int na, int x)
{
    return Contains(a, na, x) ? 1 : 0;
}

int ArrayUtil::ArrayAcontainElementB(std::span<const std::wstring> a, const std::wstring &x)
{
    return Contains(a, x) ? 1 : 0;
}

int ArrayUtil::ArrayAcontainsAnyOfB(const int *a, int na, const int *b, int nb, int any)
{
    for (int j = 0; j < nb; ++j) {
        bool found = Contains(a, na, b[j]);
        if (any != 0 && found) {
            return 1;
        }
        if (any == 0 && !found) {
            return 0;
        }
    }
    return any != 0 ? 0 : 1;
}

int ArrayUtil::ArrayAcontainsAnyOfB(std::span<const std::wstring> a, std::span<const std::wstring> b, int any)
{
    for (const std::wstring &item : b) {
        bool found = Contains(a, item);
        if (any != 0 && found) {
            return 1;
        }
        if (any == 0 && !found) {
            return 0;
        }
    }
    return any != 0 ? 0 : 1;
}

std::vector<int> ArrayUtil::ArryAIntersectArrayB(const int *a, int na, const int *b, int nb)
{
    std::vector<int> common;
    common.reserve(std::min(SizeOf(na), SizeOf(nb)));
    for (int i = 0; i < na; ++i) {
        if (Contains(b, nb, a[i]) && !Contains(common, a[i])) {
            common.push_back(a[i]);
        }
    }
    return common;
}

int ArrayUtil::ArryAIntersectArrayBNum(const int *a, int na, const int *b, int nb)
{
    int count = 0;
    for (int i = 0; i < na; ++i) {
        if (Contains(b, nb, a[i])) {
            ++count;
        }
    }
    return count;
}

std::vector<int> ArrayUtil::ArrayAUnionArrayB(const int *a, int na, const int *b, int nb)
{
    std::vector<int> all;
    all.reserve(SizeOf(na) + SizeOf(nb));
    all.insert(all.end(), a, a + SizeOf(na));
    for (int j = 0; j < nb; ++j) {
        if (!Contains(all, b[j])) {
            all.push_back(b[j]);
        }
    }
    return all;
}

std::vector<std::vector<int>> ArrayUtil::Combine(const int *src, int n, int k)
{
    std::vector<std::vector<int>> rows;
    if (n < 0 || k < 0 || k > n) {
        return rows;
    }
    if (k == 0) {
        rows.emplace_back();
        return rows;
    }
    long long total = CXy(n, k);
    if (total <= INT_MAX) {
        rows.reserve(static_cast<size_t>(total));
    }
    std::vector<int> idx(static_cast<size_t>(k));
    PickIndex(src, k - 1, n, idx, rows);
    return rows;
}

void ArrayUtil::SortArray(int *a, int n)
{
    // Integers that compare equal cannot be told apart, so any ascending sort gives the same
    // array as the stable exchange sort.
    std::sort(a, a + SizeOf(n));
}

void ArrayUtil::SortArray(std::span<std::wstring> a)
{
    std::stable_sort(a.begin(), a.end());
}

int ArrayUtil::GetNumOfBInA(const int *a, int n, int x)
{
    int count = 0;
    for (int i = 0; i < n; ++i) {
        if (a[i] == x) {
            ++count;
        }
    }
    return count;
}

int ArrayUtil::GetDistinctNum(const int *a, int n)
{
    int seen[kDistinctBufferSize];
    int distinct = 0;
    for (int i = 0; i < n; ++i) {
        bool isNew = distinct < kDistinctBufferSize ? !Contains(seen, distinct, a[i]) : !Contains(a, i, a[i]);
        if (!isNew) {
            continue;
        }
        if (distinct < kDistinctBufferSize) {
            seen[distinct] = a[i];
        }
        ++distinct;
    }
    return distinct;
}

std::wstring ArrayUtil::ArrayToStr(std::span<const std::wstring> a, std::wstring_view separator)
{
    return Join(a, separator, [](std::wstring &out, const std::wstring &item) { out += item; });
}

std::wstring ArrayUtil::ArrayToStr(const int *a, int n, std::wstring_view separator)
{
    return Join(std::span<const int>(a, SizeOf(n)), separator,
                [](std::wstring &out, int value) { out += IntToStrW(value); });
}

std::vector<int> ArrayUtil::Splice(const int *a, int n, int from, int to)
{
    if (from < 0 || to > n || from > to) {
        return {};
    }
    return std::vector<int>(a + from, a + to);
}

int ArrayUtil::GetIndex(const int *a, int n, int x)
{
    for (int i = 0; i < n; ++i) {
        if (a[i] == x) {
            return i;
        }
    }
    return -1;
}

std::vector<int> ArrayUtil::GetSameEle(const int *a, int n)
{
    std::vector<int> repeated;
    for (int i = 0; i < n; ++i) {
        bool firstOccurrence = !Contains(a, i, a[i]);
        if (firstOccurrence && Contains(a + i + 1, n - i - 1, a[i])) {
            repeated.push_back(a[i]);
        }
    }
    return repeated;
}

std::vector<int> ArrayUtil::GetDifferEle(const int *a, int n)
{
    std::vector<int> distinct;
    distinct.reserve(SizeOf(n));
    for (int i = 0; i < n; ++i) {
        if (!Contains(distinct, a[i])) {
            distinct.push_back(a[i]);
        }
    }
    return distinct;
}

int ArrayUtil::ArrayAEqualArrayB(const int *a, const int *b, int n)
{
    for (int i = 0; i < n; ++i) {
        if (a[i] != b[i]) {
            return 0;
        }
    }
    return 1;
}

int ArrayAEqualArrayB(const int *a, const int *b, int n)
{
    return ArrayUtil::ArrayAEqualArrayB(a, b, n);
}

} // namespace basekit
