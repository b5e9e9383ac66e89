#include "records/notes_file.h"

#include "common/keys.h"
#include "common/paths.h"
#include "platform/record_error.h"
#include "platform/record_file.h"

namespace nencho {

namespace {

std::string requirePath(const std::string& taxYearCode, std::int32_t personKey, YearFileKind kind) {
    const auto path = yearFilePath(taxYearCode, personKey, kind);
    if (!path) fail(FileErrorKind::Overflow);
    return *path;
}

}  // namespace

void NotesFile::save(const std::string& taxYearCode, std::int32_t personKey,
                     const NotesLines& lines) {
    RecordWriter writer;
    writer.text(lines.first).text(lines.second);
    writer.save(requirePath(taxYearCode, personKey, YearFileKind::Notes));
}

NotesLines NotesFile::load(const std::string& taxYearCode, std::int32_t personKey) {
    RecordReader reader =
        RecordReader::open(requirePath(taxYearCode, personKey, YearFileKind::Notes));
    NotesLines lines;
    lines.first = reader.text();
    lines.second = reader.text();
    return lines;
}

}  // namespace nencho
