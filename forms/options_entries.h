#pragma once

#include <cstdint>
#include <string>

#include "platform.h"

namespace vexo::forms {

// What the options dialog's controls hold. Texts are UTF-8 as the file stores them
// (already reduced to the ANSI code page by the window layer).
struct OptionsEntries {
    std::string text_before;
    int prefix_index = 0;  // PrefixKind
    int sep_index = 0;     // SeparatorKind
    std::string text_after;
    std::string counter_text = "1";
    int padding_index = 2;  // stored Padding; the item text, index + 1, is the digit count
    bool leading_text = false;
};

inline constexpr int kPrefixItemCount = 12;
inline constexpr int kSeparatorItemCount = 5;
inline constexpr int kPaddingItemCount = 8;
inline constexpr size_t kCounterMaxLength = 8;

// The settings file as the dialog shows it. List values a hand-edited file puts outside the
// lists are brought into them: a date part or separator the core does not know is shown as
// "(ohne)", which is what the core composes for it; a padding below or above the list is shown
// as its first or last item.
OptionsEntries LoadOptionsEntries();

// The preview for `entries` on `today`. An invalid counter text is reported (the counter
// message) and the preview then uses counter 0.
std::string ComposePreview(const OptionsEntries& entries, const LocalTime& today);

// The counter check when leaving the field: false after the counter message.
bool CheckCounterText(const std::string& text);

// OK: checks the counter (false after its message, nothing written) and writes all seven keys
// in one update of the settings file. A failed write throws SettingsWriteError.
bool SaveOptionsEntries(const OptionsEntries& entries);

}  // namespace vexo::forms
