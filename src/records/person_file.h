#pragma once
// The person record: one file per person in the person folder, named by the person key, 43
// lines: code, reading, name, upper address, birth era and date, position, the 18 status texts,
// the 4 pay-kind texts, lower address and eleven spare texts.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/record_file.h"

namespace nencho {

inline constexpr int kPersonStatusCount = 18;
inline constexpr int kPayKindCount = 4;
inline constexpr int kPersonFileLines = 43;

// The longest texts a clerk types into the records' fields of persons, in full-width
// characters: a name (a person's, a spouse's, a dependant's, a policy holder's, the blank
// between family and given name included), a position, a relation to the person and one line
// of an address. The screens show them whole.
inline constexpr int kNameLength = 8;
inline constexpr int kPositionLength = 7;
inline constexpr int kRelationLength = 4;
inline constexpr int kAddressLineLength = 15;

// The statuses, numbered as in the record. 1-7 are the person's own condition (at most one
// set); 14-16 are the date of joining or leaving as typed and have no word.
enum class PersonStatus : int {
    SpecialDisabled = 1,
    Disabled,
    Elderly,
    Widow,
    SpecialWidow,
    Widower,
    WorkingStudent,
    HasHusband,
    Minor,
    RetiredByDeath,
    Foreigner,
    Joining,
    Leaving,
    ChangeYear,
    ChangeMonth,
    ChangeDay,
    SecondaryColumn,
    DisasterVictim,
};

inline constexpr int kLastOwnConditionStatus = 7;

// The word a set status holds; empty for the three date statuses.
std::string_view statusWord(PersonStatus status);

// The pay kinds, numbered as in the record.
enum class PayKind : int { DirectorsFee = 1, PayAndBonus, Pay, FamilyEmployeePay };

std::string_view payKindWord(PayKind kind);

struct PersonEntry {
    std::int32_t personCode = 0;
    std::int32_t companyCode = 0;
    std::int32_t personKey = 0;
    std::string reading;
    std::string name;
    std::string upperAddress;
    std::string birthEra;
    std::int32_t birthYear = 0;
    std::int32_t birthMonth = 0;
    std::int32_t birthDay = 0;
    std::string position;
    std::array<std::string, kPersonStatusCount> statuses;  // statuses[0] is status 1
    std::array<std::string, kPayKindCount> payKinds;       // payKinds[0] is pay kind 1
    std::string lowerAddress;

    std::string& status(PersonStatus which) { return statuses[static_cast<int>(which) - 1]; }
    const std::string& status(PersonStatus which) const {
        return statuses[static_cast<int>(which) - 1];
    }
    bool holds(PersonStatus which) const { return status(which) == statusWord(which); }

    // Empties statuses 1-7 and, when given, sets one of them to its word.
    void setOwnCondition(std::optional<PersonStatus> condition);
    // The pay-kind texts with the chosen kind's word and the other three empty.
    void choosePayKind(PayKind kind);
};

// The first of statuses 1-7 holding its word: what the screen shows as the own condition.
std::optional<PersonStatus> storedOwnCondition(const PersonEntry& entry);
// The first pay kind holding its word; none when all four are empty or hold other text.
std::optional<PayKind> storedPayKind(const PersonEntry& entry);

class PersonFile {
  public:
    static std::string path(std::int32_t personKey);

    // The 43 lines of the record.
    static RecordWriter record(const PersonEntry& entry);

    // Writes a record that must not exist yet. Throws FileAlreadyExists when it does; the
    // record is never seen empty, and a failure leaves no file behind. Text that cannot be
    // stored is refused first.
    static void createNew(const PersonEntry& entry);
    // Replaces an existing record whole; on a failure the old record stays as it was.
    static void overwrite(const PersonEntry& entry);

    // How far a record is read, by its last line: the code alone, through the name (the lists),
    // through the birth date (the main menu's stepping) or lines 1-32 (the spare lines are never
    // read). A record is refused only for the lines asked for.
    enum class Fields { Code = 1, Name = 3, BirthDate = 8, Whole = 32 };

    // The one reader of the person record: every screen reads a person through it. Fields not
    // read keep their empty values; the key fields of the entry are not set. Throws a
    // RecordError when the file is missing, ends early or holds a text on a number line.
    static PersonEntry load(std::int32_t personKey, Fields fields = Fields::Whole);
    static PersonEntry loadFile(const std::string& systemPath, Fields fields = Fields::Whole);
    // Line 1 alone: the person code stored in the record.
    static std::int32_t storedCode(std::int32_t personKey);
};

}  // namespace nencho
