/// \file
/// \brief Set and sequence operations on integer arrays (and a few on text arrays).
///
/// The filter engine and the game plug-ins call these once or more per tested row, so the
/// members that answer with a number work on the caller's memory only and allocate nothing.
/// An array is a pointer and a count side by side; a negative count is an empty array. Results
/// of "1 or 0" stay int because callers add them up.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "basekit/basekit_export.h"

namespace basekit {

class BASEKIT_EXPORT ArrayUtil {
public:
    ArrayUtil() = delete;

    /// 1 if some a[i] == x, else 0.
    static int ArrayAcontainElementB(const int *a, int na, int x);
    /// 1 if some item equals x exactly (case-sensitive), else 0.
    static int ArrayAcontainElementB(std::span<const std::wstring> a, const std::wstring &x);

    /// any != 0: 1 if some b[j] occurs in a. any == 0: 1 only if every b[j] occurs in a (so 1
    /// for an empty b).
    static int ArrayAcontainsAnyOfB(const int *a, int na, const int *b, int nb, int any);
    static int ArrayAcontainsAnyOfB(std::span<const std::wstring> a, std::span<const std::wstring> b,
                                    int any);

    /// Each distinct a[i] that occurs in b, once, in order of first appearance in a.
    static std::vector<int> ArryAIntersectArrayB(const int *a, int na, const int *b, int nb);
    /// How many a[i] occur in b, every occurrence in a counted ({1,1} and {1} give 2).
    static int ArryAIntersectArrayBNum(const int *a, int na, const int *b, int nb);
    /// All of a in order (repeats included), then each b[j] not yet in the result.
    static std::vector<int> ArrayAUnionArrayB(const int *a, int na, const int *b, int nb);

    /// Every k-subset of src[0..n-1], C(n, k) rows of k entries, each row ascending by index.
    /// Rows come in descending order of their largest index, then of the next one: for n = 4,
    /// k = 2 the index pairs are (2,3), (1,3), (0,3), (1,2), (0,2), (0,1). k == 0 gives one
    /// empty row; k > n or a negative argument gives no rows.
    static std::vector<std::vector<int>> Combine(const int *src, int n, int k);

    /// Ascending, in place.
    static void SortArray(int *a, int n);
    /// Ascending by ordinal, case-sensitive comparison, in place; equal items keep their order.
    static void SortArray(std::span<std::wstring> a);

    /// How many a[i] equal x.
    static int GetNumOfBInA(const int *a, int n, int x);
    /// The number of distinct values in a, for any n; never allocates.
    static int GetDistinctNum(const int *a, int n);

    /// The items joined with the separator between them ("1,2,3"; "123" for an empty one).
    static std::wstring ArrayToStr(std::span<const std::wstring> a, std::wstring_view separator);
    /// The numbers, written by IntToStrW, joined with the separator between them.
    static std::wstring ArrayToStr(const int *a, int n, std::wstring_view separator);

    /// A copy of a[from] .. a[to-1]. Empty unless 0 <= from <= to <= n.
    static std::vector<int> Splice(const int *a, int n, int from, int to);

    /// Index of the first a[i] == x, or -1.
    static int GetIndex(const int *a, int n, int x);
    /// Each value occurring more than once in a, once, in order of first appearance.
    static std::vector<int> GetSameEle(const int *a, int n);
    /// The distinct values of a in order of first appearance.
    static std::vector<int> GetDifferEle(const int *a, int n);
    /// 1 if a[i] == b[i] for every i < n, else 0.
    static int ArrayAEqualArrayB(const int *a, const int *b, int n);
};

/// The same as ArrayUtil::ArrayAEqualArrayB.
BASEKIT_EXPORT int ArrayAEqualArrayB(const int *a, const int *b, int n);

} // namespace basekit
