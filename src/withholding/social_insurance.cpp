#include "withholding/social_insurance.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "withholding/checked_amounts.h"

namespace nencho {

namespace {

struct GradeRow {
    std::int32_t payFrom;
    int grade;
};

// Each row holds from its pay up to the next row's pay less 1 yen; below the first row the grade
// is 0.
constexpr auto StandardGradeTable = std::to_array<GradeRow>({
    {8'908, 98},    {101'000, 104}, {107'000, 110}, {114'000, 118}, {122'000, 126}, {130'000, 134},
    {138'000, 142}, {146'000, 150}, {155'000, 160}, {165'000, 170}, {175'000, 180}, {185'000, 190},
    {195'000, 200}, {210'000, 220}, {230'000, 240}, {250'000, 260}, {270'000, 280}, {290'000, 300},
    {310'000, 320}, {330'000, 340}, {350'000, 360}, {370'000, 380}, {395'000, 410}, {425'000, 440},
    {455'000, 470}, {485'000, 500}, {515'000, 530}, {545'000, 560}, {575'000, 590}, {605'000, 620},
    {635'000, 650}, {665'000, 680}, {695'000, 710}, {730'000, 750}, {770'000, 790}, {810'000, 830},
    {855'000, 880}, {905'000, 930}, {955'000, 980},
});

constexpr std::int32_t kPensionPremiumCap = 42'098;

// A band holds from its pay up to the next band's pay less 1 yen. Within a band of step s the
// group rises by s / 1000 for every full step above the band's lower bound. Groups are counted in
// halves of a thousand yen so that the arithmetic stays in whole numbers.
struct WageBand {
    std::int32_t payFrom;
    std::int32_t step;  // 0: one group for the whole band
    std::int32_t firstGroupHalves;
};

constexpr auto WageGroupTable = std::to_array<WageBand>({
    {88'000, 4'000, 180},
    {140'000, 5'000, 285},
    {180'000, 6'000, 366},
    {216'000, 7'000, 439},
    {230'000, 8'000, 468},
    {246'000, 9'000, 501},
    {264'000, 10'000, 538},
    {284'000, 11'000, 579},
    {306'000, 12'000, 624},
    {330'000, 13'000, 673},
    {356'000, 14'000, 726},
    {384'000, 15'000, 783},
    {414'000, 0, 844},
    {430'000, 0, 877},
    {447'000, 0, 912},
});

// From this pay on the group is the pay in whole thousands.
constexpr std::int32_t kWholeThousandsFrom = 465'000;

struct PremiumCorrection {
    std::int32_t computed;
    std::int32_t corrected;
};

constexpr auto kEmploymentCorrections = std::to_array<PremiumCorrection>({
    {1'032, 1'033},
    {1'102, 1'103},
    {1'172, 1'173},
    {1'242, 1'243},
});

// The last row whose lower bound the pay reaches, or nullptr below the first row.
template <typename Row, std::size_t N>
const Row* rowOf(const std::array<Row, N>& table, std::int32_t pay) {
    auto past = std::upper_bound(table.begin(), table.end(), pay,
                                 [](std::int32_t p, const Row& row) { return p < row.payFrom; });
    return past == table.begin() ? nullptr : &*(past - 1);
}

// Half of a premium computed in yen, cut to the yen; grade x rate never leaves the range.
std::int32_t halfCutDown(double premium) {
    return *floorToInt32(premium / 2);
}

std::int32_t wageGroupHalves(std::int32_t pay) {
    if (pay >= kWholeThousandsFrom) return pay / 1000 * 2;
    const WageBand* band = rowOf(WageGroupTable, pay);
    if (band == nullptr) return 0;
    if (band->step == 0) return band->firstGroupHalves;
    return band->firstGroupHalves + band->step / 500 * ((pay - band->payFrom) / band->step);
}

}  // namespace

int standardGrade(std::int32_t pay) {
    const GradeRow* row = rowOf(StandardGradeTable, pay);
    return row == nullptr ? 0 : row->grade;
}

std::int32_t healthPremium(int grade, NursingCare nursingCare) {
    if (nursingCare == NursingCare::Without) return halfCutDown(grade * 82);
    return halfCutDown(grade * 93.1);
}

std::int32_t pensionPremium(int grade) {
    return std::min(halfCutDown(grade * 135.8), kPensionPremiumCap);
}

float wageGroup(std::int32_t pay) {
    return static_cast<float>(wageGroupHalves(pay)) / 2;
}

std::int32_t employmentPremium(std::int32_t pay) {
    // The group never exceeds 2,147,483 thousand yen, so the premium stays in range.
    const std::int32_t rounded = *nearestToInt32(static_cast<double>(wageGroup(pay)) * 7);
    for (const auto& correction : kEmploymentCorrections)
        if (rounded == correction.computed) return correction.corrected;
    return rounded;
}

}  // namespace nencho
