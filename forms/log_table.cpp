#include "log_table.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

#include "error.h"
#include "files.h"

namespace vexo::forms {
namespace {

// Upper case of code page 1252, for comparing without regard to case.
constexpr std::array<unsigned char, 256> MakeFoldTable() {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = static_cast<unsigned char>(c);
    for (int c = 'a'; c <= 'z'; ++c) t[c] = static_cast<unsigned char>(c - 0x20);
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7) t[c] = static_cast<unsigned char>(c - 0x20);
    t[0x9A] = 0x8A;
    t[0x9C] = 0x8C;
    t[0x9E] = 0x8E;
    t[0xFF] = 0x9F;
    return t;
}
constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

unsigned char Fold(char c) {
    return kFold[static_cast<unsigned char>(c)];
}

int CompareFolded(std::string_view a, std::string_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = Fold(a[i]), y = Fold(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool StartsWithFolded(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           CompareFolded(text.substr(0, prefix.size()), prefix) == 0;
}

// The next field of `line` from `i` on, as ParseLogLine reads it but without copying:
// the text between the quotes (doubled quotes still doubled) or the unquoted text without
// trailing blanks. `i` moves past the field's separator.
std::string_view NextField(std::string_view line, size_t& i) {
    while (i < line.size() && line[i] == ' ') ++i;
    size_t begin = i, end;
    if (i < line.size() && line[i] == '"') {
        begin = ++i;
        for (;; ++i) {
            if (i >= line.size()) {
                end = i;
                break;
            }
            if (line[i] != '"') continue;
            if (i + 1 < line.size() && line[i + 1] == '"') {
                ++i;
                continue;
            }
            end = i++;
            break;
        }
        size_t semi = line.find(';', i);
        i = semi == std::string_view::npos ? line.size() : semi + 1;
    } else {
        size_t semi = line.find(';', i);
        end = semi == std::string_view::npos ? line.size() : semi;
        i = semi == std::string_view::npos ? line.size() : semi + 1;
        while (end > begin && line[end - 1] == ' ') --end;
    }
    return line.substr(begin, end - begin);
}

std::string Unquote(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        out += raw[i];
        if (raw[i] == '"' && i + 1 < raw.size() && raw[i + 1] == '"') ++i;
    }
    return out;
}

// Sort entry: the first 16 folded bytes as two big-endian words decide most comparisons
// without touching the file's bytes; only longer fields that agree there are compared in full.
struct SortKey {
    uint64_t high;
    uint64_t low;
    uint32_t offset;  // of the field in the file's bytes
    uint32_t length;
    uint32_t row;
};

SortKey MakeKey(std::string_view field, const char* base, uint32_t row) {
    unsigned char b[16] = {};
    size_t n = std::min<size_t>(field.size(), 16);
    for (size_t i = 0; i < n; ++i) b[i] = Fold(field[i]);
    uint64_t high = 0, low = 0;
    for (int i = 0; i < 8; ++i) high = high << 8 | b[i];
    for (int i = 8; i < 16; ++i) low = low << 8 | b[i];
    return {high, low, static_cast<uint32_t>(field.data() - base),
            static_cast<uint32_t>(field.size()), row};
}

// <0, 0, >0 by field only; equal fields yield 0.
int CompareKeys(const SortKey& a, const SortKey& b, const char* base) {
    if (a.high != b.high) return a.high < b.high ? -1 : 1;
    if (a.low != b.low) return a.low < b.low ? -1 : 1;
    if (a.length <= 16 && b.length <= 16)
        return a.length < b.length ? -1 : a.length > b.length ? 1 : 0;
    return CompareFolded({base + a.offset, a.length}, {base + b.offset, b.length});
}

}  // namespace

LogTable::LogTable(std::string bytes) : bytes_(std::move(bytes)) {
    if (bytes_.size() >= std::numeric_limits<uint32_t>::max())
        throw Error("Das Logfile ist zu groß, um es anzuzeigen.");
    size_t longest[kLogColumnCount] = {};
    std::string_view all(bytes_);
    bool first = true;
    for (size_t start = 0; start < all.size();) {
        size_t end = all.find('\n', start);
        if (end == std::string_view::npos) end = all.size();
        std::string_view line = all.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        // The field definition is the first line only when it is one.
        bool header = first && line.rfind("VEXO:", 0) == 0;
        first = false;
        if (!line.empty() && !header) {
            auto row = static_cast<uint32_t>(line_starts_.size());
            line_starts_.push_back(static_cast<uint32_t>(start));
            size_t i = 0;
            for (int c = 0; c < kLogColumnCount; ++c) {
                size_t length = NextField(line, i).size();
                if (length > longest[c]) {
                    longest[c] = length;
                    longest_row_[c] = row;
                }
            }
        }
        start = end + 1;
    }
    line_starts_.shrink_to_fit();
    order_.resize(line_starts_.size());
    for (size_t i = 0; i < order_.size(); ++i) order_[i] = static_cast<uint32_t>(i);
}

std::optional<LogTable> LogTable::ReadFile(const std::string& path) {
    std::optional<std::string> bytes;
    try {
        bytes = files::ReadAll(path);
    } catch (const Error&) {
        throw Error("Das Logfile " + path + " kann nicht gelesen werden.");
    }
    if (!bytes) return std::nullopt;
    return LogTable(std::move(*bytes));
}

std::string_view LogTable::Line(size_t row) const {
    std::string_view all(bytes_);
    size_t start = line_starts_[row];
    size_t end = all.find('\n', start);
    std::string_view line = all.substr(start, end == std::string_view::npos ? end : end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string_view LogTable::RawField(size_t row, int column) const {
    std::string_view line = Line(row);
    size_t i = 0;
    std::string_view field;
    for (int c = 0; c <= column && c < kLogColumnCount; ++c) field = NextField(line, i);
    return field;
}

std::string LogTable::Field(size_t position, int column) const {
    if (position >= order_.size() || column < 0 || column >= kLogColumnCount) return {};
    return Unquote(RawField(order_[position], column));
}

std::string LogTable::FieldUtf8(size_t position, int column) const {
    return FromAnsi(Field(position, column));
}

void LogTable::SortBy(int column, bool ascending) {
    if (column < 0 || column >= kLogColumnCount) return;
    std::vector<SortKey> keys;
    keys.reserve(line_starts_.size());
    const char* base = bytes_.data();
    for (uint32_t row = 0; row < line_starts_.size(); ++row)
        keys.push_back(MakeKey(RawField(row, column), base, row));
    // Equal fields keep the file's order in both directions.
    if (ascending) {
        std::sort(keys.begin(), keys.end(), [base](const SortKey& a, const SortKey& b) {
            int c = CompareKeys(a, b, base);
            return c != 0 ? c < 0 : a.row < b.row;
        });
    } else {
        std::sort(keys.begin(), keys.end(), [base](const SortKey& a, const SortKey& b) {
            int c = CompareKeys(a, b, base);
            return c != 0 ? c > 0 : a.row < b.row;
        });
    }
    for (size_t i = 0; i < keys.size(); ++i) order_[i] = keys[i].row;
    sort_column_ = column;
    ascending_ = ascending;
}

std::optional<size_t> LogTable::FindPrefix(int column, std::string_view prefix,
                                           size_t start) const {
    size_t n = order_.size();
    if (n == 0 || column < 0 || column >= kLogColumnCount) return std::nullopt;
    if (start >= n) start = 0;
    if (column == sort_column_ && ascending_) {
        // Sorted this way, the matches stand together: search the first of them.
        auto less = [&](size_t pos) {
            return CompareFolded(RawField(order_[pos], column), prefix) < 0;
        };
        size_t lo = 0, hi = n;
        while (lo < hi) {
            size_t mid = lo + (hi - lo) / 2;
            if (less(mid))
                lo = mid + 1;
            else
                hi = mid;
        }
        // From `start` on the run of matches, else its first.
        if (start > lo && start < n && StartsWithFolded(RawField(order_[start], column), prefix))
            return start;
        if (lo < n && StartsWithFolded(RawField(order_[lo], column), prefix)) return lo;
        return std::nullopt;
    }
    for (size_t k = 0; k < n; ++k) {
        size_t pos = (start + k) % n;
        if (StartsWithFolded(RawField(order_[pos], column), prefix)) return pos;
    }
    return std::nullopt;
}

size_t LogTable::PositionOf(size_t row) const {
    for (size_t i = 0; i < order_.size(); ++i)
        if (order_[i] == row) return i;
    return 0;
}

size_t LogTable::LongestFieldPosition(int column) const {
    if (order_.empty() || column < 0 || column >= kLogColumnCount) return 0;
    return PositionOf(longest_row_[column]);
}

size_t LogTable::MemoryBytes() const {
    return bytes_.capacity() + line_starts_.capacity() * sizeof(uint32_t) +
           order_.capacity() * sizeof(uint32_t);
}

}  // namespace vexo::forms
