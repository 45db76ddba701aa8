#include "calculation/abstract_filter.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdlib>

#include "basekit/number_text.h"
#include "calculation/class_text.h"
#include "filter_engine.h"
#include "first_level_tests.h"
#include "row_classes.h"

namespace calculation {
namespace {

const wchar_t *const kSingleKeys[] = {
    L"kuaDu",       L"heZhi",      L"tailSum",    L"heZhiTail",     L"feiMa",       L"bigSmallRate",
    L"oddEvenRate", L"zhiHeRate",  L"luShuRate",  L"threeAreaRate", L"lianMa",      L"acValue",
    L"average",     L"linHaoLag",  L"tail",       L"sameTail",      L"sameTailNum", L"onlySameTail",
    L"lastNum",     L"maximumNum", L"minimumNum", L"shaZuHeOne",    L"shaZuHeTwo"};

const wchar_t *const kShapeSumKeys[] = {L"shapeSum00Small", L"shapeSum01Big", L"shapeSum02Odd",
                                        L"shapeSum03Even",  L"shapeSum04Zhi", L"shapeSum05He",
                                        L"shapeSum06Lu0",   L"shapeSum07Lu1", L"shapeSum08Lu2"};

constexpr std::uint8_t kNoElement = 255;

} // namespace

using detail::ClassMasks;
using detail::CountLookup;
using detail::NumberClass;
using detail::PlannedTest;
using detail::RowShape;
using detail::RunsWithRunGrown;
using detail::Test;

AbstractFilter::AbstractFilter() : engine_(std::make_unique<Engine>(*this)) {}

AbstractFilter::~AbstractFilter() = default;

int AbstractFilter::prefixLength() const
{
    return engine_->prefixLength;
}

// The group code of group sizes (a count per size, 4 bits each): for each size present in ascending
// order, the number of groups of that size followed by the size (two groups of 2 and one of 3:
// 2213); 0 for no group.
int detail::GroupCode(std::uint64_t groupsOfSize, int largestSize)
{
    int code = 0;
    for (int size = 2; size <= largestSize; ++size) {
        const int groups = static_cast<int>((groupsOfSize >> (4 * size)) & 15U);
        if (groups > 0) {
            code = code * 100 + groups * 10 + size;
        }
    }
    return code;
}

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
    engine_->PrepareClassTables();
}

NumberClass AbstractFilter::Engine::ComputeClass(int v) const
{
    int quotient = f.bigStart != 0 ? v / f.bigStart : 2;
    NumberClass c{
        static_cast<std::uint8_t>(std::abs(v) % 2),
        static_cast<std::uint8_t>(v >= f.bigStart),
        static_cast<std::uint8_t>(detail::IsSetPrime(v)),
        static_cast<std::uint8_t>(((v % 3) + 3) % 3),
        static_cast<std::uint8_t>(v <= f.areaWidth       ? 0
                                  : v <= 2 * f.areaWidth ? 1
                                                         : 2),
        static_cast<std::uint8_t>(quotient == 0 || quotient == 1 ? quotient : 2),
        static_cast<std::uint8_t>(detail::IsSeedPrime(v)),
        static_cast<std::uint8_t>(std::abs(v) % 10),
        static_cast<std::uint8_t>(f.util.GetWuXing(v, f.mode) < 0 ? kNoElement : f.util.GetWuXing(v, f.mode)),
        0,
        0,
        0};
    c.counts = PackCounts(c);
    c.tailUnit = std::uint64_t{1} << (4 * c.tail);
    c.tailBit = 1U << c.tail;
    return c;
}

std::uint64_t detail::PackCounts(const NumberClass &c)
{
    auto field = [](int index) { return std::uint64_t{1} << (4 * index); };
    return (c.odd ? field(RowShape::kOddField) : 0) | (c.big ? field(RowShape::kBigField) : 0) |
           (c.prime ? field(RowShape::kPrimeField) : 0) | field(RowShape::kRouteFields + c.route) |
           field(RowShape::kAreaFields + c.area) |
           (c.element < 5 ? field(RowShape::kElementFields + c.element) : 0);
}

