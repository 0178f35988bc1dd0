#include "counter.h"

#include <limits>

#include "data_lock.h"
#include "error.h"
#include "issue_log.h"
#include "platform.h"

namespace vexo {
namespace {

constexpr int32_t kLastCounter = std::numeric_limits<int32_t>::max();

[[noreturn]] void RefuseExhaustedCounter() {
    throw Error(
        "Der Zähler hat seinen Höchstwert 2147483647 erreicht; es kann keine weitere Nummer "
        "vergeben werden. Setzen Sie in den Einstellungen einen neuen Zählerstand.");
}

}  // namespace

NumberFormat ReadNumberFormat(const Settings& s) {
    using namespace keys;
    NumberFormat f;
    f.Sep = s.Integer(kOptions, kSep, kSepNone);
    f.Width = int64_t{s.Integer(kOptions, kPadding, 3)} + 1;
    f.LeadingText = s.Boolean(kOptions, kLeadingText, false);
    f.Prefix = s.Integer(kOptions, kPrefix, kPrefixNone);
    f.TextAfter = s.QuotedText(kOptions, kTextAfter, "");
    f.TextBefore = s.QuotedText(kOptions, kTextBefore, "");
    return f;
}

int32_t ReadCounterValue(const Settings& s) {
    return s.Integer(keys::kCounterSection, keys::kCounter, 1);
}

std::string ReadNextNumber() {
    Settings s = Settings::Load();
    return ComposeNumber(ReadNumberFormat(s), ReadCounterValue(s));
}

std::string ReadNumberToIssue() {
    Settings s = Settings::Load();
    int32_t counter = ReadCounterValue(s);
    if (counter == kLastCounter) RefuseExhaustedCounter();
    return ComposeNumber(ReadNumberFormat(s), counter);
}

void CommitCounter() {
    UpdateSettings([](Settings& s) {
        int32_t c = ReadCounterValue(s);
        if (c == kLastCounter) RefuseExhaustedCounter();
        s.SetInteger(keys::kCounterSection, keys::kCounter, int64_t{c} + 1);
    });
}

bool ValidateCounterText(const std::string& text, int32_t& value) {
    int64_t v = 0;
    bool valid = !text.empty() && text.size() <= 8;
    for (char c : text) {
        valid = valid && c >= '0' && c <= '9';
        if (valid) v = v * 10 + (c - '0');
    }
    if (valid && v >= 1 && v <= kMaxEnteredCounter) {
        value = static_cast<int32_t>(v);
        return true;
    }
    CurrentPlatform().ShowMessage(text + " ist keine gültige Ganzzahl. Geben Sie im Feld \r\n" +
                                      "\"Nächster Zähler\" eine Zahl von 1 bis 99.999.999 ein.",
                                  MessageKind::Error);
    return false;
}

std::string DrawNumber(const std::string& application) {
    DataLock lock;
    std::string number = ReadNumberToIssue();
    CommitCounter();
    AppendIssueLog(number, application, CurrentPlatform().Now());
    return number;
}

}  // namespace vexo
