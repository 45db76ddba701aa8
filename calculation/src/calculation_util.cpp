// Values, ratios, class counts, shapes and per-position checks of one row. Everything here runs
// per candidate in the filter's inner loop: no allocation, one pass over the row where possible.
#include <algorithm>
#include <bit>
#include <climits>
#include <cstdint>
#include <cstdlib>

#include "basekit/array_util.h"
#include "basekit/number_text.h"
#include "calculation/calculation_util.h"
#include "row_classes.h"

namespace calculation {

using detail::kNoClass;

namespace {

long long AbsDifference(int a, int b)
{
    return std::llabs(static_cast<long long>(a) - b);
}

// Sums and differences of a row are taken in 64 bits and brought back into the int range, so that
// a row holding numbers no game has (a typed row, a damaged file) shows a wrong value at worst,
// never an overflow.
int ClampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool Contains(const std::vector<int> &list, int value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

/// Class digits are small: a list is folded into a bit mask without branches, so the test does
/// not depend on where (or whether) the value sits in the list.
bool ListHolds(const std::vector<int> &list, int value)
{
    if (value < 0 || value >= 64) {
        return Contains(list, value);
    }
    std::uint64_t mask = 0;
    for (int digit : list) {
        mask |= static_cast<unsigned>(digit) < 64U ? std::uint64_t{1} << digit : 0U;
    }
    return ((mask >> value) & 1U) != 0;
}

/// Every tested position's class is in its list; positions past the row or past the lists, and
/// positions with an empty list, are not tested.
template <class ClassOf>
int CheckPositions(const int *row, int n, const std::vector<std::vector<int>> &allowed, ClassOf classOf)
{
    int positions = std::min(n, static_cast<int>(allowed.size()));
    for (int i = 0; i < positions; ++i) {
        const std::vector<int> &list = allowed[static_cast<std::size_t>(i)];
        if (list.empty()) {
            continue;
        }
        int value = classOf(row[i]);
        if (value == kNoClass || !ListHolds(list, value)) {
            return 0;
        }
    }
    return 1;
}

/// Some pair before (pi, pj), in the order i < j with i outer, has the same difference.
bool SeenEarlier(const int *row, int n, int pi, int pj, long long difference)
{
    for (int i = 0; i <= pi; ++i) {
        int end = i == pi ? pj : n;
        for (int j = i + 1; j < end; ++j) {
            if (AbsDifference(row[i], row[j]) == difference) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

// ---- Values ------------------------------------------------------------------------------------

int CCalculationUtil::GetSum(const int *row, int n) const
{
    long long sum = 0;
    for (int i = 0; i < n; ++i) {
        sum += row[i];
    }
    return ClampToInt(sum);
}

int CCalculationUtil::GetTailSum(const int *row, int n) const
{
    int sum = 0;
    for (int i = 0; i < n; ++i) {
        sum += row[i] % 10;
    }
    return sum;
}

int CCalculationUtil::GetSumTail(const int *row, int n) const
{
    return GetSum(row, n) % 10;
}

int CCalculationUtil::GetSpan(const int *row, int n) const
{
    return ClampToInt(static_cast<long long>(GetBiggest(row, n)) - GetSmallest(row, n));
}

int CCalculationUtil::GetBiggest(const int *row, int n) const
{
    if (n <= 0) {
        return 0;
    }
    return *std::max_element(row, row + n);
}

int CCalculationUtil::GetSmallest(const int *row, int n) const
{
    if (n <= 0) {
        return 0;
    }
    return *std::min_element(row, row + n);
}

int CCalculationUtil::GetAverage(const int *row, int n) const
{
    if (n <= 0) {
        return 0;
    }
    // Half rounds up: add 0.5 and cut, the rule the pages and the filter share.
    // NOLINTNEXTLINE(bugprone-incorrect-roundings)
    return static_cast<int>(static_cast<double>(GetSum(row, n)) / n + 0.5);
}

int CCalculationUtil::GetBiggestLag(const int *row, int n) const
{
    long long biggest = 0;
    for (int i = 0; i + 1 < n; ++i) {
        biggest = std::max(biggest, AbsDifference(row[i + 1], row[i]));
    }
    return static_cast<int>(std::min<long long>(biggest, INT_MAX));
}

int CCalculationUtil::GetAc(const int *row, int n) const
{
    if (n < 2) {
        return 0;
    }
    // Differences below 64 (every lotto and digit row) are marked in one word; a wider one is
    // counted when no earlier pair had it, so no buffer is sized by the number of pairs.
    std::uint64_t small = 0;
    int wideDistinct = 0;
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            long long difference = AbsDifference(row[i], row[j]);
            if (difference < 64) {
                small |= std::uint64_t{1} << difference;
            } else if (!SeenEarlier(row, n, i, j, difference)) {
                ++wideDistinct;
            }
        }
    }
    return std::popcount(small) + wideDistinct - (n - 1);
}

std::vector<int> CCalculationUtil::GetTails(const int *row, int n) const
{
    std::vector<int> tails;
    tails.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) {
        tails.push_back(row[i] % 10);
    }
    return tails;
}

// ---- Ratios ------------------------------------------------------------------------------------

int CCalculationUtil::OddEvenRate(const int *row, int n) const
{
    int odd = GetOddOrEvenNum(row, n, 1);
    return odd * 10 + (std::max(n, 0) - odd);
}

int CCalculationUtil::ZhiHeRate(const int *row, int n) const
{
    int prime = 0;
    for (int i = 0; i < n; ++i) {
        prime += detail::IsSetPrime(row[i]) ? 1 : 0;
    }
    return prime * 10 + (std::max(n, 0) - prime);
}

int CCalculationUtil::BigSmallRate(const int *row, int n, int limit) const
{
    int big = 0;
    for (int i = 0; i < n; ++i) {
        big += row[i] >= limit ? 1 : 0;
    }
    return big * 10 + (std::max(n, 0) - big);
}

int CCalculationUtil::ThreeAreaRate(const int *row, int n, int width) const
{
    int areas[3] = {0, 0, 0};
    for (int i = 0; i < n; ++i) {
        ++areas[detail::AreaBucket(row[i], width)];
    }
    return areas[0] * 100 + areas[1] * 10 + areas[2];
}

int CCalculationUtil::LuShuRate(const int *row, int n) const
{
    int routes[3] = {0, 0, 0};
    for (int i = 0; i < n; ++i) {
        int route = row[i] % 3;
        if (route >= 0) {
            ++routes[route];
        }
    }
    return routes[0] * 100 + routes[1] * 10 + routes[2];
}

// ---- Class counts and sums ---------------------------------------------------------------------

namespace {

template <class InClass> int CountIf(const int *row, int n, InClass inClass)
{
    int count = 0;
    for (int i = 0; i < n; ++i) {
        count += inClass(row[i]) ? 1 : 0;
    }
    return count;
}

template <class InClass> int SumIf(const int *row, int n, InClass inClass)
{
    long long sum = 0;
    for (int i = 0; i < n; ++i) {
        if (inClass(row[i])) {
            sum += row[i];
        }
    }
    return ClampToInt(sum);
}

} // namespace

int CCalculationUtil::GetOddOrEvenNum(const int *row, int n, int parity) const
{
    return CountIf(row, n, [parity](int v) { return v % 2 == parity; });
}

int CCalculationUtil::GetOddOrEvenSum(const int *row, int n, int parity) const
{
    return SumIf(row, n, [parity](int v) { return v % 2 == parity; });
}

int CCalculationUtil::GetZhiOrHeNum(const int *row, int n, int flag) const
{
    bool primes = flag != 0;
    return CountIf(row, n, [primes](int v) { return detail::IsSeedPrime(v) == primes; });
}

int CCalculationUtil::GetZhiOrHeSum(const int *row, int n, int flag) const
{
    bool primes = flag != 0;
    return SumIf(row, n, [primes](int v) { return detail::IsSeedPrime(v) == primes; });
}

int CCalculationUtil::GetBigOrSmallNum(const int *row, int n, int which, int limit) const
{
    if (limit == 0) {
        return 0;
    }
    return CountIf(row, n, [which, limit](int v) { return detail::QuotientClass(v, limit) == which; });
}

int CCalculationUtil::GetBigOrSmallSum(const int *row, int n, int which, int limit) const
{
    if (limit == 0) {
        return 0;
    }
    return SumIf(row, n, [which, limit](int v) { return detail::QuotientClass(v, limit) == which; });
}

int CCalculationUtil::GetLuShuNum(const int *row, int n, int r) const
{
    return CountIf(row, n, [r](int v) { return v % 3 == r; });
}

int CCalculationUtil::GetLuShuSum(const int *row, int n, int r) const
{
    return SumIf(row, n, [r](int v) { return v % 3 == r; });
}

int CCalculationUtil::GetAreaNum(const int *row, int n, int width, int area) const
{
    int bucket = area == 0 || area == 1 ? area : 2;
    return CountIf(row, n, [width, bucket](int v) { return detail::AreaBucket(v, width) == bucket; });
}

int CCalculationUtil::GetAreaNum2(const int *row, int n, int low, int high) const
{
    return CountIf(row, n, [low, high](int v) { return low <= v && v <= high; });
}

int CCalculationUtil::GetWuXingNum(const int *row, int n, int element, int mode) const
{
    if (mode == 1) {
        if (element < 0 || element > 4) {
            return 0;
        }
        return CountIf(row, n, [element](int v) { return detail::WuXingOf(v, 1) == element; });
    }
    // Digit games: element e holds the digits e and e + 5, as the page lists them.
    long long partner = static_cast<long long>(element) + 5;
    return CountIf(row, n, [element, partner](int v) { return v == element || v == partner; });
}

// ---- Single numbers and shapes -------------------------------------------------------------------

int CCalculationUtil::GetWuXing(int v, int mode) const
{
    return detail::WuXingOf(v, mode);
}

int CCalculationUtil::IsZhiOrHe(int v) const
{
    return detail::IsSeedPrime(v) ? 1 : 0;
}

int CCalculationUtil::GetErWeiHe(const int *row, const int *pos) const
{
    return ClampToInt(static_cast<long long>(row[pos[0]]) + row[pos[1]]);
}

int CCalculationUtil::GetErWeiCha(const int *row, const int *pos) const
{
    return ClampToInt(AbsDifference(row[pos[0]], row[pos[1]]));
}

int CCalculationUtil::CheckErMa(const int *codes, int nCodes, const int *row, int n) const
{
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            long long code = 10LL * std::min(row[i], row[j]) + std::max(row[i], row[j]);
            for (int c = 0; c < nCodes; ++c) {
                if (codes[c] == code) {
                    return 1;
                }
            }
        }
    }
    return 0;
}

int CCalculationUtil::IsZlOrZsOrBz(const int *row, int n) const
{
    return basekit::ArrayUtil::GetDistinctNum(row, n);
}

int CCalculationUtil::GetChongMaForMagic3(const int *row, int n) const
{
    if (n < 3) {
        return -1;
    }
    if (row[0] == row[1] || row[0] == row[2]) {
        return row[0];
    }
    return row[1] == row[2] ? row[1] : -1;
}

int CCalculationUtil::GetNumLagForMagic3(const int *row, int n) const
{
    if (n < 3) {
        return -1;
    }
    return ClampToInt((100LL * row[0] + 10LL * row[1] + row[2]) / 250);
}

int CCalculationUtil::GetNumLagForTtc4Of10(const int *row, int n) const
{
    if (n < 4) {
        return -1;
    }
    return ClampToInt((1000LL * row[0] + 100LL * row[1] + 10LL * row[2] + row[3]) / 1000);
}

int CCalculationUtil::GetNumLagForQuick3(const int *row, int n) const
{
    if (n < 3) {
        return -1;
    }
    long long value = 100LL * row[0] + 10LL * row[1] + row[2];
    if (value <= 221) {
        return 0;
    }
    if (value <= 332) {
        return 1;
    }
    if (value <= 443) {
        return 2;
    }
    return value < 555 ? 3 : 4;
}

int CCalculationUtil::GetChongMa(const int *row, const std::wstring &times, int n) const
{
    int wanted = basekit::StrToIntW(times);
    for (int digit = 0; digit <= 9; ++digit) {
        if (basekit::ArrayUtil::GetNumOfBInA(row, n, digit) == wanted) {
            return digit;
        }
    }
    return -1;
}

int CCalculationUtil::GetSameBInA(std::span<const std::wstring> items, const std::wstring &x) const
{
    return static_cast<int>(std::count(items.begin(), items.end(), x));
}

int CCalculationUtil::IsRowAbiggerThanRowB(const int *a, const int *b, int n) const
{
    for (int i = 0; i < n; ++i) {
        if (a[i] > b[i]) {
            return 1;
        }
    }
    return 0;
}

// ---- Per-position checks -------------------------------------------------------------------------

int CCalculationUtil::CheckEveryPosBigSmall(const int *row, int n,
                                            const std::vector<std::vector<int>> &allowed, int limit) const
{
    return CheckPositions(row, n, allowed, [limit](int v) { return detail::QuotientClass(v, limit); });
}

int CCalculationUtil::CheckEveryPosZhiHe(const int *row, int n,
                                         const std::vector<std::vector<int>> &allowed) const
{
    return CheckPositions(row, n, allowed, [](int v) { return detail::IsSetPrime(v) ? 1 : 0; });
}

int CCalculationUtil::CheckEveryPosArea(const int *row, int n, const std::vector<std::vector<int>> &allowed,
                                        int width) const
{
    return CheckPositions(row, n, allowed, [width](int v) { return detail::AreaClass(v, width); });
}

int CCalculationUtil::CheckEveryPos(const int *row, int n, const std::vector<std::vector<int>> &allowed,
                                    int modulus) const
{
    // The filter asks for odd/even and the 012 route; constant divisors spare a division per number.
    switch (modulus) {
    case 2:
        return CheckPositions(row, n, allowed, [](int v) { return v % 2; });
    case 3:
        return CheckPositions(row, n, allowed, [](int v) { return v % 3; });
    default:
        return CheckPositions(row, n, allowed,
                              [modulus](int v) { return detail::RemainderClass(v, modulus); });
    }
}

int CCalculationUtil::CheckEveryPosWuXing(const int *row, int n, const std::vector<std::vector<int>> &allowed,
                                          int mode) const
{
    return CheckPositions(row, n, allowed, [mode](int v) { return detail::WuXingOf(v, mode); });
}

} // namespace calculation
