#include "basekit/combinatorics.h"

#include <algorithm>
#include <climits>
#include <numeric>
#include <set>

#include "basekit/array_util.h"
#include "basekit/number_text.h"

namespace basekit {
namespace {

constexpr int kLargestExactFactorial = 20;

// a * b, or INT64_MAX when the true product does not fit (both factors are non-negative).
long long SaturatingProduct(long long a, long long b)
{
    long long product = 0;
    if (__builtin_mul_overflow(a, b, &product)) {
        return LLONG_MAX;
    }
    return product;
}

void Arrange(std::vector<int> &current, size_t depth, std::vector<std::vector<int>> &rows)
{
    if (depth == current.size()) {
        rows.push_back(current);
        return;
    }
    for (size_t i = depth; i < current.size(); ++i) {
        std::swap(current[i], current[depth]);
        Arrange(current, depth + 1, rows);
        std::swap(current[i], current[depth]);
    }
}

} // namespace

long long Factorial(int n)
{
    if (n < 0) {
        return 0;
    }
    if (n > kLargestExactFactorial) {
        return LLONG_MAX;
    }
    long long product = 1;
    for (int i = 2; i <= n; ++i) {
        product *= i;
    }
    return product;
}

long long CXy(int n, int k)
{
    if (n < 0 || k < 0 || n < k) {
        return 0;
    }
    k = std::min(k, n - k);
    // C(n, i+1) = C(n, i) * (n-i) / (i+1) is exact at every step. Dividing out the common factor
    // of C(n, i) and i+1 first keeps the intermediate product no larger than the next count.
    long long count = 1;
    for (int i = 0; i < k; ++i) {
        long long divisor = i + 1;
        long long common = std::gcd(count, divisor);
        count /= common;
        divisor /= common;
        count = SaturatingProduct(count, (n - i) / divisor);
        if (count == LLONG_MAX) {
            return LLONG_MAX;
        }
    }
    return count;
}

long long AXy(int n, int k)
{
    if (n < 0 || k < 0 || n < k) {
        return 0;
    }
    long long count = 1;
    for (int i = 0; i < k && count != LLONG_MAX; ++i) {
        count = SaturatingProduct(count, n - i);
    }
    return count;
}

long long Mi(int a, int b)
{
    if (b < 0) {
        return 0;
    }
    // Bases whose powers never grow would otherwise walk the whole exponent.
    if (b == 0 || a == 1) {
        return 1;
    }
    if (a == 0) {
        return 0;
    }
    if (a == -1) {
        return b % 2 == 0 ? 1 : -1;
    }
    long long power = 1;
    for (int i = 0; i < b; ++i) {
        if (__builtin_mul_overflow(power, static_cast<long long>(a), &power)) {
            return a < 0 && b % 2 != 0 ? LLONG_MIN : LLONG_MAX;
        }
    }
    return power;
}

std::vector<std::vector<int>> Permutation1(const int *src, int n)
{
    std::vector<std::vector<int>> rows;
    if (n < 0) {
        return rows;
    }
    std::vector<int> current(src, src + n);
    if (n <= kLargestExactFactorial && Factorial(n) < 1'000'000) {
        rows.reserve(static_cast<size_t>(Factorial(n)));
    }
    Arrange(current, 0, rows);
    return rows;
}

std::vector<std::vector<int>> Permutation2(const int *src, int n)
{
    std::vector<std::vector<int>> distinct;
    std::set<std::vector<int>> seen;
    for (std::vector<int> &row : Permutation1(src, n)) {
        if (seen.insert(row).second) {
            distinct.push_back(std::move(row));
        }
    }
    return distinct;
}

std::vector<int> GetSameEleOfArray(const int *a, int n)
{
    return ArrayUtil::GetSameEle(a, n);
}

void swap(int &x, int &y)
{
    int kept = x;
    x = y;
    y = kept;
}

std::wstring GenerateChanceCode()
{
    constexpr int kPool = 15;
    constexpr int kDrawn = 5;
    // 30.03 is C(15, 5) / 100: each count becomes a percentage of all draws.
    constexpr double kDrawsPerPercent = 30.03;
    std::wstring table = L"{";
    for (int position = 1; position <= kDrawn; ++position) {
        for (int value = position; value <= position + kPool - kDrawn; ++value) {
            long long ways = CXy(value - 1, position - 1) * CXy(kPool - value, kDrawn - position);
            table += L"L\"";
            table += DoubleToStr(static_cast<double>(ways) / kDrawsPerPercent, L"%.1f");
            table += L"\",";
        }
    }
    table.back() = L'}';
    return table;
}

} // namespace basekit
