#pragma once
// The insurance screen's boxes by policy row, as the layout places them and the record stores
// them, and the boxes of the totals and results.
#include <QString>
#include <array>
#include <utility>

#include "yearend/insurance_file.h"

namespace nencho::form4 {

// Put together without a format string: a clear names every box.
inline QString box(int number) {
    return QStringLiteral("Text") + QString::number(number);
}

// A life or individual-pension policy row, left to right.
struct LifeRowBoxes {
    int insurer, kind, period, holder, beneficiary, relation, amount;
};

// A casualty policy row, left to right.
struct CasualtyRowBoxes {
    int insurer, kind, period, holder, resident, relation, maturity, premium;
};

inline constexpr std::array<LifeRowBoxes, 3> kLifeRows = {{
    {9, 8, 11, 10, 12, 13, 14},
    {16, 15, 18, 17, 19, 20, 21},
    {23, 22, 25, 24, 26, 27, 28},
}};
inline constexpr std::array<LifeRowBoxes, 2> kPensionRows = {{
    {32, 31, 34, 33, 35, 36, 37},
    {39, 38, 41, 40, 42, 43, 44},
}};
inline constexpr std::array<CasualtyRowBoxes, 2> kCasualtyRows = {{
    {57, 58, 59, 61, 60, 62, 63, 64},
    {65, 66, 67, 69, 68, 70, 71, 72},
}};

// Which box holds which text of a policy.
inline constexpr std::array<std::pair<std::string LifePolicyTexts::*, int LifeRowBoxes::*>, 6>
    kLifeTexts = {{
        {&LifePolicyTexts::insurer, &LifeRowBoxes::insurer},
        {&LifePolicyTexts::kind, &LifeRowBoxes::kind},
        {&LifePolicyTexts::period, &LifeRowBoxes::period},
        {&LifePolicyTexts::holder, &LifeRowBoxes::holder},
        {&LifePolicyTexts::beneficiary, &LifeRowBoxes::beneficiary},
        {&LifePolicyTexts::relation, &LifeRowBoxes::relation},
    }};
inline constexpr std::array<std::pair<std::string CasualtyPolicyTexts::*, int CasualtyRowBoxes::*>,
                            7>
    kCasualtyTexts = {{
        {&CasualtyPolicyTexts::insurer, &CasualtyRowBoxes::insurer},
        {&CasualtyPolicyTexts::kind, &CasualtyRowBoxes::kind},
        {&CasualtyPolicyTexts::period, &CasualtyRowBoxes::period},
        {&CasualtyPolicyTexts::holder, &CasualtyRowBoxes::holder},
        {&CasualtyPolicyTexts::resident, &CasualtyRowBoxes::resident},
        {&CasualtyPolicyTexts::relation, &CasualtyRowBoxes::relation},
        {&CasualtyPolicyTexts::maturity, &CasualtyRowBoxes::maturity},
    }};

inline constexpr int kLifeTotalBox = 30;
inline constexpr int kPensionTotalBox = 46;
inline constexpr int kLifeDeductionBox = 48;  // life and pension deductions together
inline constexpr int kLongTermBox = 74;
inline constexpr int kShortTermBox = 76;
inline constexpr int kCasualtyDeductionBox = 80;
inline constexpr int kLedgerInsuranceBoxNumber = 91;
inline constexpr int kDeclaredSocialInsuranceBox = 83;
inline constexpr int kMutualAidBox = 84;

// The 60 boxes the clear empties: every policy text and premium, the totals and results, the
// long-term and short-term premiums and the three boxes of the entry strip.
std::array<int, 60> clearedBoxes();

}  // namespace nencho::form4
