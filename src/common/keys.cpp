#include "common/keys.h"

#include <limits>

namespace nencho {

namespace {

std::optional<std::int32_t> fit32(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

constexpr std::int64_t kCodeLimit = std::int64_t{1} << 40;

}  // namespace

bool isOwnPersonCode(std::int64_t personCode) {
    return personCode >= kFirstPersonCode && personCode <= kLastPersonCode;
}

std::optional<std::int32_t> personKey(std::int64_t companyCode, std::int64_t personCode) {
    if (companyCode > kCodeLimit || companyCode < -kCodeLimit || personCode > kCodeLimit ||
        personCode < -kCodeLimit)
        return std::nullopt;
    return fit32(companyCode * 100 + personCode);
}

std::optional<std::int32_t> yearFileNumber(std::int32_t key, YearFileKind kind) {
    return fit32(std::int64_t{key} * 10 + static_cast<int>(kind));
}

std::optional<std::int32_t> monthlyPayRecordNumber(std::int32_t key, int month) {
    return fit32(std::int64_t{key} * 10000 + month);
}

}  // namespace nencho
