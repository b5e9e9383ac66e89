#include "withholding/monthly_pay_record.h"

#include "platform/record_file.h"

namespace nencho {

MonthlyPayRecord monthlyPayRecordOf(int month, const MonthlyCalculation& figures) {
    return {month,
            figures.pay,
            figures.health,
            figures.pension,
            figures.employment,
            figures.tax.tax,
            figures.totalDeductions,
            figures.netPay};
}

void saveMonthlyPayRecord(const std::string& systemPath, const MonthlyPayRecord& record) {
    RecordWriter writer;
    writer.number(record.month)
        .number(record.pay)
        .number(record.health)
        .number(record.pension)
        .number(record.employment)
        .number(record.tax)
        .number(record.totalDeductions)
        .number(record.netPay);
    writer.save(systemPath);
}

MonthlyPayRecord loadMonthlyPayRecord(const std::string& systemPath) {
    RecordReader reader = RecordReader::open(systemPath);
    MonthlyPayRecord record;
    for (std::int32_t* field :
         {&record.month, &record.pay, &record.health, &record.pension, &record.employment,
          &record.tax, &record.totalDeductions, &record.netPay})
        *field = reader.longNumber();
    return record;
}

}  // namespace nencho
