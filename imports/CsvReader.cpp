#include "imports/CsvReader.h"

namespace corvane::csv {

namespace {

// Reads records one character at a time across the lines.
class RecordParser {
public:
    explicit RecordParser(const std::vector<std::string>& lines) : lines_(lines) {}

    std::vector<Record> readAll() {
        std::vector<Record> records;
        records.reserve(lines_.size());
        while (row_ < lines_.size()) {
            records.push_back(readRecord());
        }
        return records;
    }

private:
    Record readRecord() {
        Record record;
        record.line = row_ + 1;
        std::string field;
        bool quoted = false;
        bool atFieldStart = true;
        for (;;) {
            const std::string& line = lines_[row_];
            if (column_ == line.size()) {
                if (quoted && row_ + 1 < lines_.size()) {
                    field += '\n';
                    ++row_;
                    column_ = 0;
                    continue;
                }
                record.fields.push_back(std::move(field));
                ++row_;
                column_ = 0;
                return record;
            }
            const char c = line[column_++];
            if (quoted) {
                if (c != '"') {
                    field += c;
                } else if (column_ < line.size() && line[column_] == '"') {
                    field += '"';
                    ++column_;
                } else {
                    quoted = false;
                }
            } else if (c == ',') {
                record.fields.push_back(std::move(field));
                field.clear();
                atFieldStart = true;
                continue;
            } else if (c == '"' && atFieldStart) {
                quoted = true;
            } else {
                field += c;
            }
            atFieldStart = false;
        }
    }

    const std::vector<std::string>& lines_;
    std::size_t row_ = 0;
    std::size_t column_ = 0;
};

} // namespace

std::vector<Record> readRecords(const std::vector<std::string>& lines) {
    return RecordParser(lines).readAll();
}

} // namespace corvane::csv
