#include "batch/batch_run.h"

#include "common/amount.h"
#include "common/keys.h"
#include "platform/record_error.h"
#include "records/person_file.h"

namespace nencho {

namespace {

std::string codeText(std::int64_t code) {
    return "個人コード " + decimal(code);
}

// What the person record at a code says.
struct StoredCode {
    enum class Kind { Code, NoRecord, Unreadable, NoKey };
    Kind kind = Kind::NoRecord;
    std::int32_t code = 0;
    std::string error;
};

StoredCode storedCodeAt(std::int32_t companyCode, std::int32_t code) {
    const auto key = personKey(companyCode, code);
    if (!key) return {StoredCode::Kind::NoKey, 0, {}};
    try {
        return {StoredCode::Kind::Code, PersonFile::storedCode(*key), {}};
    } catch (const RecordError& error) {
        if (error.isMissingFile()) return {StoredCode::Kind::NoRecord, 0, {}};
        return {StoredCode::Kind::Unreadable, 0, error.what()};
    }
}

// Where a step of a run finds its person: the code whose record stores that code, none when
// the step goes past the run's last code, or why the run ends here.
struct Located {
    std::optional<std::int32_t> code;
    std::string stop;
};

std::string unprinted(std::int32_t from, std::int32_t last) {
    if (from >= last) return codeText(from) + " は印刷していません。";
    return codeText(from) + " から " + decimal(last) + " までは印刷していません。";
}

Located locate(std::int32_t companyCode, std::int32_t code, std::int32_t last) {
    // Each turn moves to a higher code, so the codes up to 99 bound the search.
    for (int turn = 0; turn < kLastPersonCode; ++turn) {
        const StoredCode stored = storedCodeAt(companyCode, code);
        switch (stored.kind) {
            case StoredCode::Kind::NoKey:
                return {{},
                        "会社コード " + decimal(companyCode) + " の" + codeText(code) +
                            " の記録はありません。\n" + unprinted(code, last)};
            case StoredCode::Kind::NoRecord:
                return {{},
                        codeText(code) + " の個人は登録されていないため、印刷を終えました。\n" +
                            unprinted(code, last)};
            case StoredCode::Kind::Unreadable:
                return {{},
                        codeText(code) + " の個人の記録を読めないため、印刷を終えました。\n" +
                            stored.error + "\n" + unprinted(code, last)};
            case StoredCode::Kind::Code:
                break;
        }
        if (stored.code == code) return {code, {}};
        if (stored.code < code || stored.code > kLastPersonCode)
            return {{},
                    codeText(code) + " の記録には別の個人コード " + decimal(stored.code) +
                        " が入っているため、印刷を終えました。\n" + unprinted(code, last)};
        code = stored.code;
        if (code > last) return {};
    }
    return {};
}

// The printout's failure again, with the codes it leaves unprinted.
[[noreturn]] void rethrowWithUnprinted(std::int32_t code, std::int32_t last) {
    const std::string rest = "\n" + unprinted(code, last);
    try {
        throw;
    } catch (const PrinterFailure& failure) {
        throw PrinterFailure(failure.what() + rest);
    } catch (const Failure& failure) {
        throw Failure(codeText(code) + " を印刷できませんでした。\n" + failure.what() + rest);
    }
}

std::string damagedRecordsStop(std::int32_t code, std::int32_t last,
                               const std::vector<std::string>& records) {
    std::string text = codeText(code) + " の次の記録を読めないため、印刷を終えました。";
    for (const std::string& record : records) text += "\n" + record;
    return text + "\n" + unprinted(code, last);
}

const std::string kCodeRange =
    decimal(kFirstPersonCode) + " から " + decimal(kLastPersonCode) + " まで";

}  // namespace

std::optional<std::int32_t> probeLastPersonCode(std::int32_t companyCode) {
    std::optional<std::int32_t> last;
    std::int32_t code = kFirstPersonCode;
    // Every turn moves to a higher code.
    for (int turn = 0; turn < kLastPersonCode && code <= kLastPersonCode; ++turn) {
        const StoredCode stored = storedCodeAt(companyCode, code);
        if (stored.kind == StoredCode::Kind::NoKey) break;
        if (stored.kind == StoredCode::Kind::Code) {
            if (stored.code < code || stored.code > kLastPersonCode) break;
            last = stored.code;
            code = stored.code;
        }
        ++code;
    }
    return last;
}

RangeReading readPersonRange(std::string_view firstCode, std::string_view lastCode) {
    const auto first = parseAmount(firstCode);
    const auto last = parseAmount(lastCode);
    if (!first || !last) {
        const bool empty = firstCode.find_first_not_of(' ') == std::string_view::npos ||
                           lastCode.find_first_not_of(' ') == std::string_view::npos;
        if (empty)
            return {{},
                    "印刷する個人コードを「人目から」と「人目までの印刷」の両方に入れてください。"};
        return {{}, "個人コードは " + kCodeRange + "の整数で入れてください。"};
    }
    if (!isOwnPersonCode(*first) || !isOwnPersonCode(*last))
        return {{}, "個人コードは " + kCodeRange + "の整数で入れてください。"};
    if (*first > *last)
        return {{},
                "「人目から」の " + decimal(*first) + " が「人目まで」の " + decimal(*last) +
                    " より大きいため、印刷する個人はいません。"};
    return {PersonRange{*first, *last}, {}};
}

RangeReading allPersonsRange(std::optional<std::int32_t> lastPersonCode) {
    if (!lastPersonCode || !isOwnPersonCode(*lastPersonCode))
        return {{}, "この会社には印刷する個人が登録されていません。"};
    return {PersonRange{kFirstPersonCode, *lastPersonCode}, {}};
}

BatchRunOutcome runBatch(const BatchRun& run, PersonRange range, PrintData& data) {
    BatchRunOutcome outcome;
    if (!isOwnPersonCode(range.first) || !isOwnPersonCode(range.last)) return outcome;
    std::int32_t code = range.first;
    // Every step moves to a higher code.
    for (int step = 0; step < kLastPersonCode && code <= range.last; ++step) {
        const Located located = locate(run.companyCode, code, range.last);
        if (!located.code) {
            outcome.stop = located.stop;
            return outcome;
        }
        code = *located.code;
        const PrintDataLoad load =
            loadBatchPerson(data, run.taxYearCode, run.taxEraYear, run.companyCode, code);
        if (!load.loaded) {
            outcome.stop = load.refusal + "\n" + unprinted(code, range.last);
            return outcome;
        }
        if (!load.damagedRecords.empty()) {
            outcome.stop = damagedRecordsStop(code, range.last, load.damagedRecords);
            return outcome;
        }
        try {
            printDocument(run.opener, batchDocumentName(run.document),
                          [&](PrinterPage& page) { drawBatchDocument(page, data, run.document); });
        } catch (const Failure&) {
            rethrowWithUnprinted(code, range.last);
        }
        outcome.printedCodes.push_back(code);
        ++code;
    }
    return outcome;
}

}  // namespace nencho
