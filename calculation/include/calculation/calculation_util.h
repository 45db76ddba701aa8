/// \file
/// \brief CCalculationUtil: every indicator of one row of numbers that the filters test and the
/// result pages and history tables show.
///
/// A row is a pointer and a count side by side (lotto numbers 1..35, digits 0..9, dice 1..6);
/// a count of 0 or less is an empty row. Nothing keeps the row. The members that answer with a
/// number are called per candidate by the filter stages and never allocate; the members that
/// answer with a text or an array build a new value for the caller.
///
/// Conventions shared by all members:
/// - A divisor that is 0 (a big/small limit, an area width, a modulus) gives no class: the
///   number adds nothing to a class string, counts in no class, and fails a per-position check.
/// - Three areas of width w: area 1 is v <= w, area 2 is w < v <= 2w, area 3 is v > 2w. The area
///   digits of the class strings and per-position checks are (v - 1) / w clamped to 2, so a pool
///   one wider than 3w (1..22 with w 7) still has three areas, in line with ThreeAreaRate.
/// - Two prime rules. The set rule counts 1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31 as primes
///   (1 included; 0 and everything else composite). The seed rule counts 1, 2, 3, 5, 7 and every
///   number divisible by none of 2, 3, 5, 7 as primes (0 composite). They agree on 0..36; which
///   member uses which is part of its contract and stated below.
#pragma once

#include <array>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "basekit/row_types.h"
#include "calculation/calculation_export.h"
#include "calculation/class_text.h"

namespace calculation {

class CALCULATION_EXPORT CCalculationUtil {
public:
    /// The five elements: row e lists the lotto numbers of element e (0 "金", 1 "木", 2 "水",
    /// 3 "火", 4 "土"), padded with 0. The rows partition 1..35.
    static constexpr int kWuXingSlots = 12;
    static constexpr std::array<std::array<int, kWuXingSlots>, 5> kWuXingRows{{
        {9, 10, 21, 22, 33, 34},
        {3, 4, 15, 16, 27, 28},
        {1, 12, 13, 24, 25},
        {6, 7, 18, 19, 30, 31},
        {2, 5, 8, 11, 14, 17, 20, 23, 26, 29, 32, 35},
    }};
    /// Seeds of the seed prime rule.
    static constexpr std::array<int, 5> kPrimeSeeds{1, 2, 3, 5, 7};

    // ---- Values -----------------------------------------------------------------------------

    int GetSum(const int *row, int n) const;
    /// Sum of the last digits (v % 10).
    int GetTailSum(const int *row, int n) const;
    /// GetSum % 10.
    int GetSumTail(const int *row, int n) const;
    /// Largest minus smallest; 0 for an empty row.
    int GetSpan(const int *row, int n) const;
    /// Largest / smallest number; 0 for an empty row.
    int GetBiggest(const int *row, int n) const;
    int GetSmallest(const int *row, int n) const;
    /// sum / n rounded half up (1, 2 gives 2); 0 for an empty row.
    int GetAverage(const int *row, int n) const;
    /// Largest absolute difference of neighbours in row order; 0 below two numbers.
    int GetBiggestLag(const int *row, int n) const;
    /// AC value: distinct values among the absolute differences of all pairs, minus (n - 1).
    /// Any n; 0 below two numbers.
    int GetAc(const int *row, int n) const;
    /// The last digit of each number.
    std::vector<int> GetTails(const int *row, int n) const;

    // ---- Ratios: the int form packs the counts as decimal digits, the text joins them by ":" -

    /// odd × 10 + even.
    int OddEvenRate(const int *row, int n) const;
    std::wstring OddEvenRateText(const int *row, int n) const;
    /// prime × 10 + composite, set rule.
    int ZhiHeRate(const int *row, int n) const;
    std::wstring ZhiHeRateText(const int *row, int n) const;
    /// big × 10 + small, big meaning v >= limit.
    int BigSmallRate(const int *row, int n, int limit) const;
    std::wstring BigSmallRateText(const int *row, int n, int limit) const;
    /// a1 × 100 + a2 × 10 + a3 for three areas of the given width.
    int ThreeAreaRate(const int *row, int n, int width) const;
    std::wstring ThreeAreaRateText(const int *row, int n, int width) const;
    /// r0 × 100 + r1 × 10 + r2, ri counting v % 3 == i.
    int LuShuRate(const int *row, int n) const;
    std::wstring LuShuRateText(const int *row, int n) const;
    /// c0:c1:c2:c3:c4 by GetWuXing(v, mode); a number in no element counts under 4.
    std::wstring WuXingRateText(const int *row, int n, int mode) const;

