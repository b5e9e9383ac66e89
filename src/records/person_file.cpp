#include "records/person_file.h"

#include "common/paths.h"
#include "platform/record_error.h"

namespace nencho {

namespace {

constexpr std::string_view kStatusWords[kPersonStatusCount] = {
    "特別障害者", "障害者", "老年者",   "寡婦",     "特別寡婦", "寡夫",
    "勤労学生",   "夫あり", "未成年者", "死亡退職", "外国人",   "就　職",
    "退　職",     "",       "",         "",         "乙欄",     "災害者",
};

constexpr std::string_view kPayKindWords[kPayKindCount] = {"役員報酬", "給与賞与", "給与",
                                                           "専従者給与"};

}  // namespace

std::string_view statusWord(PersonStatus status) {
    return kStatusWords[static_cast<int>(status) - 1];
}

std::string_view payKindWord(PayKind kind) {
    return kPayKindWords[static_cast<int>(kind) - 1];
}

void PersonEntry::setOwnCondition(std::optional<PersonStatus> condition) {
    for (int i = 0; i < kLastOwnConditionStatus; ++i) statuses[i].clear();
    if (condition) status(*condition) = statusWord(*condition);
}

void PersonEntry::choosePayKind(PayKind kind) {
    for (std::string& text : payKinds) text.clear();
    payKinds[static_cast<int>(kind) - 1] = payKindWord(kind);
}

std::optional<PersonStatus> storedOwnCondition(const PersonEntry& entry) {
    for (int number = 1; number <= kLastOwnConditionStatus; ++number) {
        const auto status = static_cast<PersonStatus>(number);
        if (entry.holds(status)) return status;
    }
    return std::nullopt;
}

std::optional<PayKind> storedPayKind(const PersonEntry& entry) {
    for (int number = 1; number <= kPayKindCount; ++number) {
        const auto kind = static_cast<PayKind>(number);
        if (entry.payKinds[number - 1] == payKindWord(kind)) return kind;
    }
    return std::nullopt;
}

std::string PersonFile::path(std::int32_t personKey) {
    return personFilePath(personKey);
}

RecordWriter PersonFile::record(const PersonEntry& entry) {
    RecordWriter writer;
    writer.number(entry.personCode)
        .text(entry.reading)
        .text(entry.name)
        .text(entry.upperAddress)
        .text(entry.birthEra)
        .number(entry.birthYear)
        .number(entry.birthMonth)
        .number(entry.birthDay)
        .text(entry.position);
    for (const std::string& status : entry.statuses) writer.text(status);
    for (const std::string& payKind : entry.payKinds) writer.text(payKind);
    writer.text(entry.lowerAddress).spare(2, 12);
    return writer;
}

void PersonFile::createNew(const PersonEntry& entry) {
    record(entry).saveNew(path(entry.personKey));
}

void PersonFile::overwrite(const PersonEntry& entry) {
    record(entry).save(path(entry.personKey));
}

PersonEntry PersonFile::load(std::int32_t personKey) {
    return loadFile(path(personKey));
}

PersonEntry PersonFile::loadFile(const std::string& systemPath) {
    RecordReader reader = RecordReader::open(systemPath);
    PersonEntry entry;
    entry.personCode = reader.longNumber();
    entry.reading = reader.text();
    entry.name = reader.text();
    entry.upperAddress = reader.text();
    entry.birthEra = reader.text();
    entry.birthYear = reader.longNumber();
    entry.birthMonth = reader.longNumber();
    entry.birthDay = reader.longNumber();
    entry.position = reader.text();
    for (std::string& status : entry.statuses) status = reader.text();
    for (std::string& payKind : entry.payKinds) payKind = reader.text();
    entry.lowerAddress = reader.text();
    return entry;
}

std::int32_t PersonFile::storedCode(std::int32_t personKey) {
    return RecordReader::open(path(personKey)).longNumber();
}

}  // namespace nencho
