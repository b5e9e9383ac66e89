#include "withholding/social_insurance.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

namespace nencho {
namespace {

// Worked by hand from the published grade table, on both sides of every bound: the pay, its grade,
// and the health premium without and with nursing care and the pension premium of that grade.
// Health is half of grade x 82 or x 93.1, pension half of grade x 135.8 capped at 42,098, each
// cut to the yen. With nursing care grades 340 and 680 give a yen less than decimal arithmetic
// gives, as double precision does.
struct GradeCase {
    std::int32_t pay;
    int grade;
    std::int32_t health, healthWithNursingCare, pension;
};
const GradeCase kGradeEdges[] = {
    {8'907, 0, 0, 0, 0},
    {8'908, 98, 4'018, 4'561, 6'654},
    {100'999, 98, 4'018, 4'561, 6'654},
    {101'000, 104, 4'264, 4'841, 7'061},
    {106'999, 104, 4'264, 4'841, 7'061},
    {107'000, 110, 4'510, 5'120, 7'469},
    {113'999, 110, 4'510, 5'120, 7'469},
    {114'000, 118, 4'838, 5'492, 8'012},
    {121'999, 118, 4'838, 5'492, 8'012},
    {122'000, 126, 5'166, 5'865, 8'555},
    {129'999, 126, 5'166, 5'865, 8'555},
    {130'000, 134, 5'494, 6'237, 9'098},
    {137'999, 134, 5'494, 6'237, 9'098},
    {138'000, 142, 5'822, 6'610, 9'641},
    {145'999, 142, 5'822, 6'610, 9'641},
    {146'000, 150, 6'150, 6'982, 10'185},
    {154'999, 150, 6'150, 6'982, 10'185},
    {155'000, 160, 6'560, 7'448, 10'864},
    {164'999, 160, 6'560, 7'448, 10'864},
    {165'000, 170, 6'970, 7'913, 11'543},
    {174'999, 170, 6'970, 7'913, 11'543},
    {175'000, 180, 7'380, 8'379, 12'222},
    {184'999, 180, 7'380, 8'379, 12'222},
    {185'000, 190, 7'790, 8'844, 12'901},
    {194'999, 190, 7'790, 8'844, 12'901},
    {195'000, 200, 8'200, 9'310, 13'580},
    {209'999, 200, 8'200, 9'310, 13'580},
    {210'000, 220, 9'020, 10'241, 14'938},
    {229'999, 220, 9'020, 10'241, 14'938},
    {230'000, 240, 9'840, 11'172, 16'296},
    {249'999, 240, 9'840, 11'172, 16'296},
    {250'000, 260, 10'660, 12'103, 17'654},
    {269'999, 260, 10'660, 12'103, 17'654},
    {270'000, 280, 11'480, 13'034, 19'012},
    {289'999, 280, 11'480, 13'034, 19'012},
    {290'000, 300, 12'300, 13'965, 20'370},
    {309'999, 300, 12'300, 13'965, 20'370},
    {310'000, 320, 13'120, 14'896, 21'728},
    {329'999, 320, 13'120, 14'896, 21'728},
    {330'000, 340, 13'940, 15'826, 23'086},
    {349'999, 340, 13'940, 15'826, 23'086},
    {350'000, 360, 14'760, 16'758, 24'444},
    {369'999, 360, 14'760, 16'758, 24'444},
    {370'000, 380, 15'580, 17'689, 25'802},
    {394'999, 380, 15'580, 17'689, 25'802},
    {395'000, 410, 16'810, 19'085, 27'839},
    {424'999, 410, 16'810, 19'085, 27'839},
    {425'000, 440, 18'040, 20'482, 29'876},
    {454'999, 440, 18'040, 20'482, 29'876},
    {455'000, 470, 19'270, 21'878, 31'913},
    {484'999, 470, 19'270, 21'878, 31'913},
    {485'000, 500, 20'500, 23'275, 33'950},
    {514'999, 500, 20'500, 23'275, 33'950},
    {515'000, 530, 21'730, 24'671, 35'987},
    {544'999, 530, 21'730, 24'671, 35'987},
    {545'000, 560, 22'960, 26'068, 38'024},
    {574'999, 560, 22'960, 26'068, 38'024},
    {575'000, 590, 24'190, 27'464, 40'061},
    {604'999, 590, 24'190, 27'464, 40'061},
    {605'000, 620, 25'420, 28'861, 42'098},
    {634'999, 620, 25'420, 28'861, 42'098},
    {635'000, 650, 26'650, 30'257, 42'098},
    {664'999, 650, 26'650, 30'257, 42'098},
    {665'000, 680, 27'880, 31'653, 42'098},
    {694'999, 680, 27'880, 31'653, 42'098},
    {695'000, 710, 29'110, 33'050, 42'098},
    {729'999, 710, 29'110, 33'050, 42'098},
    {730'000, 750, 30'750, 34'912, 42'098},
    {769'999, 750, 30'750, 34'912, 42'098},
    {770'000, 790, 32'390, 36'774, 42'098},
    {809'999, 790, 32'390, 36'774, 42'098},
    {810'000, 830, 34'030, 38'636, 42'098},
    {854'999, 830, 34'030, 38'636, 42'098},
    {855'000, 880, 36'080, 40'964, 42'098},
    {904'999, 880, 36'080, 40'964, 42'098},
    {905'000, 930, 38'130, 43'291, 42'098},
    {954'999, 930, 38'130, 43'291, 42'098},
    {955'000, 980, 40'180, 45'619, 42'098},
};

TEST(StandardGrade, BothSidesOfEveryBoundGiveTheGradeAndPremiumsWorkedByHand) {
    for (const GradeCase& c : kGradeEdges) {
        EXPECT_EQ(standardGrade(c.pay), c.grade) << c.pay;
        EXPECT_EQ(healthPremium(c.grade, NursingCare::Without), c.health) << c.grade;
        EXPECT_EQ(healthPremium(c.grade, NursingCare::With), c.healthWithNursingCare) << c.grade;
        EXPECT_EQ(pensionPremium(c.grade), c.pension) << c.grade;
    }
}

TEST(StandardGrade, ZeroNegativeAndExtremePays) {
    const std::pair<std::int32_t, int> cases[] = {
        {0, 0},         {-1, 0},        {INT_MIN, 0},     {8'907, 0},     {100'999, 98},
        {954'999, 930}, {955'000, 980}, {2'000'000, 980}, {INT_MAX, 980},
    };
    for (const auto& [pay, grade] : cases) EXPECT_EQ(standardGrade(pay), grade) << pay;
}

TEST(HealthPremium, WithNursingCareFollowsDoublePrecision) {
    const std::pair<int, std::int32_t> cases[] = {
        {0, 0},        {98, 4'561},   {260, 12'103},
        {980, 45'619}, {340, 15'826},  // decimal arithmetic gives 15,827
        {680, 31'653},                 // decimal arithmetic gives 31,654
    };
    for (const auto& [grade, premium] : cases)
        EXPECT_EQ(healthPremium(grade, NursingCare::With), premium) << grade;
}

TEST(PensionPremium, HalfOfGradeTimes135Point8CappedFromGrade650) {
    const std::pair<int, std::int32_t> cases[] = {
        {0, 0}, {98, 6'654}, {260, 17'654}, {620, 42'098}, {650, 42'098}, {980, 42'098},
    };
    for (const auto& [grade, premium] : cases) EXPECT_EQ(pensionPremium(grade), premium) << grade;
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

// Worked by hand from the published wage-group bands, on both sides of every band's bound and of
// its first step: the pay and its employment premium, the group x 7 rounded to the even yen, then
// corrected (1,032, 1,102, 1,172 and 1,242 become a yen more).
const std::pair<std::int32_t, std::int32_t> kPremiumEdges[] = {
    {87'999, 0},      {88'000, 630},    {91'999, 630},    {92'000, 658},    {139'999, 966},
    {140'000, 998},   {144'999, 998},   {145'000, 1'033}, {179'999, 1'243}, {180'000, 1'281},
    {185'999, 1'281}, {186'000, 1'323}, {215'999, 1'491}, {216'000, 1'536}, {222'999, 1'536},
    {223'000, 1'586}, {229'999, 1'586}, {230'000, 1'638}, {237'999, 1'638}, {238'000, 1'694},
    {245'999, 1'694}, {246'000, 1'754}, {254'999, 1'754}, {255'000, 1'816}, {263'999, 1'816},
    {264'000, 1'883}, {273'999, 1'883}, {274'000, 1'953}, {283'999, 1'953}, {284'000, 2'026},
    {294'999, 2'026}, {295'000, 2'104}, {305'999, 2'104}, {306'000, 2'184}, {317'999, 2'184},
    {318'000, 2'268}, {329'999, 2'268}, {330'000, 2'356}, {342'999, 2'356}, {343'000, 2'446},
    {355'999, 2'446}, {356'000, 2'541}, {369'999, 2'541}, {370'000, 2'639}, {383'999, 2'639},
    {384'000, 2'740}, {398'999, 2'740}, {399'000, 2'846}, {413'999, 2'846}, {414'000, 2'954},
    {429'999, 2'954}, {430'000, 3'070}, {446'999, 3'070}, {447'000, 3'192}, {464'999, 3'192},
    {465'000, 3'255},
};

TEST(EmploymentPremium, BothSidesOfEveryBandBoundAndFirstStepGiveThePremiumWorkedByHand) {
    for (const auto& [pay, premium] : kPremiumEdges)
        EXPECT_EQ(employmentPremium(pay), premium) << pay;
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