    // ---- Per-number class strings, one item per number in row order, no separator ----------
    // The ClassText forms write the same string into a stack buffer, for the filter's tests.

    /// Decimal of v / limit (0 small, 1 big).
    std::wstring GetBigSmall(const int *row, int n, int limit) const;
    void GetBigSmall(const int *row, int n, int limit, ClassText &out) const;
    /// v % 2: "1" odd, "0" even.
    std::wstring GetOddEven(const int *row, int n) const;
    void GetOddEven(const int *row, int n, ClassText &out) const;
    /// "1" prime, "0" composite, set rule.
    std::wstring GetZhiHe(const int *row, int n) const;
    void GetZhiHe(const int *row, int n, ClassText &out) const;
    /// v % 3.
    std::wstring GetLuShuText(const int *row, int n) const;
    void GetLuShuText(const int *row, int n, ClassText &out) const;
    /// The area digit 0, 1 or 2: (v - 1) / width clamped to 2.
    std::wstring GetThreeArea(const int *row, int n, int width) const;
    void GetThreeArea(const int *row, int n, int width, ClassText &out) const;
    /// "大" when v / limit is not 0, else "小".
    std::wstring GetBigSmallText(const int *row, int n, int limit) const;
    /// "奇" odd, "偶" even.
    std::wstring GetOddEvenText(const int *row, int n) const;
    /// "质" prime, "合" composite, set rule.
    std::wstring GetZhiHeText(const int *row, int n) const;
    /// "1" for v <= width, "3" for v > 2 × width, else "2".
    std::wstring GetThreeAreaText(const int *row, int n, int width) const;
    /// The element character of each number; a number in no element adds nothing.
    std::wstring GetWuXingText(const int *row, int n, int mode) const;

    // ---- Class counts and sums ---------------------------------------------------------------

    /// Count / sum of the numbers with v % 2 == parity (1 odd, 0 even).
    int GetOddOrEvenNum(const int *row, int n, int parity) const;
    int GetOddOrEvenSum(const int *row, int n, int parity) const;
    /// Count / sum of the primes (flag != 0) or composites (flag == 0), seed rule.
    int GetZhiOrHeNum(const int *row, int n, int flag) const;
    int GetZhiOrHeSum(const int *row, int n, int flag) const;
    /// Count / sum of the numbers with v / limit == which.
    int GetBigOrSmallNum(const int *row, int n, int which, int limit) const;
    int GetBigOrSmallSum(const int *row, int n, int which, int limit) const;
    /// Count / sum of the numbers with v % 3 == r.
    int GetLuShuNum(const int *row, int n, int r) const;
    int GetLuShuSum(const int *row, int n, int r) const;
    /// Count in area 0 (v <= width), 1 (width < v <= 2 × width) or, for any other area, v > 2 × width.
    int GetAreaNum(const int *row, int n, int width, int area) const;
    /// Count with low <= v <= high.
    int GetAreaNum2(const int *row, int n, int low, int high) const;
    /// Count of the numbers of an element: mode 1 by the element table; other modes v equal to
    /// element or element + 5.
    int GetWuXingNum(const int *row, int n, int element, int mode) const;

    // ---- Single numbers and shapes -----------------------------------------------------------

