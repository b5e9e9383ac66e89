#include "withholding/social_insurance.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace nencho {
namespace {

// Lower pay bound of every grade.
const std::vector<std::pair<std::int32_t, int>> kGradeBounds = {
    {8'908, 98},    {101'000, 104}, {107'000, 110}, {114'000, 118}, {122'000, 126}, {130'000, 134},
    {138'000, 142}, {146'000, 150}, {155'000, 160}, {165'000, 170}, {175'000, 180}, {185'000, 190},
    {195'000, 200}, {210'000, 220}, {230'000, 240}, {250'000, 260}, {270'000, 280}, {290'000, 300},
    {310'000, 320}, {330'000, 340}, {350'000, 360}, {370'000, 380}, {395'000, 410}, {425'000, 440},
    {455'000, 470}, {485'000, 500}, {515'000, 530}, {545'000, 560}, {575'000, 590}, {605'000, 620},
    {635'000, 650}, {665'000, 680}, {695'000, 710}, {730'000, 750}, {770'000, 790}, {810'000, 830},
    {855'000, 880}, {905'000, 930}, {955'000, 980},
};

TEST(StandardGrade, EachGradeStartsAtItsBoundAndTheOneBelowEndsAYenEarlier) {
    int previousGrade = 0;
    for (const auto& [bound, grade] : kGradeBounds) {
        EXPECT_EQ(standardGrade(bound - 1), previousGrade) << bound - 1;
        EXPECT_EQ(standardGrade(bound), grade) << bound;
        previousGrade = grade;
    }
}

TEST(StandardGrade, ZeroNegativeAndExtremePays) {
    const std::pair<std::int32_t, int> cases[] = {
        {0, 0},         {-1, 0},        {INT_MIN, 0},     {8'907, 0},     {100'999, 98},
        {954'999, 930}, {955'000, 980}, {2'000'000, 980}, {INT_MAX, 980},
    };
    for (const auto& [pay, grade] : cases) EXPECT_EQ(standardGrade(pay), grade) << pay;
}

TEST(HealthPremium, WithoutNursingCareIsGradeTimes41) {
    EXPECT_EQ(healthPremium(0, NursingCare::Without), 0);
    for (const auto& [bound, grade] : kGradeBounds)
        EXPECT_EQ(healthPremium(grade, NursingCare::Without), grade * 41) << grade;
}

TEST(HealthPremium, WithNursingCareFollowsDoublePrecision) {
    const std::pair<int, std::int32_t> cases[] = {
        {0, 0},        {98, 4'561},   {260, 12'103},
        {980, 45'619}, {340, 15'826},  // decimal arithmetic gives 15,827
        {680, 31'653},                 // decimal arithmetic gives 31,654
    };
    for (const auto& [grade, premium] : cases)
        EXPECT_EQ(healthPremium(grade, NursingCare::With), premium) << grade;
    // Every other grade pays the whole part of grade x 46.55.
    for (const auto& [bound, grade] : kGradeBounds) {
        if (grade != 340 && grade != 680) {
            EXPECT_EQ(healthPremium(grade, NursingCare::With), grade * 4655 / 100) << grade;
        }
    }
}

TEST(PensionPremium, HalfOfGradeTimes135Point8CappedFromGrade650) {
    const std::pair<int, std::int32_t> cases[] = {
        {0, 0}, {98, 6'654}, {260, 17'654}, {620, 42'098}, {650, 42'098}, {980, 42'098},
    };
    for (const auto& [grade, premium] : cases) EXPECT_EQ(pensionPremium(grade), premium) << grade;
    for (const auto& [bound, grade] : kGradeBounds)
        EXPECT_EQ(pensionPremium(grade), grade < 650 ? grade * 679 / 10 : 42'098) << grade;
}

TEST(WageGroup, BandsStepsAndWholeThousands) {
    const std::pair<std::int32_t, float> cases[] = {
        {INT_MIN, 0},         {-5, 0},          {0, 0},
        {87'999, 0},          {88'000, 90},     {91'999, 90},
        {92'000, 94},         {95'999, 94},     {136'000, 138},
        {139'999, 138},       {140'000, 142.5}, {144'999, 142.5},
        {175'000, 177.5},     {179'999, 177.5}, {180'000, 183},
        {216'000, 219.5},     {229'999, 226.5}, {230'000, 234},
        {246'000, 250.5},     {384'000, 391.5}, {413'999, 406.5},
        {414'000, 422},       {429'999, 422},   {430'000, 438.5},
        {446'999, 438.5},     {447'000, 456},   {464'999, 456},
        {465'000, 465},       {465'999, 465},   {1'000'000, 1000},
        {INT_MAX, 2'147'483},
    };
    for (const auto& [pay, group] : cases) EXPECT_EQ(wageGroup(pay), group) << pay;

    // Every step of every band: the first group, and step / 1,000 more for each full step.
    struct Band {
        std::int32_t from;
        std::int32_t below;
        std::int32_t step;  // 0: one group for the whole band
        float first;
    };
    const Band bands[] = {
        {88'000, 140'000, 4'000, 90},    {140'000, 180'000, 5'000, 142.5},
        {180'000, 216'000, 6'000, 183},  {216'000, 230'000, 7'000, 219.5},
        {230'000, 246'000, 8'000, 234},  {246'000, 264'000, 9'000, 250.5},
        {264'000, 284'000, 10'000, 269}, {284'000, 306'000, 11'000, 289.5},
        {306'000, 330'000, 12'000, 312}, {330'000, 356'000, 13'000, 336.5},
        {356'000, 384'000, 14'000, 363}, {384'000, 414'000, 15'000, 391.5},
        {414'000, 430'000, 0, 422},      {430'000, 447'000, 0, 438.5},
        {447'000, 465'000, 0, 456},
    };
    for (const Band& band : bands) {
        const std::int32_t step = band.step == 0 ? band.below - band.from : band.step;
        ASSERT_EQ((band.below - band.from) % step, 0) << band.from;
        for (std::int32_t n = 0; band.from + n * step < band.below; ++n) {
            const float group = band.first + static_cast<float>(band.step / 1000 * n);
            EXPECT_EQ(wageGroup(band.from + n * step), group) << band.from + n * step;
            EXPECT_EQ(wageGroup(band.from + (n + 1) * step - 1), group)
                << band.from + (n + 1) * step - 1;
        }
    }
}

TEST(EmploymentPremium, RoundsTiesToEvenAndAppliesTheFourCorrections) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {-1, 0},
        {0, 0},
        {87'999, 0},
        {88'000, 630},
        // The 140,000 to 179,999 band: 1,032, 1,102, 1,172 and 1,242 are corrected up.
        {140'000, 998},
        {145'000, 1'033},
        {150'000, 1'068},
        {155'000, 1'103},
        {160'000, 1'138},
        {165'000, 1'173},
        {170'000, 1'208},
        {179'999, 1'243},
        // Other ties stay as rounded to the even yen.
        {216'000, 1'536},  // 219.5
        {255'000, 1'816},  // 259.5
        {284'000, 2'026},  // 289.5
        {343'000, 2'446},  // 349.5
        {384'000, 2'740},  // 391.5
        {223'000, 1'586},  // 226.5
        {246'000, 1'754},  // 250.5
        {295'000, 2'104},  // 300.5
        {330'000, 2'356},  // 336.5
        {399'000, 2'846},  // 406.5
        {430'000, 3'070},  // 438.5
        {465'000, 3'255},
        {1'000'000, 7'000},
        {INT_MAX, 15'032'381},
    };
    for (const auto& [pay, premium] : cases) EXPECT_EQ(employmentPremium(pay), premium) << pay;
}

}  // namespace
}  // namespace nencho
