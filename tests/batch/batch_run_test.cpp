#include "batch/batch_run.h"

#include <gtest/gtest.h>

#include "printing/print_fixture.h"
#include "support/recording_pages.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

using test::kPrintYear;

// A person record at a code that stores another code in its first line.
void writePersonStoring(std::int32_t company, std::int32_t atCode, std::int32_t storedCode) {
    PersonEntry person = test::fixturePerson(company, atCode);
    person.personCode = storedCode;
    PersonFile::overwrite(person);
}

void writeUnreadable(const std::string& systemPath) {
    test::writeLines(systemPath, {"三", "サン", "三"});
}

// An opener whose printer goes away after a number of documents.
class FailingOpener : public test::RecordingPageOpener {
  public:
    explicit FailingOpener(int documentsBeforeFailure) : left_(documentsBeforeFailure) {}
    std::unique_ptr<PrinterPage> open(const std::string& documentName) override {
        if (left_-- <= 0) noPrinter = true;
        return RecordingPageOpener::open(documentName);
    }

  private:
    int left_;
};

// Company 1 has persons at codes 1, 2 and 4.
class BatchRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (std::int32_t code : {1, 2, 4}) test::writeFixtureYear(1, code);
    }

    BatchRunOutcome run(PersonRange range, BatchDocument document = BatchDocument::Statement) {
        return runBatch(BatchRun{opener, document, kPrintYear, "17", 1}, range, data);
    }
    std::vector<std::string> documentNames() const {
        std::vector<std::string> names;
        for (const auto& document : opener.documents) {
            names.push_back(document.name);
            EXPECT_EQ(document.page->operations().back().kind, PrintOperation::Kind::EndDocument);
        }
        return names;
    }

    test::TempDrives drives;
    test::RecordingPageOpener opener;
    PrintData data;
};

using Codes = std::vector<std::int32_t>;

TEST_F(BatchRunTest, TheProbeFindsTheLastCodePassingGapsOverAndEnds) {
    EXPECT_EQ(probeLastPersonCode(1), 4);
    // The next company's person 1 is never taken for one of company 1.
    test::writeFixtureYear(2, 1);
    EXPECT_EQ(probeLastPersonCode(1), 4);
    EXPECT_EQ(probeLastPersonCode(2), 1);
    EXPECT_EQ(probeLastPersonCode(3), std::nullopt);

    // A record that cannot be read is passed over like a gap.
    writeUnreadable(personFilePath(103));
    EXPECT_EQ(probeLastPersonCode(1), 4);

    // Keys are computed in 32 bits: company 327 has a person 68 like any other.
    PersonFile::overwrite(test::fixturePerson(327, 67));
    PersonFile::overwrite(test::fixturePerson(327, 68));
    EXPECT_EQ(probeLastPersonCode(327), 68);
}

TEST_F(BatchRunTest, TheProbeEndsAtARecordStoringALowerOrForeignCode) {
    struct Case {
        std::int32_t storedAt4;
        std::optional<std::int32_t> last;
    };
    for (const Case& c : {Case{1, 2}, Case{150, 2}, Case{7, 7}}) {
        writePersonStoring(1, 4, c.storedAt4);
        EXPECT_EQ(probeLastPersonCode(1), c.last) << c.storedAt4;
    }
}

TEST_F(BatchRunTest, AnAllPersonsRunPrintsUpToTheFirstGapAndSaysWhereItStopped) {
    const RangeReading all = allPersonsRange(probeLastPersonCode(1));
    ASSERT_TRUE(all.range);
    EXPECT_EQ(all.range->first, 1);
    EXPECT_EQ(all.range->last, 4);

    const BatchRunOutcome outcome = run(*all.range);
    EXPECT_EQ(outcome.printedCodes, (Codes{1, 2}));
    EXPECT_EQ(documentNames(), (std::vector<std::string>{"源泉徴収票", "源泉徴収票"}));
    EXPECT_NE(outcome.stop.find("個人コード 3 の個人は登録されていない"), std::string::npos)
        << outcome.stop;
    EXPECT_NE(outcome.stop.find("個人コード 3 から 4 までは印刷していません"), std::string::npos)
        << outcome.stop;
    EXPECT_EQ(data.personKey, 102);  // the last person printed

    EXPECT_FALSE(allPersonsRange(std::nullopt).range);
    EXPECT_FALSE(allPersonsRange(std::nullopt).refusal.empty());
}