void AbstractFilter::Engine::PrepareClassTables()
{
    for (int v = 0; v < static_cast<int>(classes.size()); ++v) {
        int quotient = f.bigStart != 0 ? v / f.bigStart : 2;
        classes[v] =
            NumberClass{static_cast<std::uint8_t>(v % 2),
                        static_cast<std::uint8_t>(v >= f.bigStart),
                        static_cast<std::uint8_t>(detail::IsSetPrime(v)),
                        static_cast<std::uint8_t>(v % 3),
                        static_cast<std::uint8_t>(v <= f.areaWidth       ? 0
                                                  : v <= 2 * f.areaWidth ? 1
                                                                         : 2),
                        static_cast<std::uint8_t>(quotient == 0 || quotient == 1 ? quotient : 2),
                        static_cast<std::uint8_t>(detail::IsSeedPrime(v)),
                        static_cast<std::uint8_t>(v % 10),
                        static_cast<std::uint8_t>(
                            f.util.GetWuXing(v, f.mode) < 0 ? kNoElement : f.util.GetWuXing(v, f.mode)),
                        0,
                        0,
                        0};
        classes[v].counts = PackCounts(classes[v]);
        classes[v].tailUnit = std::uint64_t{1} << (4 * classes[v].tail);
        classes[v].tailBit = 1U << classes[v].tail;
    }
    classMasks = ClassMasks();
    for (int v = 0; v < static_cast<int>(classes.size()); ++v) {
        const NumberClass &c = classes[v];
        const std::uint64_t bit = std::uint64_t{1} << v;
        classMasks.odd |= c.odd ? bit : 0;
        classMasks.big |= c.big ? bit : 0;
        classMasks.prime |= c.prime ? bit : 0;
        classMasks.seedPrime |= c.seedPrime ? bit : 0;
        classMasks.quotient[c.quotient] |= bit;
        classMasks.tail[c.tail] |= bit;
        classMasks.route[c.route] |= bit;
        classMasks.area[c.area] |= bit;
        if (c.element < 5) {
            classMasks.element[c.element] |= bit;
        }
    }
    ForgetPrefixes(); // the shapes of known prefixes were made with the old tables
}

int AbstractFilter::Engine::PlanFirstLevelTests()
{
    plan.clear();
    testedSinceOrdering = 0;
    ForgetPrefixes(); // a prefix announced under other conditions says nothing of these
    fixedPositions.clear();
    for (int i = 0; i < f.positionCount; ++i) {
        if (f.pos[i].enabled()) {
            fixedPositions.push_back(i);
        }
    }
    anyBankerGroup =
        std::any_of(f.danMa.begin(), f.danMa.end(), [](const Condition &g) { return g.enabled(); });
    pairTables.assign(static_cast<std::size_t>(f.pairCount), {});
    unsigned reads = Tests::kNothing;
    Tests::ForEach([&](Test test, auto descriptor) {
        using D = decltype(descriptor);
        D::Plan(f, [&](const Condition &c, int index) {
            PlannedTest planned{test, static_cast<std::uint8_t>(index), &c};
            planned.orderFree = D::OrderFree(f.mode);
            planned.cost = D::kCost;
            plan.push_back(std::move(planned));
            reads |= D::kReads;
        });
    });
    needsClassSums = (reads & Tests::kClassSums) != 0;
    needsTails = (reads & Tests::kTails) != 0;
    needsDifferences = (reads & Tests::kDifferences) != 0;
    needsRuns = f.mode != 0 && (reads & Tests::kRuns) != 0;
    runVerdicts = {};
    for (PlannedTest &t : plan) {
        TabulateOutcomes(t);
    }
    PlanCountLookups();
    return static_cast<int>(std::ranges::count_if(plan, [](const PlannedTest &t) { return !t.orderFree; }));
}