    /// Mode 1: the element row holding v (-1 outside 1..35). Other modes: v % 5 for the digits
    /// 0..9, -1 for anything else.
    int GetWuXing(int v, int mode) const;
    /// 1 prime, 0 composite, seed rule.
    int IsZhiOrHe(int v) const;
    /// row[pos[0]] + row[pos[1]].
    int GetErWeiHe(const int *row, const int *pos) const;
    /// |row[pos[0]] - row[pos[1]]|.
    int GetErWeiCha(const int *row, const int *pos) const;
    /// The two numbers at pos, smaller first, written one after the other ("312" for 12, 3).
    std::wstring GetErWeiMa(const int *row, const int *pos) const;
    void GetErWeiMa(const int *row, const int *pos, ClassText &out) const;
    /// 1 if some pair i < j of the row has 10 × min + max among codes. Any n.
    int CheckErMa(const int *codes, int nCodes, const int *row, int n) const;
    /// Number of distinct values (three digits: 3 group of six, 2 group of three, 1 triple).
    int IsZlOrZsOrBz(const int *row, int n) const;
    /// The play shape of a digit row as the result pages show it.
    std::wstring zuXuanOrZhiText(const int *row, int n) const;
    /// Three digits (the first three of the row): the digit that repeats, else -1.
    int GetChongMaForMagic3(const int *row, int n) const;
    /// Three digits: "不连", "二连" or "三连" (as HTML) from their pairwise differences.
    std::wstring GetLianMaForMagic3Text(const int *row, int n) const;
    /// (100 r0 + 10 r1 + r2) / 250: 0..3. -1 below three numbers.
    int GetNumLagForMagic3(const int *row, int n) const;
    /// (1000 r0 + 100 r1 + 10 r2 + r3) / 1000. -1 below four numbers.
    int GetNumLagForTtc4Of10(const int *row, int n) const;
    /// Three dice by 100 r0 + 10 r1 + r2: <= 221 → 0, <= 332 → 1, <= 443 → 2, < 555 → 3, else 4.
    /// -1 below three numbers.
    int GetNumLagForQuick3(const int *row, int n) const;
    /// The values occurring more than once, in order of first appearance, joined by ","; "-"
    /// when none.
    std::wstring GetSameNumText(const int *row, int n) const;
    /// Numbers with a neighbour one below or above, each once, joined by ","; "-" when none.
    /// keep 0: repeats dropped and sorted first; otherwise the row order as given.
    std::wstring GetLianText(const int *row, int n, int keep) const;
    /// The smallest digit 0..9 occurring exactly StrToIntW(times) times in the row, else -1.
    int GetChongMa(const int *row, const std::wstring &times, int n) const;
    /// How many items equal x.
    int GetSameBInA(std::span<const std::wstring> items, const std::wstring &x) const;

    // ---- Renderers ---------------------------------------------------------------------------

    /// Each of the nFront numbers as "<span style=" + style + ">" + number + "</span>", then
    /// the nBack numbers stored after them with backStyle; numbers 0..9 get a leading "0" when
    /// pad == 1.
    std::wstring ArrayToStr(const int *front, int nFront, int nBack, const std::wstring &style,
                            const std::wstring &backStyle, int pad) const;
    /// Each text as "<span style=" + style + ">" + text + "</span>".
    std::wstring ArrayToStr(std::span<const std::wstring> texts, const std::wstring &style) const;
    /// Each number (leading "0" for 0..9 when pad == 1) followed by sep; the trailing separator
    /// is removed.
    std::wstring ArrayToStrNoCSS(const int *row, int n, const std::wstring &sep, int pad) const;

    // ---- Parsing and ordering ----------------------------------------------------------------

    /// Blanks and line ends (CR LF, LF, CR) become ","; the non-empty pieces read by StrToIntW.
    std::vector<int> StringToIntArray(const std::wstring &text) const;
    /// Empty for an empty text; otherwise the same replacement, then every piece (empty ones
    /// included).
    std::vector<std::wstring> StringToStrArray(const std::wstring &text) const;
    /// Stable ascending sort by the mapped value of each map's smallest-key entry; empty maps
    /// (no value) come first.
    void SortArray(std::span<std::map<int, int>> maps) const;
    /// Stable ascending lexicographic sort over the first n entries of each row.
    void SortArray(std::span<std::vector<int>> rows, int n) const;
    void SortArray(std::span<int *> rows, int n) const;
    /// Stable ascending sort of three-number rows by 100 r0 + 10 r1 + r2.
    void SortList(std::span<int *> rows) const;
    /// Settings rows have no order of their own: nothing changes.
    void SortList(basekit::MapList &rows) const;
    /// 1 if some a[i] > b[i], i < n, else 0.
    int IsRowAbiggerThanRowB(const int *a, const int *b, int n) const;
    /// Empties the row and gives its memory back.
    void DeleteRow(std::vector<int> &row) const;

    // ---- Per-position checks -------------------------------------------------------------------
    // allowed[i] lists the class digits position i may have; an empty list leaves position i
    // free. Positions are tested up to the shorter of the row (n) and the list, so a page that
    // sends more entries than the row has numbers never reaches past the row. 1 when every
    // tested position passes, else 0.

