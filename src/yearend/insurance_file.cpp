#include "yearend/insurance_file.h"

#include <span>

#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/record_file.h"

namespace nencho {

namespace {

std::string requirePath(const std::string& taxYearCode, std::int32_t personKey) {
    const auto path = yearFilePath(taxYearCode, personKey, YearFileKind::Insurance);
    if (!path) fail(FileErrorKind::Overflow);
    return *path;
}

// The policy texts go field by field: every policy's first field, then every policy's second.
template <typename Policy, std::size_t N, std::size_t F>
void writeColumns(RecordWriter& writer, const std::array<Policy, N>& policies,
                  const std::array<std::string Policy::*, F>& fields) {
    for (auto field : fields)
        for (const Policy& policy : policies) writer.text(policy.*field);
}

template <typename Policy, std::size_t N, std::size_t F>
void readColumns(RecordReader& reader, std::array<Policy, N>& policies,
                 const std::array<std::string Policy::*, F>& fields) {
    for (auto field : fields)
        for (Policy& policy : policies) policy.*field = reader.text();
}

void writeAmounts(RecordWriter& writer, std::span<const std::int32_t> amounts) {
    for (std::int32_t amount : amounts) writer.number(amount);
}

void readAmounts(RecordReader& reader, std::span<std::int32_t> amounts) {
    for (std::int32_t& amount : amounts) amount = reader.longNumber();
}

}  // namespace

std::optional<InsuranceRecord> InsuranceFile::load(const std::string& taxYearCode,
                                                   std::int32_t personKey) {
    const std::string path = requirePath(taxYearCode, personKey);
    if (!fileExists(path)) return std::nullopt;
    RecordReader reader = RecordReader::open(path);
    InsuranceRecord r;
    readColumns(reader, r.lifePolicies, kLifePolicyFieldOrder);
    readColumns(reader, r.pensionPolicies, kLifePolicyFieldOrder);
    readAmounts(reader, r.lifePremiums);
    r.lifeTotal = reader.longNumber();
    r.lifeDeduction = reader.longNumber();
    readAmounts(reader, r.pensionPremiums);
    r.pensionTotal = reader.longNumber();
    r.pensionDeduction = reader.longNumber();
    r.lifeInsuranceDeduction = reader.longNumber();
    readColumns(reader, r.casualtyPolicies, kCasualtyPolicyFieldOrder);
    readAmounts(reader, r.casualtyPremiums);
    r.longTermPremiums = reader.longNumber();
    r.shortTermPremiums = reader.longNumber();
    r.longTermDeduction = reader.longNumber();
    r.shortTermDeduction = reader.longNumber();
    r.casualtyDeduction = reader.longNumber();
    r.mutualAidPremiums = reader.longNumber();
    r.declaredSocialInsurance = reader.longNumber();
    return r;
}

void InsuranceFile::save(const std::string& taxYearCode, std::int32_t personKey,
                         const InsuranceRecord& r) {
    RecordWriter writer;
    writeColumns(writer, r.lifePolicies, kLifePolicyFieldOrder);
    writeColumns(writer, r.pensionPolicies, kLifePolicyFieldOrder);
    writeAmounts(writer, r.lifePremiums);
    writer.number(r.lifeTotal).number(r.lifeDeduction);
    writeAmounts(writer, r.pensionPremiums);
    writer.number(r.pensionTotal).number(r.pensionDeduction).number(r.lifeInsuranceDeduction);
    writeColumns(writer, r.casualtyPolicies, kCasualtyPolicyFieldOrder);
    writeAmounts(writer, r.casualtyPremiums);
    writer.number(r.longTermPremiums)
        .number(r.shortTermPremiums)
        .number(r.longTermDeduction)
        .number(r.shortTermDeduction)
        .number(r.casualtyDeduction)
        .number(r.mutualAidPremiums)
        .number(r.declaredSocialInsurance)
        .spare(1, 12);
    writer.save(requirePath(taxYearCode, personKey));
}

}  // namespace nencho
