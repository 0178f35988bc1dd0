#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform.h"

namespace vexo {

inline constexpr std::string_view kLogHeader = "VEXO:$255;DATUM:@;ANWENDUNG:$255;BENUTZER:$255";

std::string LogPath();  // data folder + "vexolog.csv"

// "yyyy-mm-dd hh:nn:ss"
std::string FormatLogTime(const LocalTime& t);

// One data line without its CR LF: the four fields, each followed by "; ".
std::string FormatLogLine(const std::string& number, const LocalTime& time,
                          const std::string& application, const std::string& user);

// Appends the line for one issued number with one write under the data lock; creates the log
// with its header first. Throws vexo::Error when the log cannot be written.
void AppendIssueLog(const std::string& number, const std::string& application,
                    const LocalTime& time);

std::string GetLogonUserName();

struct LogRecord {
    std::string number;
    std::string time;  // as written, "yyyy-mm-dd hh:nn:ss"
    std::string application;
    std::string user;
};

// Fields of one data line (UTF-8). Tolerant: missing fields stay empty, an unterminated quote
// runs to the end of the line.
LogRecord ParseLogLine(std::string_view line);

// The data lines of a whole log file's text (ANSI already decoded), header skipped.
std::vector<LogRecord> ParseLog(std::string_view text);

// The log as it is now; empty when there is none. Never writes.
std::vector<LogRecord> ReadIssueLog();

}  // namespace vexo
