#include "app/selection.h"

#include <gtest/gtest.h>

#include "app/link_addresses.h"
#include "platform/record_error.h"

namespace nencho {
namespace {

TEST(CodeBoxes, ReadAsWholeNumbersWithTheirRangeChecked) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> company;
        std::optional<std::int16_t> person;
        FileErrorKind failure;  // when no value
    };
    const Case cases[] = {
        {"5", 5, 5, {}},
        {" 12 ", 12, 12, {}},
        {"1,234", 1234, 1234, {}},
        {"-3", -3, -3, {}},
        {"40000", 40000, std::nullopt, FileErrorKind::Overflow},
        {"3000000000", std::nullopt, std::nullopt, FileErrorKind::Overflow},
        {"", std::nullopt, std::nullopt, FileErrorKind::TypeMismatch},
        {"abc", std::nullopt, std::nullopt, FileErrorKind::TypeMismatch},
    };
    // The value read, or the kind of failure.
    auto outcome = [](auto read) -> std::pair<std::optional<std::int32_t>, FileErrorKind> {
        try {
            return {read(), {}};
        } catch (const RecordError& error) {
            return {std::nullopt, error.kind()};
        }
    };
    for (const Case& c : cases) {
        const auto company = outcome([&] { return readCompanyCodeBox(c.text); });
        const auto person = outcome([&] { return std::int32_t{readPersonCodeBox(c.text)}; });
        EXPECT_EQ(company.first, c.company) << c.text;
        EXPECT_EQ(person.first, c.person ? std::optional<std::int32_t>(*c.person) : std::nullopt)
            << c.text;
        if (!c.person) {
            EXPECT_EQ(person.second, c.failure) << c.text;
        }
        if (!c.company) {
            EXPECT_EQ(company.second, c.failure) << c.text;
        }
    }
}

TEST(CodeBoxes, SteppingStaysWithinSixteenBits) {
    EXPECT_EQ(steppedPersonCode(1, -1), 0);
    EXPECT_EQ(steppedPersonCode(32766, 1), 32767);
    EXPECT_THROW(steppedPersonCode(32767, 1), RecordError);
    EXPECT_THROW(steppedPersonCode(-32768, -1), RecordError);
}

TEST(MailLink, PrefixedUnlessItAlreadyIsAMailtoAddressInAnyCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"a@b.example", "mailto:a@b.example"},
        {"MAILTO:a@b.example", "MAILTO:a@b.example"},
        {"MailTo:a@b.example", "MailTo:a@b.example"},
        {"mail:a@b.example", "mailto:mail:a@b.example"},
        {"", "mailto:"},
    };
    for (const auto& [address, target] : cases) EXPECT_EQ(mailLinkTarget(address), target);
}

}  // namespace
}  // namespace nencho
