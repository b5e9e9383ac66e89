// The insurance screen's actions: clear, load, compute and store, and the social insurance
// taken from the ledger.
#include <QLineEdit>
#include <span>

#include "common/amount.h"
#include "common/keys.h"
#include "common/paths.h"
#include "ledger/ledger_file.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/ui/program.h"
#include "platform/ui/reported_action.h"
#include "platform/ui/texts.h"
#include "yearend/insurance_deduction.h"
#include "yearend/ui/form4.h"
#include "yearend/ui/form4_boxes.h"
#include "yearend/ui/form4_controls.h"

namespace nencho {

using namespace form4;

namespace {

const char* const kNoPerson =
    "会社と個人が選ばれていないため、保険等のデータを保存できません。\n"
    "会社と個人を選んでから計算実行してください。";
const char* const kNotStored = "保険等のデータを保存できませんでした。\n";
const char* const kNotRead = "保険等のデータを読み込めませんでした。\n";
const char* const kLedgerNotRead = "源泉徴収簿の社会保険料を読み込めませんでした。\n";

}  // namespace

std::array<int, 60> form4::clearedBoxes() {
    std::array<int, 60> boxes{};
    std::size_t next = 0;
    for (const auto& rows :
         {std::span<const LifeRowBoxes>(kLifeRows), std::span<const LifeRowBoxes>(kPensionRows)})
        for (const LifeRowBoxes& row : rows)
            for (const auto& [field, number] : kLifeTexts) boxes[next++] = row.*number;
    for (const LifeRowBoxes& row : kLifeRows) boxes[next++] = row.amount;
    boxes[next++] = kLifeTotalBox;
    for (const LifeRowBoxes& row : kPensionRows) boxes[next++] = row.amount;
    boxes[next++] = kPensionTotalBox;
    boxes[next++] = kLifeDeductionBox;
    for (const CasualtyRowBoxes& row : kCasualtyRows)
        for (const auto& [field, number] : kCasualtyTexts) boxes[next++] = row.*number;
    for (const CasualtyRowBoxes& row : kCasualtyRows) boxes[next++] = row.premium;
    for (int number : {kLongTermBox, kShortTermBox, kCasualtyDeductionBox,
                       kLedgerInsuranceBoxNumber, kDeclaredSocialInsuranceBox, kMutualAidBox})
        boxes[next++] = number;
    return boxes;
}

void Form4::connectActions() {
    onPress(kClearButton, [this] { clear(); });
    onPress(kLoadButton, [this] { runReported("データ呼出", [this] { load(); }); });
    onPress(kComputeButton, [this] { runReported("計算実行", [this] { compute(); }); });
    onPress(kLedgerInsuranceButton,
            [this] { runReported("給与控除社保料呼出", [this] { showLedgerInsurance(); }); });
    onPress(kDeclaredSocialInsuranceButton,
            [this] { setTextIn(numberedBox(kDeclaredSocialInsuranceBox), {}); });
    onPress(kMutualAidButton, [this] { setTextIn(numberedBox(kMutualAidBox), {}); });
    onPress(kEndButton, [] { endProgram(); });
}

std::optional<std::int32_t> Form4::keyFromBoxes() const {
    return typedPersonKey(textOf(kCompanyBox).toStdString(), textOf(kPersonBox).toStdString());
}

std::int32_t Form4::amountOf(int number) const {
    return readAmountOrZero(textIn(numberedBox(number)).toStdString());
}

void Form4::showAmount(int number, std::int32_t value) {
    setTextIn(numberedBox(number), qs(formatAmount(value)));
}

void Form4::clear() {
    for (int number : clearedBoxes()) setTextIn(numberedBox(number), {});
}

// A load starts from empty boxes, so a person without a record (or with one that cannot be
// read) never shows the former person's entries.
void Form4::load() {
    clear();
    const auto key = keyFromBoxes();
    if (!key) return;
    std::optional<InsuranceRecord> record;
    try {
        record = InsuranceFile::load(workingYear().toStdString(), *key);
    } catch (const RecordError& error) {
        reportFailure(kNotRead + QString::fromUtf8(error.what()));
        return;
    }
    if (!record) return;
    showRecord(*record);
    press(kLedgerInsuranceButton);
}

void Form4::showRecord(const InsuranceRecord& record) {
    auto showLife = [this](const auto& rows, const auto& policies, const auto& premiums) {
        for (std::size_t index = 0; index < rows.size(); ++index) {
            for (const auto& [field, number] : kLifeTexts)
                setTextIn(numberedBox(rows[index].*number), qs(policies[index].*field));
            showAmount(rows[index].amount, premiums[index]);
        }
    };
    showLife(kLifeRows, record.lifePolicies, record.lifePremiums);
    showAmount(kLifeTotalBox, record.lifeTotal);
    showLife(kPensionRows, record.pensionPolicies, record.pensionPremiums);
    showAmount(kPensionTotalBox, record.pensionTotal);
    showAmount(kLifeDeductionBox, record.lifeInsuranceDeduction);
    for (std::size_t index = 0; index < kCasualtyRows.size(); ++index) {
        for (const auto& [field, number] : kCasualtyTexts)
            setTextIn(numberedBox(kCasualtyRows[index].*number),
                      qs(record.casualtyPolicies[index].*field));
        showAmount(kCasualtyRows[index].premium, record.casualtyPremiums[index]);
    }
    showAmount(kLongTermBox, record.longTermPremiums);
    showAmount(kShortTermBox, record.shortTermPremiums);
    showAmount(kCasualtyDeductionBox, record.casualtyDeduction);
    showAmount(kMutualAidBox, record.mutualAidPremiums);
    showAmount(kDeclaredSocialInsuranceBox, record.declaredSocialInsurance);
}

// The texts as typed and the typed amounts (0 where a box does not read as an amount).
InsuranceRecord Form4::recordFromBoxes() const {
    InsuranceRecord record;
    auto readLife = [this](const auto& rows, auto& policies, auto& premiums) {
        for (std::size_t index = 0; index < rows.size(); ++index) {
            for (const auto& [field, number] : kLifeTexts)
                policies[index].*field = textIn(numberedBox(rows[index].*number)).toStdString();
            premiums[index] = amountOf(rows[index].amount);
        }
    };
    readLife(kLifeRows, record.lifePolicies, record.lifePremiums);
    readLife(kPensionRows, record.pensionPolicies, record.pensionPremiums);
    for (std::size_t index = 0; index < kCasualtyRows.size(); ++index) {
        for (const auto& [field, number] : kCasualtyTexts)
            record.casualtyPolicies[index].*field =
                textIn(numberedBox(kCasualtyRows[index].*number)).toStdString();
        record.casualtyPremiums[index] = amountOf(kCasualtyRows[index].premium);
    }
    record.longTermPremiums = amountOf(kLongTermBox);
    record.shortTermPremiums = amountOf(kShortTermBox);
    record.mutualAidPremiums = amountOf(kMutualAidBox);
    record.declaredSocialInsurance = amountOf(kDeclaredSocialInsuranceBox);
    return record;
}

// Computes from the boxes, shows the totals and results and rewrites the person's record.
// Nothing is shown or stored without a person, or when a sum leaves the range.
void Form4::compute() {
    const auto key = keyFromBoxes();
    if (!key) {
        reportFailure(kNoPerson);
        return;
    }
    InsuranceRecord record = recordFromBoxes();
    computeInsuranceRecord(record);
    showAmount(kLifeTotalBox, record.lifeTotal);
    showAmount(kPensionTotalBox, record.pensionTotal);
    showAmount(kLifeDeductionBox, record.lifeInsuranceDeduction);
    showAmount(kLongTermBox, record.longTermPremiums);
    showAmount(kShortTermBox, record.shortTermPremiums);
    showAmount(kCasualtyDeductionBox, record.casualtyDeduction);
    showAmount(kMutualAidBox, record.mutualAidPremiums);
    showAmount(kDeclaredSocialInsuranceBox, record.declaredSocialInsurance);
    try {
        InsuranceFile::save(workingYear().toStdString(), *key, record);
    } catch (const RecordError& error) {
        reportFailure(kNotStored + QString::fromUtf8(error.what()));
    }
}

// The grand total of the social insurance in the person's ledger; without a ledger the box
// keeps its text.
void Form4::showLedgerInsurance() {
    const auto key = keyFromBoxes();
    if (!key) return;
    const auto path = yearFilePath(workingYear().toStdString(), *key, YearFileKind::Ledger);
    if (!path || !fileExists(*path)) return;
    try {
        const LedgerRecord ledger = readLedgerFile(*path);
        showAmount(kLedgerInsuranceBoxNumber,
                   ledger.sheet.cell(kGrandTotalRow, LedgerColumn::SocialInsurance));
    } catch (const RecordError& error) {
        reportFailure(kLedgerNotRead + QString::fromUtf8(error.what()));
    }
}

}  // namespace nencho
