#pragma once
// The insurance record of a person and year: 75 lines. The policy texts are stored field by
// field across the policies (the insurers of life policies 1 to 3, then their kinds, ...), the
// amounts in whole yen, and the record ends with the spare texts "予備1" to "予備12".
// Every reader takes lines 1 to 63 only.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace nencho {

// The longest texts of a policy besides the names and the relation (person_file.h): the
// insurer's name, the kind and the period in full-width characters, and the maturity, an era
// month.
inline constexpr int kInsurerLength = 10;
inline constexpr int kPolicyKindLength = 6;
inline constexpr int kPolicyPeriodLength = 4;
inline constexpr const char* kLongestMaturity = "平成25年12月";

// One life or individual-pension policy as typed on the insurance screen.
struct LifePolicyTexts {
    std::string insurer;      // 生命保険会社等
    std::string kind;         // 種類
    std::string period;       // 期間
    std::string holder;       // 契約者
    std::string beneficiary;  // 受取人
    std::string relation;     // 続柄

    bool operator==(const LifePolicyTexts&) const = default;
};

// One casualty policy as typed on the insurance screen.
struct CasualtyPolicyTexts {
    std::string insurer;   // 保険会社等
    std::string kind;      // 種類
    std::string period;    // 期間
    std::string holder;    // 契約者
    std::string resident;  // 居住者等
    std::string relation;  // 続柄
    std::string maturity;  // 満期

    bool operator==(const CasualtyPolicyTexts&) const = default;
};

// The order in which the record stores a policy's fields, each across all the policies.
inline constexpr std::array<std::string LifePolicyTexts::*, 6> kLifePolicyFieldOrder = {
    &LifePolicyTexts::insurer, &LifePolicyTexts::kind,        &LifePolicyTexts::period,
    &LifePolicyTexts::holder,  &LifePolicyTexts::beneficiary, &LifePolicyTexts::relation};

inline constexpr std::array<std::string CasualtyPolicyTexts::*, 7> kCasualtyPolicyFieldOrder = {
    &CasualtyPolicyTexts::insurer, &CasualtyPolicyTexts::kind,     &CasualtyPolicyTexts::period,
    &CasualtyPolicyTexts::holder,  &CasualtyPolicyTexts::resident, &CasualtyPolicyTexts::relation,
    &CasualtyPolicyTexts::maturity};

struct InsuranceRecord {
    static constexpr int kLines = 75;
    static constexpr int kReadLines = 63;

    std::array<LifePolicyTexts, 3> lifePolicies;          // lines 1-18
    std::array<LifePolicyTexts, 2> pensionPolicies;       // lines 19-30
    std::array<std::int32_t, 3> lifePremiums{};           // lines 31-33
    std::int32_t lifeTotal = 0;                           // line 34
    std::int32_t lifeDeduction = 0;                       // line 35
    std::array<std::int32_t, 2> pensionPremiums{};        // lines 36-37
    std::int32_t pensionTotal = 0;                        // line 38
    std::int32_t pensionDeduction = 0;                    // line 39
    std::int32_t lifeInsuranceDeduction = 0;              // line 40: lines 35 and 39 together
    std::array<CasualtyPolicyTexts, 2> casualtyPolicies;  // lines 41-54
    std::array<std::int32_t, 2> casualtyPremiums{};       // lines 55-56, stored only
    std::int32_t longTermPremiums = 0;                    // line 57
    std::int32_t shortTermPremiums = 0;                   // line 58
    std::int32_t longTermDeduction = 0;                   // line 59
    std::int32_t shortTermDeduction = 0;                  // line 60
    std::int32_t casualtyDeduction = 0;                   // line 61, at most 15,000
    std::int32_t mutualAidPremiums = 0;                   // line 62 (小規模共済掛金)
    std::int32_t declaredSocialInsurance = 0;             // line 63 (申告社会保険料等)
    // Lines 64-75 are the literal spare texts; they are written, never read.

    bool operator==(const InsuranceRecord&) const = default;
};

class InsuranceFile {
  public:
    // Lines 1 to 63. No value when the record does not exist; a RecordError when it cannot be
    // read that far, or when the file number leaves the 32-bit range (Overflow).
    static std::optional<InsuranceRecord> load(const std::string& taxYearCode,
                                               std::int32_t personKey);
    // Replaces the record whole; on a failure (a RecordError) the old record stays as it was.
    static void save(const std::string& taxYearCode, std::int32_t personKey,
                     const InsuranceRecord& record);
};

}  // namespace nencho
