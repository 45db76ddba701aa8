/// \file
/// \brief Counting functions of combinatorics and the arrangements they count.
///
/// Counts are 64-bit. Outside their domain the counts are 0 (negative arguments, k > n); a true
/// count beyond 64 bits comes back as INT64_MAX rather than a wrapped value.
#pragma once

#include <string>
#include <vector>

#include "basekit/basekit_export.h"

namespace basekit {

/// n! for 0 <= n <= 20 (0! = 1! = 1); 0 for n < 0, INT64_MAX for n > 20.
BASEKIT_EXPORT long long Factorial(int n);
/// C(n, k), the number of k-subsets of n items; 0 when n < k or either is negative.
BASEKIT_EXPORT long long CXy(int n, int k);
/// n! / (n-k)!, the number of ordered k-arrangements of n items; 0 when n < k or either is
/// negative.
BASEKIT_EXPORT long long AXy(int n, int k);
/// a to the power b for b >= 0 (b = 0 gives 1, also for a = 0); 0 for b < 0. Saturates at
/// INT64_MAX / INT64_MIN.
BASEKIT_EXPORT long long Mi(int a, int b);

/// Every arrangement of src[0..n-1], n! rows, produced by recursive exchange: at depth d, for
/// i = d .. n-1, exchange positions i and d, go one level deeper, exchange them back. For
/// {1,2,3} the order is 123, 132, 213, 231, 321, 312.
BASEKIT_EXPORT std::vector<std::vector<int>> Permutation1(const int *src, int n);
/// The distinct arrangements among those of Permutation1, each kept at its first production:
/// {1,1,2} gives 112, 121, 211.
BASEKIT_EXPORT std::vector<std::vector<int>> Permutation2(const int *src, int n);

/// Each value occurring more than once in a, once, in order of first appearance (the same as
/// ArrayUtil::GetSameEle).
BASEKIT_EXPORT std::vector<int> GetSameEleOfArray(const int *a, int n);

/// Exchanges the two values.
BASEKIT_EXPORT void swap(int &x, int &y);

/// The table literal {L"33.3",L"23.8",...} of the 55 chances, in percent written with "%.1f",
/// that position p (1..5, five groups of 11) of a five-of-fifteen draw holds the value
/// v = p .. p+10: C(v-1, p-1) * C(15-v, 5-p) of the C(15, 5) = 3003 draws.
BASEKIT_EXPORT std::wstring GenerateChanceCode();

} // namespace basekit
