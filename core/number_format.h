#pragma once

#include <cstdint>
#include <string>

#include "platform.h"

namespace vexo {

// Which date part stands in the number; values outside the table mean none.
enum PrefixKind : int32_t {
    kPrefixNone = 0,
    kPrefixYYYY = 1,
    kPrefixYY = 2,
    kPrefixYYYY_MM = 3,
    kPrefixYY_MM = 4,
    kPrefixMM_YYYY = 5,
    kPrefixMM_YY = 6,
    kPrefixJ = 7,
    kPrefixJ_M = 8,
    kPrefixJ_MM = 9,
    kPrefixM_J = 10,
    kPrefixMM_J = 11,
};

// The separator between the two components of the date part; values outside mean none.
enum SeparatorKind : int32_t {
    kSepNone = 0,
    kSepBlank = 1,
    kSepDash = 2,
    kSepSlash = 3,
    kSepDot = 4,
};

struct NumberFormat {
    std::string TextBefore;
    int32_t Prefix = kPrefixNone;
    int32_t Sep = kSepNone;
    std::string TextAfter;
    int64_t Width = 1;  // minimum counter digits
    bool LeadingText = false;
};

// The list texts of the options dialog, indexed by kind.
inline constexpr const char* kPrefixKindTexts[] = {
    "(ohne)",
    "Jahr vierstellig (JJJJ)",
    "Jahr zweistellig (JJ)",
    "Jahr und Monat (JJJJ/MM)",
    "Jahr und Monat (JJ/MM)",
    "Monat und Jahr (MM/JJJJ)",
    "Monat und Jahr (MM/JJ)",
    "Einstelliges Jahr  (J)",
    "Einstellig Jahr und Monat (J/M)",
    "Einstelliges Jahr und Monat (J/MM)",
    "Einstellig Monat und Jahr (M/J)",
    "Monat und einstelliges Jahr (MM/J)",
};
inline constexpr const char* kSeparatorKindTexts[] = {
    "(ohne)", "Leerzeichen ( )", "Bindestrich (-)", "Schrägstrich (/)", "Punkt (.)",
};

// Counter texts are cut to this length, so a hand-edited width cannot grow a number without
// bound.
inline constexpr int64_t kMaxCounterTextLength = 255;

// The decimal text of `value` with zeros in front until it has at least `width` characters;
// never cuts. A minus sign stays in front of the zeros.
std::string PadNumber(int64_t value, int64_t width);

std::string ComposeNumber(const NumberFormat& format, int64_t counter, const LocalTime& date);
// The same at the local time of now.
std::string ComposeNumber(const NumberFormat& format, int64_t counter);

}  // namespace vexo
