#include "common/keys.h"

#include "common/amount.h"
#include "common/int32.h"

namespace nencho {

namespace {

constexpr std::int64_t kCodeLimit = std::int64_t{1} << 40;

}  // namespace

bool isOwnPersonCode(std::int64_t personCode) {
    return personCode >= kFirstPersonCode && personCode <= kLastPersonCode;
}

std::optional<std::int32_t> personKey(std::int64_t companyCode, std::int64_t personCode) {
    if (companyCode > kCodeLimit || companyCode < -kCodeLimit || personCode > kCodeLimit ||
        personCode < -kCodeLimit)
        return std::nullopt;
    return fitInt32(companyCode * 100 + personCode);
}

std::optional<TypedCodes> typedCodes(std::string_view companyText, std::string_view personText,
                                     CodeRange range) {
    const auto company = readSmallNumber(companyText);
    const auto person = readSmallNumber(personText);
    if (!company || !person) return std::nullopt;
    if (range == CodeRange::Own && !isOwnPersonCode(*person)) return std::nullopt;
    const auto key = personKey(*company, *person);
    if (!key) return std::nullopt;
    return TypedCodes{*company, *person, *key};
}

std::optional<std::int32_t> typedPersonKey(std::string_view companyText,
                                           std::string_view personText, CodeRange range) {
    const auto codes = typedCodes(companyText, personText, range);
    if (!codes) return std::nullopt;
    return codes->key;
}

std::optional<std::int32_t> yearFileNumber(std::int32_t key, YearFileKind kind) {
    return fitInt32(std::int64_t{key} * 10 + static_cast<int>(kind));
}

std::optional<std::int32_t> monthlyPayRecordNumber(std::int32_t key, int month) {
    return fitInt32(std::int64_t{key} * 10000 + month);
}

}  // namespace nencho