TEST_F(BatchRunTest, ARangeRunPrintsThePersonsOfItsCodes) {
    struct Case {
        PersonRange range;
        BatchDocument document;
        Codes printed;
        const char* stop;  // part of the message; empty when the run went through
        const char* name;
    };
    const Case cases[] = {
        {{4, 4}, BatchDocument::Ledger, {4}, "", "源泉徴収簿"},
        {{1, 2}, BatchDocument::DependantsDeclaration, {1, 2}, "", "扶養控除等申告書"},
        {{2, 4},
         BatchDocument::InsuranceDeclaration,
         {2},
         "個人コード 3 の",
         "保険控除 兼 配偶者特別控除申告書"},
        {{3, 3}, BatchDocument::Statement, {}, "個人コード 3 は印刷していません", ""},
        {{99, 99}, BatchDocument::Statement, {}, "個人コード 99 の", ""},
    };
    for (const Case& c : cases) {
        opener.documents.clear();
        const BatchRunOutcome outcome = run(c.range, c.document);
        EXPECT_EQ(outcome.printedCodes, c.printed) << c.range.first;
        EXPECT_EQ(opener.documents.size(), c.printed.size()) << c.range.first;
        for (const std::string& name : documentNames()) EXPECT_EQ(name, c.name);
        if (*c.stop == '\0')
            EXPECT_EQ(outcome.stop, "") << c.range.first;
        else
            EXPECT_NE(outcome.stop.find(c.stop), std::string::npos) << outcome.stop;
    }
    run({4, 4});
    EXPECT_EQ(data.personKey, 104);
}

TEST_F(BatchRunTest, TheRangeBoxesGiveCodesOneTo99InOrder) {
    struct Case {
        const char* first;
        const char* last;
        std::optional<std::pair<int, int>> range;
        const char* refusal;  // part of the message
    };
    const Case cases[] = {
        {"4", "4", std::pair{4, 4}, ""},
        {" 1 ", "99", std::pair{1, 99}, ""},
        {"2.5", "3.5", std::pair{2, 4}, ""},
        {"5", "2", std::nullopt, "「人目から」の 5 が「人目まで」の 2 より大きい"},
        {"", "4", std::nullopt, "両方に"},
        {"4", "", std::nullopt, "両方に"},
        {"", "", std::nullopt, "両方に"},
        {"0", "3", std::nullopt, "1 から 99 まで"},
        {"1", "100", std::nullopt, "1 から 99 まで"},
        {"abc", "3", std::nullopt, "1 から 99 まで"},
        {"-2", "3", std::nullopt, "1 から 99 まで"},
    };
    for (const Case& c : cases) {
        const RangeReading reading = readPersonRange(c.first, c.last);
        if (c.range) {
            ASSERT_TRUE(reading.range) << c.first << "-" << c.last;
            EXPECT_EQ(reading.range->first, c.range->first);
            EXPECT_EQ(reading.range->last, c.range->second);
        } else {
            EXPECT_FALSE(reading.range) << c.first << "-" << c.last;
            EXPECT_NE(reading.refusal.find(c.refusal), std::string::npos) << reading.refusal;
        }
    }
}

