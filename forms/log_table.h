#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexo::forms {

enum LogColumn : int {
    kColumnNumber,       // "Vexo"
    kColumnTime,         // "Datum", "yyyy-mm-dd hh:nn:ss", which sorts as text
    kColumnApplication,  // "Anwendung"
    kColumnUser,         // "Benutzer"
    kLogColumnCount
};

// The issue log as the log viewer reads it: the file's bytes once in memory, the start of
// each data line, and the order in which the rows are shown. A field is cut out of its line
// only when asked for, so opening is one pass over the bytes and memory stays near the file's
// size however many rows it holds. Tolerant like ParseLogLine: a line with missing fields
// shows them empty, an unterminated quote runs to the end of the line. Never writes.
class LogTable {
public:
    LogTable() = default;
    // The log's text as on disk (ANSI), header line included.
    explicit LogTable(std::string bytes);

    // nullopt when there is no file; throws vexo::Error when it cannot be read.
    static std::optional<LogTable> ReadFile(const std::string& path);

    size_t RowCount() const { return order_.size(); }

    // The field of the row shown at `position`, as stored (ANSI; quotes taken off, doubled
    // quotes made single).
    std::string Field(size_t position, int column) const;
    // The same in UTF-8.
    std::string FieldUtf8(size_t position, int column) const;

    // Orders the rows by one column, ignoring letter case; rows with equal fields keep the
    // file's order. Sorting again by the same column in the other direction reverses.
    void SortBy(int column, bool ascending);
    int sort_column() const { return sort_column_; }  // -1: file order
    bool ascending() const { return ascending_; }

    // Type-ahead: the first position from `start` on (wrapping round) whose field in
    // `column` begins with `prefix` (ANSI), ignoring case.
    std::optional<size_t> FindPrefix(int column, std::string_view prefix, size_t start) const;

    // The row's number in file order at a position, and back.
    size_t RowAt(size_t position) const { return order_[position]; }
    size_t PositionOf(size_t row) const;

    // The position of a row whose field in `column` is one of the longest (in bytes), for
    // sizing the columns; 0 when empty.
    size_t LongestFieldPosition(int column) const;

    // Bytes held: the file and the index.
    size_t MemoryBytes() const;

private:
    std::string_view Line(size_t row) const;
    std::string_view RawField(size_t row, int column) const;

    std::string bytes_;
    std::vector<uint32_t> line_starts_;  // by row in file order
    std::vector<uint32_t> order_;        // rows by position
    uint32_t longest_row_[kLogColumnCount] = {};
    int sort_column_ = -1;
    bool ascending_ = true;
};

}  // namespace vexo::forms
