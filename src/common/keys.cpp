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

std::string codeBoxRefusal(std::string_view box, std::string_view typed) {
    std::string text(box);
    std::string_view rest = typed;
    while (!rest.empty()) {  // blanks, half- and full-width, count as nothing typed
        if (rest.starts_with(" ") || rest.starts_with("\t"))
            rest.remove_prefix(1);
        else if (rest.starts_with("\u3000"))
            rest.remove_prefix(std::string_view("\u3000").size());
        else
            break;
    }
    if (rest.empty()) return text + "を入力してください";
    if (readAmount(typed).outOfRange) return text + "が大きすぎます";
    return text + "には数字を入力してください";
}

std::string companyCodeTooLarge() {
    return std::string(kCompanyCodeName) + "が大きすぎます";
}

std::string unregisteredCompany(std::int64_t companyCode) {
    return "会社コード " + decimal(companyCode) + " の会社は登録されていません";
}

std::string unregisteredPerson(std::int64_t personCode) {
    return "個人コード " + decimal(personCode) + " の人は登録されていません";
}

std::optional<std::int32_t> yearFileNumber(std::int32_t key, YearFileKind kind) {
    return fitInt32(std::int64_t{key} * 10 + static_cast<int>(kind));
}

std::optional<std::int32_t> monthlyPayRecordNumber(std::int32_t key, int month) {
    return fitInt32(std::int64_t{key} * 10000 + month);
}

}  // namespace nencho