TEST_F(BatchRunTest, ARecordStoringAnotherCodeSendsTheRunOnwardsNeverBackwards) {
    struct Case {
        std::int32_t storedAt2;
        PersonRange range;
        Codes printed;
        const char* stop;
    };
    const Case cases[] = {
        {4, {1, 4}, {1, 4}, ""},  // the record at 2 sends the run on to person 4
        {4, {1, 3}, {1}, ""},     // ... which lies beyond this range
        {1, {1, 4}, {1}, "別の個人コード 1 が入っている"},
        {150, {1, 4}, {1}, "別の個人コード 150 が入っている"},
    };
    for (const Case& c : cases) {
        writePersonStoring(1, 2, c.storedAt2);
        const BatchRunOutcome outcome = run(c.range);
        EXPECT_EQ(outcome.printedCodes, c.printed) << c.storedAt2;
        if (*c.stop == '\0')
            EXPECT_EQ(outcome.stop, "") << c.storedAt2;
        else
            EXPECT_NE(outcome.stop.find(c.stop), std::string::npos) << outcome.stop;
    }
}

TEST_F(BatchRunTest, APersonWhoseRecordsCannotBeReadEndsTheRunUnprinted) {
    writeUnreadable(*yearFilePath(kPrintYear, 102, YearFileKind::Insurance));
    BatchRunOutcome outcome = run({1, 4});
    EXPECT_EQ(outcome.printedCodes, Codes{1});
    EXPECT_EQ(opener.documents.size(), 1u);
    EXPECT_NE(outcome.stop.find("個人コード 2 の次の記録を読めない"), std::string::npos)
        << outcome.stop;
    EXPECT_NE(outcome.stop.find("保険料控除"), std::string::npos) << outcome.stop;

    writeUnreadable(personFilePath(101));
    outcome = run({1, 4});
    EXPECT_EQ(outcome.printedCodes, Codes{});
    EXPECT_NE(outcome.stop.find("個人コード 1 の個人の記録を読めない"), std::string::npos)
        << outcome.stop;
}

TEST_F(BatchRunTest, APrinterFailureEndsTheRunAtOnce) {
    FailingOpener failing(1);
    try {
        runBatch(BatchRun{failing, BatchDocument::Ledger, kPrintYear, "17", 1}, {1, 4}, data);
        FAIL() << "the run went on";
    } catch (const PrinterFailure& failure) {
        const std::string text = failure.what();
        EXPECT_NE(text.find("プリンター"), std::string::npos) << text;
        EXPECT_NE(text.find("個人コード 2 から 4 までは印刷していません"), std::string::npos)
            << text;
    }
    EXPECT_EQ(failing.documents.size(), 1u);
}

TEST_F(BatchRunTest, TheBatchLoadTakesTheSpouseStepAndKeepsNothingOfThePersonBefore) {
    DependantsRecord spouseAndTwo;
    spouseAndTwo.spouse.name = "山田　花子";
    spouseAndTwo.dependantsInAll = 3;
    DependantsFile::save(kPrintYear, 102, spouseAndTwo);
    PersonFile::overwrite(test::fixturePerson(1, 3));  // a person record and nothing else

    struct Case {
        std::int32_t code;
        std::int32_t spouseFlag;
        std::int32_t others;
    };
    // The fixture person counts five with the spouse, three of them by kind.
    for (const Case& c : {Case{1, 1, 1}, Case{2, 1, 2}, Case{3, 0, 0}}) {
        const PrintDataLoad load = loadBatchPerson(data, kPrintYear, "17", 1, c.code);
        EXPECT_TRUE(load.loaded);
        EXPECT_EQ(data.personCode, c.code);
        EXPECT_EQ(data.spouseFlag, c.spouseFlag) << c.code;
        EXPECT_EQ(data.otherDependantsCount, c.others) << c.code;
        EXPECT_EQ(data.taxEraYear, "17");
    }
    // Person 3 has no year records: nothing of person 2 or 1 remains.
    EXPECT_EQ(data.noteLines[1], "");
    EXPECT_EQ(data.printLedgerTable, LedgerSheet{});
    EXPECT_EQ(data.adjustmentResult, AdjustmentResult{});
    EXPECT_EQ(data.kindCounts[7], 0);
    EXPECT_EQ(data.lifePensionTexts[1], "");
    EXPECT_EQ(data.spouseHousingAmounts[1], 0);
    EXPECT_EQ(data.statementDataShiftRight, 0);
    EXPECT_EQ(data.statementDataShiftDown, 0);
}

}  // namespace
}  // namespace nencho
