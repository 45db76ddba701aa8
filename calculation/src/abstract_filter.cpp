#include "calculation/abstract_filter.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

#include "basekit/number_text.h"

namespace calculation {
namespace {

const wchar_t *const kSingleKeys[] = {
    L"kuaDu",   L"heZhi",      L"tailSum",  L"heZhiTail",   L"feiMa",        L"bigSmallRate", L"oddEvenRate",
    L"zhiHeRate", L"luShuRate", L"threeAreaRate", L"lianMa", L"acValue",     L"average",      L"linHaoLag",
    L"tail",    L"sameTail",   L"sameTailNum", L"onlySameTail", L"lastNum",  L"maximumNum",   L"minimumNum",
    L"shaZuHeOne", L"shaZuHeTwo"};

const wchar_t *const kShapeSumKeys[] = {L"shapeSum00Small", L"shapeSum01Big", L"shapeSum02Odd",
                                        L"shapeSum03Even",  L"shapeSum04Zhi", L"shapeSum05He",
                                        L"shapeSum06Lu0",   L"shapeSum07Lu1", L"shapeSum08Lu2"};

bool IsPrimeBySet(int v)
{
    switch (v) {
    case 1: case 2: case 3: case 5: case 7: case 11: case 13: case 17: case 19: case 23: case 29: case 31:
        return true;
    default:
        return false;
    }
}

bool IsPrimeBySeeds(int v)
{
    if (v == 1 || v == 2 || v == 3 || v == 5 || v == 7) {
        return true;
    }
    return v != 0 && v % 2 != 0 && v % 3 != 0 && v % 5 != 0 && v % 7 != 0;
}

// Area index of a number: 0, 1 or 2. Numbers above three widths belong to the third area
// (the 5-of-22 game has 22 numbers in areas of 7).
int AreaOf(int v, int width)
{
    if (v <= 0 || width <= 0) {
        return 0;
    }
    return std::min((v - 1) / width, 2);
}

// Entry i of a per-position pattern: true when the position is free or value is allowed.
bool PositionAllows(const Data &d, int i, int value)
{
    if (i >= static_cast<int>(d.rows.size()) || d.rows[i].empty()) {
        return true;
    }
    const std::vector<int> &allowed = d.rows[i];
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

// Writes the decimal text of v at out, returning the new end.
wchar_t *AppendDecimal(wchar_t *out, int v)
{
    wchar_t digits[12];
    int n = 0;
    bool negative = v < 0;
    unsigned magnitude = negative ? 0U - static_cast<unsigned>(v) : static_cast<unsigned>(v);
    do {
        digits[n++] = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) {
        *out++ = L'-';
    }
    while (n > 0) {
        *out++ = digits[--n];
    }
    return out;
}

// Counts and sums of a row's number classes, made in one pass for the shape tests.
struct RowShape {
    int sum = 0, smallest = 0, largest = 0;
    int odd = 0, big = 0, prime = 0;
    int route[3] = {0, 0, 0};
    int area[3] = {0, 0, 0};
    int oddSum = 0, evenSum = 0, quotientSum[2] = {0, 0}, primeSeedSum = 0, compositeSeedSum = 0;
    int routeSum[3] = {0, 0, 0};
    std::uint64_t mask = 0;
    std::uint32_t tailMask = 0;
};

} // namespace

int AbstractFilter::FilterBack(const int * /*backRow*/, int & /*wrongCount*/)
{
    return 1;
}

void AbstractFilter::SetOldDataForRuleOut(const std::vector<std::vector<int>> &rows)
{
    std::size_t kept = std::min<std::size_t>(rows.size(), kMaxRuleOutRows);
    ruleOutRows.assign(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(kept));
    ruleOutMasks.clear();
    for (const std::vector<int> &draw : ruleOutRows) {
        ruleOutMasks.push_back(NumberMask(draw.data(), static_cast<int>(draw.size())));
    }
}

void AbstractFilter::SetCommonProp(const DataMap &conditions, int positions, int big, int width, int gameMode)
{
    dataSource = LookupCondition(conditions, L"dataSource").firstStr();
    castType = LookupCondition(conditions, L"castType").firstStr();
    maxWrong = basekit::StrToIntW(LookupCondition(conditions, L"maxWrong").firstStr());
    positionCount = std::clamp(positions, 0, kMaxPositions);
    bigStart = big;
    areaWidth = width;
    mode = gameMode;
    PrepareClassTables();
}

void AbstractFilter::PrepareClassTables()
{
    for (int v = 0; v < static_cast<int>(classes_.size()); ++v) {
        classes_[v] = NumberClass{static_cast<std::uint8_t>(v % 2),
                                  static_cast<std::uint8_t>(v >= bigStart),
                                  static_cast<std::uint8_t>(IsPrimeBySet(v)),
                                  static_cast<std::uint8_t>(v % 3),
                                  static_cast<std::uint8_t>(v <= areaWidth ? 0 : v <= 2 * areaWidth ? 1 : 2)};
    }
}

void AbstractFilter::SetCommonIndexData(const DataMap &conditions)
{
    if (dataSource == L"dataSourceNew") {
        baseNums.Load(conditions, L"baseNums");
    }
    for (int i = 0; i < positionCount; ++i) {
        pos[i].Load(conditions, IndexedKey(L"pos", i));
    }
    for (int g = 0; g < static_cast<int>(danMa.size()); ++g) {
        danMa[g].Load(conditions, IndexedKey(L"danMa", g));
    }
    pairCount = 0;
    for (int i = 0; i + 1 < positionCount; ++i) {
        for (int j = i + 1; j < positionCount && pairCount < kMaxPairs; ++j) {
            pairs[pairCount] = {i, j};
            erWeiHe[pairCount].Load(conditions, IndexedKey(L"erWeiHe", i, j));
            erWeiCha[pairCount].Load(conditions, IndexedKey(L"erWeiCha", i, j));
            erWeiMa[pairCount].Load(conditions, IndexedKey(L"erWeiMa", i, j));
            ++pairCount;
        }
    }
    for (int e = 0; e < static_cast<int>(wuXingNum.size()); ++e) {
        wuXingNum[e].Load(conditions, IndexedKey(L"wuXingNum", e));
    }
    customGroupCount = static_cast<int>(ziDingYi.size());
    for (int g = 0; g < customGroupCount; ++g) {
        ziDingYi[g].Load(conditions, IndexedKey(L"ziDingYi", g));
    }
    for (int r = 0; r < 3; ++r) {
        luShuNum[r].Load(conditions, IndexedKey(L"luShuNum", r));
        erWeiSameTail[r].Load(conditions, IndexedKey(L"erWeiSameTail", r + 2));
    }
    Condition *singles[] = {&kuaDu,      &heZhi,      &tailSum,    &heZhiTail, &feiMa,    &bigSmallRate,
                            &oddEvenRate, &zhiHeRate, &luShuRate,  &threeAreaRate, &lianMa, &acValue,
                            &average,    &linHaoLag,  &tail,       &sameTail,  &sameTailNum, &onlySameTail,
                            &lastNum,    &maximumNum, &minimumNum, &shaZuHeOne, &shaZuHeTwo};
    static_assert(std::size(singles) == std::size(kSingleKeys));
    for (std::size_t k = 0; k < std::size(kSingleKeys); ++k) {
        singles[k]->Load(conditions, kSingleKeys[k]);
    }
    for (std::size_t k = 0; k < shapeSum.size(); ++k) {
        shapeSum[k].Load(conditions, kShapeSumKeys[k]);
    }
}

void AbstractFilter::SetBOZLData(const DataMap &conditions)
{
    bigSmall.Load(conditions, L"bigSmall");
    oddEven.Load(conditions, L"oddEven");
    zhiHe.Load(conditions, L"zhiHe");
    luShu012.Load(conditions, L"luShu012");
    threeArea.Load(conditions, L"threeArea");
    bigSmallDingWei.Load(conditions, L"bigSmallDingWei");
    oddEvenDingWei.Load(conditions, L"oddEvenDingWei");
    zhiHeDingWei.Load(conditions, L"zhiHeDingWei");
    luShu012DingWei.Load(conditions, L"luShu012DingWei");
    threeAreaDingWei.Load(conditions, L"threeAreaDingWei");
    wuXingDingWei.Load(conditions, L"wuXingDingWei");
}

void AbstractFilter::ReSetCommonIndexData()
{
    baseNums.Reset();
    for (Condition &c : pos) {
        c.Reset();
    }
    for (Condition &c : danMa) {
        c.Reset();
    }
    for (int p = 0; p < kMaxPairs; ++p) {
        erWeiHe[p].Reset();
        erWeiCha[p].Reset();
        erWeiMa[p].Reset();
    }
    for (Condition &c : ziDingYi) {
        c.Reset();
    }
    for (Condition &c : wuXingNum) {
        c.Reset();
    }
    for (int r = 0; r < 3; ++r) {
        luShuNum[r].Reset();
        erWeiSameTail[r].Reset();
    }
    Condition *singles[] = {&kuaDu,      &heZhi,      &tailSum,    &heZhiTail, &feiMa,    &bigSmallRate,
                            &oddEvenRate, &zhiHeRate, &luShuRate,  &threeAreaRate, &lianMa, &acValue,
                            &average,    &linHaoLag,  &tail,       &sameTail,  &sameTailNum, &onlySameTail,
                            &lastNum,    &maximumNum, &minimumNum, &shaZuHeOne, &shaZuHeTwo};
    for (Condition *c : singles) {
        c->Reset();
    }
    for (Condition &c : shapeSum) {
        c.Reset();
    }
}

void AbstractFilter::ResetBOZLData()
{
    for (Condition *c : {&bigSmall, &oddEven, &zhiHe, &luShu012, &threeArea, &bigSmallDingWei, &oddEvenDingWei,
                         &zhiHeDingWei, &luShu012DingWei, &threeAreaDingWei, &wuXingDingWei}) {
        c->Reset();
    }
}

int AbstractFilter::DingWeiFilter(const int *row) const
{
    for (int i = 0; i < positionCount; ++i) {
        if (pos[i].enabled() && !pos[i].Has(row[i])) {
            return 0;
        }
    }
    return 1;
}

int AbstractFilter::firstLevelFilter(const int *row, int &wrongCount) const
{
    const int k = positionCount;
    if (k <= 0) {
        return 1;
    }
    RowShape s;
    s.smallest = s.largest = row[0];
    for (int i = 0; i < k; ++i) {
        int v = row[i];
        s.sum += v;
        s.smallest = std::min(s.smallest, v);
        s.largest = std::max(s.largest, v);
        s.mask |= NumberBit(v);
        s.tailMask |= 1U << (std::abs(v) % 10);
        NumberClass c = v >= 0 && v < static_cast<int>(classes_.size())
                            ? classes_[v]
                            : NumberClass{static_cast<std::uint8_t>(std::abs(v) % 2), v >= bigStart,
                                          IsPrimeBySet(v), static_cast<std::uint8_t>(((v % 3) + 3) % 3),
                                          static_cast<std::uint8_t>(v <= areaWidth ? 0 : v <= 2 * areaWidth ? 1 : 2)};
        s.odd += c.odd;
        s.big += c.big;
        s.prime += c.prime;
        s.route[c.route] += 1;
        s.routeSum[c.route] += v;
        s.area[c.area] += 1;
        (c.odd ? s.oddSum : s.evenSum) += v;
        int quotient = bigStart != 0 ? v / bigStart : -1;
        if (quotient == 0 || quotient == 1) {
            s.quotientSum[quotient] += v;
        }
        (IsPrimeBySeeds(v) ? s.primeSeedSum : s.compositeSeedSum) += v;
    }

    // Banker groups: at least one enabled group must be wholly in the row; never tolerated.
    bool anyGroup = false;
    bool groupFound = false;
    for (const Condition &g : danMa) {
        if (g.enabled()) {
            anyGroup = true;
            if ((s.mask & g.mask()) == g.mask()) {
                groupFound = true;
                break;
            }
        }
    }
    if (anyGroup && !groupFound) {
        return 0;
    }

    auto member = [&](const Condition &c, int statistic) {
        return !c.enabled() || Check(c, c.Has(statistic), wrongCount);
    };
    auto passes = [&](const Condition &c, auto &&test) { return !c.enabled() || Check(c, test(), wrongCount); };

    int tailDigitSum = 0;
    for (int i = 0; i < k; ++i) {
        tailDigitSum += row[i] % 10;
    }
    if (!member(kuaDu, s.largest - s.smallest) || !member(heZhi, s.sum) || !member(heZhiTail, s.sum % 10) ||
        !member(tailSum, tailDigitSum) ||
        !member(average, static_cast<int>(static_cast<double>(s.sum) / k + 0.5)) ||
        !passes(feiMa, [&] { return (s.mask & feiMa.mask()) == 0; }) ||
        !member(bigSmallRate, s.big * 10 + (k - s.big)) || !member(oddEvenRate, s.odd * 10 + (k - s.odd)) ||
        !member(zhiHeRate, s.prime * 10 + (k - s.prime)) ||
        !member(luShuRate, s.route[0] * 100 + s.route[1] * 10 + s.route[2]) ||
        !member(threeAreaRate, s.area[0] * 100 + s.area[1] * 10 + s.area[2]) || !member(maximumNum, s.largest) ||
        !member(minimumNum, s.smallest) || !member(lastNum, std::popcount(s.mask & lastNum.lastMask())) ||
        !passes(shaZuHeOne, [&] { return (s.mask & ~shaZuHeOne.mask()) != 0; }) ||
        !passes(shaZuHeTwo, [&] { return (s.mask & ~shaZuHeTwo.mask()) != 0; })) {
        return 0;
    }
    if (lianMa.enabled() && !Check(lianMa, lianMa.Has(util.GetLianMa(row, k, mode)), wrongCount)) {
        return 0;
    }
    const int shapeSums[9] = {s.quotientSum[0], s.quotientSum[1], s.oddSum,      s.evenSum,    s.primeSeedSum,
                              s.compositeSeedSum, s.routeSum[0], s.routeSum[1], s.routeSum[2]};
    for (int i = 0; i < 9; ++i) {
        if (!member(shapeSum[i], shapeSums[i])) {
            return 0;
        }
    }
    if (linHaoLag.enabled() && !Check(linHaoLag, linHaoLag.Has(util.GetBiggestLag(row, k)), wrongCount)) {
        return 0;
    }
    if (acValue.enabled()) {
        std::uint64_t differences = 0;
        for (int i = 0; i < k; ++i) {
            for (int j = i + 1; j < k; ++j) {
                differences |= NumberBit(std::abs(row[i] - row[j]));
            }
        }
        if (!Check(acValue, acValue.Has(std::popcount(differences) - (k - 1)), wrongCount)) {
            return 0;
        }
    }
    if (!passes(tail, [&] { return (s.tailMask & ~static_cast<std::uint32_t>(tail.mask())) == 0; })) {
        return 0;
    }
    if (sameTail.enabled()) {
        const Data &d = sameTail.data();
        bool found = util.CheckOnlySameTail(d.nums.data(), static_cast<int>(d.nums.size()), row, k) != 0;
        if (!Check(sameTail, sameTail.include() ? found : !found, wrongCount)) {
            return 0;
        }
    }
    if (sameTailNum.enabled()) {
        const Data &d = sameTailNum.data();
        if (!Check(sameTailNum, util.CheckSameTailNum(d.nums.data(), static_cast<int>(d.nums.size()), row, k) != 0,
                   wrongCount)) {
            return 0;
        }
    }
    for (int r = 0; r < 3; ++r) {
        if (!member(luShuNum[r], s.route[r])) {
            return 0;
        }
    }
    for (int e = 0; e < 5; ++e) {
        if (wuXingNum[e].enabled() &&
            !Check(wuXingNum[e], wuXingNum[e].Has(util.GetWuXingNum(row, k, e, mode)), wrongCount)) {
            return 0;
        }
    }
    for (int p = 0; p < pairCount; ++p) {
        int a = row[pairs[p][0]];
        int b = row[pairs[p][1]];
        if (!member(erWeiHe[p], a + b) || !member(erWeiCha[p], std::abs(b - a))) {
            return 0;
        }
        if (erWeiMa[p].enabled()) {
            wchar_t text[32];
            wchar_t *end = AppendDecimal(AppendDecimal(text, std::min(a, b)), std::max(a, b));
            if (!Check(erWeiMa[p], erWeiMa[p].HasText(std::wstring_view(text, end - text)), wrongCount)) {
                return 0;
            }
        }
    }
    for (int g = 0; g < customGroupCount; ++g) {
        const Condition &c = ziDingYi[g];
        if (c.enabled() && !Check(c, c.Allows(std::popcount(s.mask & c.mask())), wrongCount)) {
            return 0;
        }
    }
    return 1;
}

int AbstractFilter::BOZLFilter(const int *row, int &wrongCount) const
{
    const int k = positionCount;
    // Per-position patterns look at no more entries than the row has positions, whatever the
    // page sent.
    auto positions = [k](const Condition &c) { return std::min(c.data().count(), k); };
    auto everyPosition = [&](const Condition &c, auto &&classOf) {
        if (!c.enabled()) {
            return true;
        }
        bool ok = true;
        for (int i = 0, n = positions(c); i < n && ok; ++i) {
            ok = PositionAllows(c.data(), i, classOf(row[i]));
        }
        return Check(c, ok, wrongCount);
    };
    const int big = bigStart != 0 ? bigStart : 1;
    if (!everyPosition(bigSmallDingWei, [&](int v) { return v / big; }) ||
        !everyPosition(oddEvenDingWei, [](int v) { return v % 2; }) ||
        !everyPosition(zhiHeDingWei, [](int v) { return IsPrimeBySet(v) ? 1 : 0; }) ||
        !everyPosition(luShu012DingWei, [](int v) { return v % 3; }) ||
        !everyPosition(threeAreaDingWei, [&](int v) { return AreaOf(v, areaWidth); }) ||
        !everyPosition(wuXingDingWei, [&](int v) { return util.GetWuXing(v, mode); })) {
        return 0;
    }
    auto pattern = [&](const Condition &c, auto &&classOf) {
        if (!c.enabled()) {
            return true;
        }
        wchar_t text[kMaxPositions * 12];
        wchar_t *end = text;
        for (int i = 0; i < k; ++i) {
            end = AppendDecimal(end, classOf(row[i]));
        }
        return Check(c, c.HasText(std::wstring_view(text, end - text)), wrongCount);
    };
    return pattern(bigSmall, [&](int v) { return v / big; }) && pattern(oddEven, [](int v) { return v % 2; }) &&
                   pattern(zhiHe, [](int v) { return IsPrimeBySet(v) ? 1 : 0; }) &&
                   pattern(luShu012, [](int v) { return v % 3; }) &&
                   pattern(threeArea, [&](int v) { return AreaOf(v, areaWidth); })
               ? 1
               : 0;
}

int AbstractFilter::numFilter(const int *row, int &wrongCount) const
{
    const int k = positionCount;
    int counts[12] = {};
    const int big = bigStart != 0 ? bigStart : 1;
    for (int i = 0; i < k; ++i) {
        int v = row[i];
        counts[0] += v / big == 1;
        counts[1] += v / big == 0;
        counts[2] += v % 2 == 1;
        counts[3] += v % 2 == 0;
        counts[4] += IsPrimeBySeeds(v);
        counts[5] += !IsPrimeBySeeds(v);
        counts[6 + v % 3] += 1;
        counts[9] += v <= areaWidth;
        counts[10] += v > areaWidth && v <= 2 * areaWidth;
        counts[11] += v > 2 * areaWidth;
    }
    for (int t = 0; t < 12; ++t) {
        const Condition &c = numConditions_[t];
        if (c.enabled() && !Check(c, c.Has(counts[t]), wrongCount)) {
            return 0;
        }
    }
    return 1;
}

} // namespace calculation