    /// Class row[i] / limit.
    int CheckEveryPosBigSmall(const int *row, int n, const std::vector<std::vector<int>> &allowed,
                              int limit) const;
    /// Class 1 prime, 0 composite (set rule).
    int CheckEveryPosZhiHe(const int *row, int n, const std::vector<std::vector<int>> &allowed) const;
    /// Class (row[i] - 1) / width clamped to 2.
    int CheckEveryPosArea(const int *row, int n, const std::vector<std::vector<int>> &allowed,
                          int width) const;
    /// Class row[i] % modulus (odd/even with 2, 012 route with 3).
    int CheckEveryPos(const int *row, int n, const std::vector<std::vector<int>> &allowed, int modulus) const;
    /// Class GetWuXing(row[i], mode); -1 (no element) is in no list.
    int CheckEveryPosWuXing(const int *row, int n, const std::vector<std::vector<int>> &allowed,
                            int mode) const;

    // ---- Run and group codes ---------------------------------------------------------------------
    // A group code lists, for each group size present in ascending order, the number of groups
    // of that size followed by the size: 1213 is one group of 2 and one of 3; 0 is no group. A
    // group is a maximal chain (two or more) of linked neighbours. Any n; a code too long for
    // an int reads as INT_MAX.

    /// Consecutive-number class: for 2 or 3 numbers the count of neighbour steps of +1, for 4 to
    /// 7 numbers the run code, 0 for any other n. Mode 0 drops repeats and sorts first; mode 1
    /// sorts rows of 2 or 3; other modes take the row as given (lotto rows are ascending).
    int GetLianMa(const int *row, int n, int mode) const;
    /// Run code of the values in their given order (next - previous == 1 links).
    int GetLianMaFor5Ofy(const int *values, int n) const;
    int GetLianMaFor6Ofy(const int *values, int n) const;
    int GetLianMaFor7Ofy(const int *values, int n) const;
    /// 0 when no neighbour step in row order is +1, 1 when one is, 2 otherwise.
    int GetLianMaForMagic3(const int *row, int n) const;
    /// Same-tail code: the last digits sorted, equal neighbours linked.
    int GetSameTailGroup(const int *row, int k) const;
    int GetSameTailGroupFor5(const int *row, int n) const;
    int GetSameTailGroupFor6(const int *row, int n) const;
    int GetSameTailGroupFor7(const int *row, int n) const;
    int GetSameTailNumFor7(const int *row, int n) const;
    /// Same-number code: the values sorted, equal neighbours linked.
    int GetSameNumGroup(const int *row, int k) const;
    int GetSameNumGroupFor5(const int *row, int n) const;
    int GetSameNumGroupFor6(const int *row, int n) const;
    int GetSameNumGroupFor7(const int *row, int n) const;
    int GetChongMuNum(const int *row, int n) const;
    int GetChongMuNumFor7(const int *row, int n) const;

    // ---- Condition checks: lists are tested in the order sent, 1 or 0 -----------------------------

    /// Some listed number occurs more than once in the row, or a listed -1 ("no repeat") meets
    /// a row without repeated values.
    int CheckChongMa(const int *list, int count, const int *row, int n) const;
    /// The row's same-number code is among allowed.
    int CheckChongMaNum(const int *allowed, int count, const int *row, int n) const;
    /// The row's same-tail code is among allowed.
    int CheckSameTailNum(const int *allowed, int count, const int *row, int n) const;
    /// The last digit of every number is among allowed. Any n.
    int CheckTail(const int *allowed, int count, const int *row, int n) const;
    /// Some listed tail is the last digit of two or more numbers, or a listed -1 meets a row
    /// whose last digits are all different.
    int CheckOnlySameTail(const int *tails, int count, const int *row, int n) const;
    /// The same as CheckOnlySameTail.
    int CheckSameTail(const int *tails, int count, const int *row, int n) const;
    /// Each listed tail occurs exactly times times among the last digits.
    int CheckSameTail(const int *row, int n, const int *tails, int count, int times) const;
    /// The number of distinct row values in set is among allowed.
    int CheckZiDingYi(const int *row, int n, const int *set, int nSet, const int *allowed,
                      int nAllowed) const;
};

} // namespace calculation
