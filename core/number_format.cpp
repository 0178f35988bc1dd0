#include "number_format.h"

#include <algorithm>
#include <cstdio>

namespace vexo {
namespace {

std::string TwoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v % 100);
    return buf;
}

std::string SeparatorText(int32_t sep) {
    switch (sep) {
        case kSepBlank: return " ";
        case kSepDash: return "-";
        case kSepSlash: return "/";
        case kSepDot: return ".";
        default: return "";
    }
}

std::string DatePart(int32_t prefix, const std::string& s, const LocalTime& d) {
    char yyyy[16];
    std::snprintf(yyyy, sizeof yyyy, "%04d", d.year);
    const std::string y4 = yyyy, y2 = TwoDigits(d.year), mm = TwoDigits(d.month);
    const std::string m = std::to_string(d.month), j = std::to_string(d.year % 10);
    switch (prefix) {
        case kPrefixYYYY: return y4;
        case kPrefixYY: return y2;
        case kPrefixYYYY_MM: return y4 + s + mm;
        case kPrefixYY_MM: return y2 + s + mm;
        case kPrefixMM_YYYY: return mm + s + y4;
        case kPrefixMM_YY: return mm + s + y2;
        case kPrefixJ: return j;
        case kPrefixJ_M: return j + s + m;
        case kPrefixJ_MM: return j + s + mm;
        case kPrefixM_J: return m + s + j;
        case kPrefixMM_J: return mm + s + j;
        default: return "";
    }
}

}  // namespace

std::string PadNumber(int64_t value, int64_t width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    std::string sign = value < 0 ? "-" : "";
    int64_t missing = width - static_cast<int64_t>(sign.size() + digits.size());
    if (missing > 0) digits.insert(0, static_cast<size_t>(missing), '0');
    return sign + digits;
}

std::string ComposeNumber(const NumberFormat& format, int64_t counter, const LocalTime& date) {
    // Capping the width (not cutting the text) keeps the counter's own digits in the number.
    std::string count = PadNumber(counter, std::min(format.Width, kMaxCounterTextLength));
    std::string date_part = DatePart(format.Prefix, SeparatorText(format.Sep), date);
    if (format.LeadingText) return count + format.TextBefore + date_part + format.TextAfter;
    return format.TextBefore + date_part + format.TextAfter + count;
}

std::string ComposeNumber(const NumberFormat& format, int64_t counter) {
    return ComposeNumber(format, counter, CurrentPlatform().Now());
}

}  // namespace vexo
