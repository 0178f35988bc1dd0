#pragma once

#include <cstdint>
#include <string>

#include "number_format.h"
#include "settings.h"

namespace vexo {

// The number format as stored (defaults: no texts, no date part, 4 digits, counter last).
NumberFormat ReadNumberFormat(const Settings& settings);
// The counter of the next number (default 1).
int32_t ReadCounterValue(const Settings& settings);

// The number that the next issue will carry. Changes nothing.
std::string ReadNextNumber();

// The next number for an issue that is about to place it: as ReadNextNumber, but refused
// (vexo::Error) when the counter cannot advance past it. Call under a DataLock.
std::string ReadNumberToIssue();

// Advances the stored counter by one, re-reading it first. Refuses at the largest counter.
void CommitCounter();

// Counter text typed by the user: true and the value for a whole number from 1 to
// 99,999,999; false after an error message otherwise, `value` unchanged.
bool ValidateCounterText(const std::string& text, int32_t& value);

inline constexpr int32_t kMaxEnteredCounter = 99999999;

// One whole issue without a document, as macros draw numbers: under the data lock, compose,
// commit and log with `application`. Returns the number issued.
std::string DrawNumber(const std::string& application);

}  // namespace vexo
