#include "yearend/dependants_file.h"

#include "common/keys.h"
#include "common/paths.h"
#include "platform/record_error.h"
#include "platform/record_file.h"

namespace nencho {

namespace {

using Number = std::int32_t DependantsRecord::*;
using SpouseText = std::string SpouseRow::*;
using DependantText = std::string DependantRow::*;
using TypedCount = std::int32_t TypedConditionCounts::*;

constexpr SpouseText kSpouseTexts[] = {
    &SpouseRow::name,       &SpouseRow::relation, &SpouseRow::birthDate, &SpouseRow::marker,
    &SpouseRow::occupation, &SpouseRow::address,  &SpouseRow::other,
};

constexpr DependantText kDependantTexts[] = {
    &DependantRow::name,         &DependantRow::relation,   &DependantRow::birthDate,
    &DependantRow::marker,       &DependantRow::occupation, &DependantRow::address,
    &DependantRow::annualIncome, &DependantRow::other,
};

// Lines 73 and 74.
constexpr Number kMiddleNumbers[] = {&DependantsRecord::spouseAnnualIncome,
                                     &DependantsRecord::reservedNumber};

constexpr TypedCount kTypedCounts[] = {
    &TypedConditionCounts::disabledOrStudent,
    &TypedConditionCounts::speciallyDisabled,
    &TypedConditionCounts::cohabitingSpeciallyDisabled,
    &TypedConditionCounts::elderlyDependant,
    &TypedConditionCounts::specificDependant,
    &TypedConditionCounts::cohabitingElderlyParent,
};

std::string requirePath(const std::string& taxYearCode, std::int32_t personKey) {
    const auto path = yearFilePath(taxYearCode, personKey, YearFileKind::Dependants);
    if (!path) fail(FileErrorKind::Overflow);
    return *path;
}

std::optional<RecordReader> openIfThere(const std::string& systemPath) {
    try {
        return RecordReader::open(systemPath);
    } catch (const RecordError& error) {
        if (error.isMissingFile()) return std::nullopt;
        throw;
    }
}

DependantsRecord read(RecordReader& reader) {
    DependantsRecord record;
    for (Number field : kDependantsLeadingNumbers) record.*field = reader.longNumber();
    for (SpouseText field : kSpouseTexts) record.spouse.*field = reader.text();
    for (DependantRow& row : record.dependants)
        for (DependantText field : kDependantTexts) row.*field = reader.text();
    for (Number field : kMiddleNumbers) record.*field = reader.longNumber();
    for (TypedCount field : kTypedCounts) record.typedCounts.*field = reader.longNumber();
    for (std::string& spare : record.spareFields) {
        if (reader.atEnd()) break;
        spare = reader.text();
    }
    return record;
}

RecordWriter writer(const DependantsRecord& record) {
    RecordWriter out;
    for (Number field : kDependantsLeadingNumbers) out.number(record.*field);
    for (SpouseText field : kSpouseTexts) out.text(record.spouse.*field);
    for (const DependantRow& row : record.dependants)
        for (DependantText field : kDependantTexts) out.text(row.*field);
    for (Number field : kMiddleNumbers) out.number(record.*field);
    for (TypedCount field : kTypedCounts) out.number(record.typedCounts.*field);
    for (const std::string& spare : record.spareFields) out.text(spare);
    return out;
}

}  // namespace

std::optional<DependantsRecord> DependantsFile::load(const std::string& taxYearCode,
                                                     std::int32_t personKey) {
    const std::string path = requirePath(taxYearCode, personKey);
    std::optional<RecordReader> reader = openIfThere(path);
    if (!reader) return std::nullopt;
    try {
        return read(*reader);
    } catch (const RecordError& error) {
        fail(error.kind(), path);
    }
}

void DependantsFile::save(const std::string& taxYearCode, std::int32_t personKey,
                          const DependantsRecord& record) {
    writer(record).save(requirePath(taxYearCode, personKey));
}

}  // namespace nencho
