#include "records/maintenance_person.h"

#include "platform/record_file.h"

namespace nencho {

MaintenancePerson readMaintenancePerson(const std::string& personFilePath) {
    RecordReader reader = RecordReader::open(personFilePath);
    MaintenancePerson person;
    person.code = reader.longNumber();
    person.reading = reader.text();
    person.name = reader.text();
    person.upperAddress = reader.text();
    person.birthEra = reader.text();
    for (std::int32_t& part : person.birthDate) part = reader.longNumber();
    for (std::string& text : person.laterTexts) text = reader.text();
    return person;
}

RecordWriter personRecordUnderCode(const MaintenancePerson& person, std::int32_t personCode) {
    RecordWriter record;
    record.number(personCode)
        .text(person.reading)
        .text(person.name)
        .text(person.upperAddress)
        .text(person.birthEra);
    for (std::int32_t part : person.birthDate) record.number(part);
    for (const std::string& text : person.laterTexts) record.text(text);
    record.spare(2, 12);
    return record;
}

}  // namespace nencho
