#include "options_entries.h"

#include <algorithm>

#include "counter.h"
#include "number_format.h"
#include "settings.h"

namespace vexo::forms {
namespace {

int ListIndex(int32_t value, int count) {
    return value >= 0 && value < count ? value : 0;
}

}  // namespace

OptionsEntries LoadOptionsEntries() {
    using namespace keys;
    Settings s = Settings::Load();
    OptionsEntries e;
    e.counter_text = std::to_string(s.Integer(kCounterSection, kCounter, 1));
    e.text_before = s.QuotedText(kOptions, kTextBefore, "");
    e.prefix_index = ListIndex(s.Integer(kOptions, kPrefix, kPrefixNone), kPrefixItemCount);
    e.sep_index = ListIndex(s.Integer(kOptions, kSep, kSepNone), kSeparatorItemCount);
    e.text_after = s.QuotedText(kOptions, kTextAfter, "");
    e.padding_index = std::clamp(s.Integer(kOptions, kPadding, 2), 0, kPaddingItemCount - 1);
    e.leading_text = s.Boolean(kOptions, kLeadingText, false);
    return e;
}

std::string ComposePreview(const OptionsEntries& entries, const LocalTime& today) {
    int32_t counter = 0;
    if (!ValidateCounterText(entries.counter_text, counter)) counter = 0;
    NumberFormat f;
    f.TextBefore = entries.text_before;
    f.Prefix = entries.prefix_index;
    f.Sep = entries.sep_index;
    f.TextAfter = entries.text_after;
    f.Width = entries.padding_index + 1;
    f.LeadingText = entries.leading_text;
    return ComposeNumber(f, counter, today);
}

bool CheckCounterText(const std::string& text) {
    int32_t ignored = 0;
    return ValidateCounterText(text, ignored);
}

bool SaveOptionsEntries(const OptionsEntries& e) {
    int32_t counter = 0;
    if (!ValidateCounterText(e.counter_text, counter)) return false;
    UpdateSettings([&](Settings& s) {
        using namespace keys;
        s.SetInteger(kCounterSection, kCounter, counter);
        s.SetQuotedText(kOptions, kTextBefore, e.text_before);
        s.SetInteger(kOptions, kPrefix, e.prefix_index);
        s.SetInteger(kOptions, kSep, e.sep_index);
        s.SetQuotedText(kOptions, kTextAfter, e.text_after);
        s.SetInteger(kOptions, kPadding, e.padding_index);
        s.SetBoolean(kOptions, kLeadingText, e.leading_text);
    });
    return true;
}

}  // namespace vexo::forms