void AbstractFilter::Engine::PlanCountLookups()
{
    countLookups.clear();
    for (PlannedTest &t : plan) {
        CountLookup lookup;
        const bool byCounts = Tests::Visit(
            t.test, [&](auto d) { return decltype(d)::CountFields(t, lookup.first, lookup.second); });
        if (!byCounts) {
            continue;
        }
        // A tolerated test counts its failures number by number.
        t.judgedByCount = !t.tolerated;
        if (t.judgedByCount) {
            std::copy_n(t.lastByCount.begin(), std::min<std::size_t>(t.lastByCount.size(), 64),
                        lookup.lastByCount.begin());
            countLookups.push_back(lookup);
        }
    }
}

void AbstractFilter::Engine::TabulateOutcomes(PlannedTest &t)
{
    t.outcomes = {};
    t.tolerated = t.condition->canBeWrong();
    t.lastByCount.clear();
    Tests::Visit(t.test, [&](auto d) { decltype(d)::Tabulate(*this, t); });
}

bool AbstractFilter::Engine::PairPasses(int pair, int a, int b, int &wrongCount) const
{
    // In their fixed order: the sum, the difference, then the code of the two numbers.
    auto test = [&](const Condition &c, bool passed) {
        return !c.enabled() || passed || f.Tolerate(c, wrongCount);
    };
    return test(f.erWeiHe[pair], f.erWeiHe[pair].Has(a + b)) &&
           test(f.erWeiCha[pair], f.erWeiCha[pair].Has(std::abs(b - a))) &&
           test(f.erWeiMa[pair], f.erWeiMa[pair].HasPairCode(std::min(a, b), std::max(a, b)));
}

int detail::RoundedAverage(int sum, int k)
{
    // Half up by adding 0.5 and cutting, as the page defines it.
    return static_cast<int>(static_cast<double>(sum) / k + 0.5); // NOLINT(bugprone-incorrect-roundings)
}

bool detail::SameTailPasses(const Condition &c, std::uint64_t tailCounts)
{
    // A chosen tail shared by two or more numbers, or -1 chosen and all tails different.
    std::uint32_t repeated = RepeatedTails(tailCounts);
    bool found = (repeated & static_cast<std::uint32_t>(c.mask())) != 0 || (repeated == 0 && c.Has(-1));
    return c.include() ? found : !found;
}

int detail::SameTailGroupCode(std::uint64_t tailCounts)
{
    std::uint64_t groupsOfSize = 0;
    for (int digit = 0; digit < 10; ++digit) {
        const int count = static_cast<int>((tailCounts >> (4 * digit)) & 15U);
        if (count >= 2) {
            groupsOfSize += std::uint64_t{1} << (4 * std::min(count, AbstractFilter::kMaxPositions));
        }
    }
    return GroupCode(groupsOfSize, AbstractFilter::kMaxPositions);
}

std::uint32_t detail::RepeatedTails(std::uint64_t tailCounts)
{
    std::uint32_t repeated = 0;
    for (int digit = 0; digit < 10; ++digit) {
        if (((tailCounts >> (4 * digit)) & 15U) >= 2) {
            repeated |= 1U << digit;
        }
    }
    return repeated;
}

int detail::DistinctDifferences(const int *row, int n, const RowShape &s)
{
    if (s.smallest >= 0 && s.largest < 64) {
        // Shifting the row's number mask down by each of its numbers puts a bit at every
        // difference to a larger number; a difference of 0 exists when a number repeats.
        std::uint64_t differences = 0;
        for (int i = 0; i < n; ++i) {
            differences |= s.mask >> row[i];
        }
        differences &= ~std::uint64_t{1};
        if (CountBits(s.mask) < n) {
            differences |= 1;
        }
        return CountBits(differences);
    }
    std::vector<long long> seen;
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            long long d = std::llabs(static_cast<long long>(row[i]) - row[j]);
            if (std::find(seen.begin(), seen.end(), d) == seen.end()) {
                seen.push_back(d);
            }
        }
    }
    return static_cast<int>(seen.size());
}

std::uint64_t detail::RunsWithRunGrown(std::uint64_t runsOfSize, int length)
{
    // Runs longer than a row are counted as one past the longest.
    if (length >= 2) {
        runsOfSize -= std::uint64_t{1} << (4 * std::min(length, AbstractFilter::kMaxPositions + 1));
    }
    return runsOfSize + (std::uint64_t{1} << (4 * std::min(length + 1, AbstractFilter::kMaxPositions + 1)));
}

int detail::RunCodeWithRunGrown(int n, std::uint64_t runsOfSize, int length)
{
    return GroupCode(RunsWithRunGrown(runsOfSize, length), n);
}

void AbstractFilter::SetCommonIndexData(const DataMap &conditions, const std::wstring &baseKey)
{
    if (dataSource == L"dataSourceNew") {
        baseNums.Load(conditions, baseKey);
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
    Condition *singles[] = {&kuaDu,        &heZhi,       &tailSum,      &heZhiTail, &feiMa,
                            &bigSmallRate, &oddEvenRate, &zhiHeRate,    &luShuRate, &threeAreaRate,
                            &lianMa,       &acValue,     &average,      &linHaoLag, &tail,
                            &sameTail,     &sameTailNum, &onlySameTail, &lastNum,   &maximumNum,
                            &minimumNum,   &shaZuHeOne,  &shaZuHeTwo};
    static_assert(std::size(singles) == std::size(kSingleKeys));
    for (std::size_t k = 0; k < std::size(kSingleKeys); ++k) {
        singles[k]->Load(conditions, kSingleKeys[k]);
    }
    for (std::size_t k = 0; k < shapeSum.size(); ++k) {
        shapeSum[k].Load(conditions, kShapeSumKeys[k]);
    }
    orderBoundTests_ = engine_->PlanFirstLevelTests();
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
    anyPattern_ = false;
    for (const Condition *c :
         {&bigSmall, &oddEven, &zhiHe, &luShu012, &threeArea, &bigSmallDingWei, &oddEvenDingWei,
          &zhiHeDingWei, &luShu012DingWei, &threeAreaDingWei, &wuXingDingWei}) {
        anyPattern_ = anyPattern_ || c->enabled();
    }
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
    Condition *singles[] = {&kuaDu,        &heZhi,       &tailSum,      &heZhiTail, &feiMa,
                            &bigSmallRate, &oddEvenRate, &zhiHeRate,    &luShuRate, &threeAreaRate,
                            &lianMa,       &acValue,     &average,      &linHaoLag, &tail,
                            &sameTail,     &sameTailNum, &onlySameTail, &lastNum,   &maximumNum,
                            &minimumNum,   &shaZuHeOne,  &shaZuHeTwo};
    for (Condition *c : singles) {
        c->Reset();
    }
    for (Condition &c : shapeSum) {
        c.Reset();
    }
    orderBoundTests_ = engine_->PlanFirstLevelTests();
}

void AbstractFilter::ResetBOZLData()
{
    for (Condition *c :
         {&bigSmall, &oddEven, &zhiHe, &luShu012, &threeArea, &bigSmallDingWei, &oddEvenDingWei,
          &zhiHeDingWei, &luShu012DingWei, &threeAreaDingWei, &wuXingDingWei}) {
        c->Reset();
    }
    anyPattern_ = false;
}

int AbstractFilter::DingWeiFilter(const int *row) const
{
    for (int i : engine_->fixedPositions) {
        if (!pos[i].Has(row[i])) {
            return 0;
        }
    }
    return 1;
}

void AbstractFilter::Engine::AddToShape(RowShape &s, int v) const
{
    const NumberClass c = ClassOf(v);
    if (needsRuns) {
        if (s.added > 0 && v == s.previous + 1) {
            s.runsOfSize = RunsWithRunGrown(s.runsOfSize, s.lastRun);
            ++s.lastRun;
        } else {
            s.lastRun = 1;
        }
    }
    if (s.added == 0) {
        s.smallest = s.largest = v;
    } else {
        s.descents += static_cast<int>(v <= s.previous);
    }
    s.previous = v;
    ++s.added;
    if (needsDifferences) {
        if (v >= 0 && v < 64) {
            // v's differences to the numbers below it (as bits of the reversed mask) and above it.
            s.differences |= (s.mask >> v) | (s.reversed >> (63 - v));
            s.reversed |= std::uint64_t{1} << (63 - v);
        } else {
            s.exactDifferences = false;
        }
    }
    s.sum += v;
    s.smallest = std::min(s.smallest, v);
    s.largest = std::max(s.largest, v);
    s.mask |= NumberBit(v);
    s.counts += c.counts;
    if (needsTails) {
        s.tailMask |= c.tailBit;
        s.tailCounts += c.tailUnit;
        s.tailDigitSum += c.tail;
    }
    if (needsClassSums) {
        s.routeSum[c.route] += v;
        s.paritySum[c.odd] += v;
        s.quotientSum[c.quotient] += v;
        s.seedPrimeSum[c.seedPrime] += v;
    }
}

void AbstractFilter::BeginPrefix(const int *row, int length)
{
    Engine &e = *engine_;
    const int n = std::clamp(length, 0, positionCount);
    e.lastVerdicts.known = false;
    if (!e.UsesShapes()) {
        // Nothing of the prefix is worked out; it is only told on.
        e.levelsKnown = 0;
        e.prefixLength = n;
        if (next) {
            next->BeginPrefix(row, length);
        }
        return;
    }
    // The levels this prefix shares with the one known are kept; the others are worked out from
    // the deepest shared one, one number each.
    int same = 0;
    while (same < e.levelsKnown && same < n && e.levelRow[same] == row[same]) {
        ++same;
    }
    for (int i = same; i < n; ++i) {
        e.levelRow[i] = row[i];
        e.levelShapes[i + 1] = e.levelShapes[i];
        e.AddToShape(e.levelShapes[i + 1], row[i]);
    }
    if (same < n) {
        e.levelsKnown = n;
    }
    e.prefixLength = n;
    if (next) {
        next->BeginPrefix(row, length);
    }
}

void AbstractFilter::EndPrefix()
{
    engine_->prefixLength = 0;
    engine_->lastVerdicts.known = false;
    if (next) {
        next->EndPrefix();
    }
}

std::uint64_t AbstractFilter::MaskOf(const int *row) const
{
    Engine &e = *engine_;
    const int from = e.UsesShapes() ? e.prefixLength : 0;
    std::uint64_t mask = e.levelShapes[from].mask;
    for (int i = from; i < positionCount; ++i) {
        mask |= NumberBit(row[i]);
    }
    return mask;
}

bool AbstractFilter::PrefixMayPass(const Completion &c) const
{
    int certainFailures = 0;
    for (const AbstractFilter *stage = this; stage != nullptr; stage = stage->next) {
        if (!stage->OwnPrefixMayPass(c, certainFailures)) {
            return false;
        }
    }
    return true;
}

void AbstractFilter::Engine::OrderPlanByRejections()
{
    // Most rejections for the work first: a test that judges numbers one by one costs more.
    std::ranges::stable_sort(plan, [](const PlannedTest &a, const PlannedTest &b) {
        return static_cast<std::uint64_t>(a.rejections) * b.cost >
               static_cast<std::uint64_t>(b.rejections) * a.cost;
    });
    for (PlannedTest &t : plan) {
        t.rejections /= 2; // recent rows weigh more than old ones
    }
}

int AbstractFilter::firstLevelFilter(const int *row, int &wrongCount, TestScope scope) const
{
    Engine &e = *engine_;
    const int k = positionCount;
    if (k <= 0 || (e.plan.empty() && !e.anyBankerGroup) ||
        (scope == TestScope::OrderBound && orderBoundTests_ == 0)) {
        return 1;
    }
    if (scope == TestScope::All && e.lastVerdicts.known && e.prefixLength == k - 1) {
        const int v = row[k - 1];
        if (v >= 0 && v < 64 && ((e.lastVerdicts.numbers >> v) & 1U) != 0) {
            if (((e.lastVerdicts.pass >> v) & 1U) == 0) {
                return 0;
            }
            wrongCount += e.lastVerdicts.FailuresOf(v);
            return wrongCount <= maxWrong ? 1 : 0;
        }
    }
    RowShape s;
    // The order-bound tests read the row itself, but for the run test of a row that is not digits.
    if (scope != TestScope::OrderBound || mode != 0) {
        s = e.levelShapes[e.prefixLength];
        for (int i = e.prefixLength; i < k; ++i) {
            e.AddToShape(s, row[i]);
        }
        // Banker groups: at least one enabled group must be wholly in the row; never tolerated.
        if (e.anyBankerGroup) {
            bool groupFound = std::any_of(danMa.begin(), danMa.end(), [&](const Condition &g) {
                return g.enabled() && (s.mask & g.mask()) == g.mask();
            });
            if (!groupFound) {
                return 0;
            }
        }
    }
    constexpr std::uint32_t kRowsBetweenOrderings = 1U << 14;
    if (++e.testedSinceOrdering == kRowsBetweenOrderings) {
        e.testedSinceOrdering = 0;
        e.OrderPlanByRejections();
    }
    for (PlannedTest &t : e.plan) {
        if (scope != TestScope::All && t.orderFree != (scope == TestScope::OrderFree)) {
            continue;
        }
        if (!e.RunPlannedTest(t, row, s, wrongCount)) {
            ++t.rejections;
            return 0;
        }
    }
    return 1;
}

bool AbstractFilter::Engine::RunPlannedTest(const PlannedTest &t, const int *row, const RowShape &s,
                                            int &wrongCount) const
{
    return Tests::Visit(t.test, [&](auto d) {
        using D = decltype(d);
        return D::Passes(*this, t, row, s) || D::Failed(*this, t, row, wrongCount);
    });
}

int AbstractFilter::BOZLFilter(const int *row, int &wrongCount) const
{
    if (!anyPattern_) {
        return 1;
    }
    const int k = positionCount;
    // The per-position checks read no more entries than the row has positions, whatever the
    // page sent.
    auto everyPosition = [&](const Condition &c, auto &&check) {
        return !c.enabled() || Check(c, check(c.data().rows) != 0, wrongCount);
    };
    if (!everyPosition(bigSmallDingWei,
                       [&](const auto &a) { return util.CheckEveryPosBigSmall(row, k, a, bigStart); }) ||
        !everyPosition(oddEvenDingWei, [&](const auto &a) { return util.CheckEveryPos(row, k, a, 2); }) ||
        !everyPosition(zhiHeDingWei, [&](const auto &a) { return util.CheckEveryPosZhiHe(row, k, a); }) ||
        !everyPosition(luShu012DingWei, [&](const auto &a) { return util.CheckEveryPos(row, k, a, 3); }) ||
        !everyPosition(threeAreaDingWei,
                       [&](const auto &a) { return util.CheckEveryPosArea(row, k, a, areaWidth); }) ||
        !everyPosition(wuXingDingWei,
                       [&](const auto &a) { return util.CheckEveryPosWuXing(row, k, a, mode); })) {
        return 0;
    }
    // The class strings are written into a stack buffer and compared with the chosen texts.
    auto pattern = [&](const Condition &c, auto &&write) {
        if (!c.enabled()) {
            return true;
        }
        ClassText text;
        write(text);
        return Check(c, text.complete() && c.HasText(text.view()), wrongCount);
    };
    return pattern(bigSmall, [&](ClassText &t) { util.GetBigSmall(row, k, bigStart, t); }) &&
                   pattern(oddEven, [&](ClassText &t) { util.GetOddEven(row, k, t); }) &&
                   pattern(zhiHe, [&](ClassText &t) { util.GetZhiHe(row, k, t); }) &&
                   pattern(luShu012, [&](ClassText &t) { util.GetLuShuText(row, k, t); }) &&
                   pattern(threeArea, [&](ClassText &t) { util.GetThreeArea(row, k, areaWidth, t); })
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
        counts[4] += detail::IsSeedPrime(v);
        counts[5] += !detail::IsSeedPrime(v);
        counts[6 + v % 3] += 1;
        counts[9] += v <= areaWidth;
        counts[10] += v > areaWidth && v <= 2 * areaWidth;
        counts[11] += v > 2 * areaWidth;
    }
    for (int t = 0; t < 12; ++t) {
        const Condition &c = engine_->numConditions[t];
        if (c.enabled() && !Check(c, c.Has(counts[t]), wrongCount)) {
            return 0;
        }
    }
    return 1;
}

} // namespace calculation
