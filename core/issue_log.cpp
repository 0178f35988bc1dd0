#include "issue_log.h"

#include <cstdio>

#include "data_lock.h"
#include "error.h"
#include "files.h"
#include "settings.h"
#include "text.h"

namespace vexo {

std::string LogPath() {
    return GetDataFolder() + "vexolog.csv";
}

std::string FormatLogTime(const LocalTime& t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return buf;
}

std::string FormatLogLine(const std::string& number, const LocalTime& time,
                          const std::string& application, const std::string& user) {
    return Quote(number) + "; " + FormatLogTime(time) + "; " + Quote(application) + "; " +
           Quote(user) + "; ";
}

std::string GetLogonUserName() {
    return CurrentPlatform().LogonUserName();
}

void AppendIssueLog(const std::string& number, const std::string& application,
                    const LocalTime& time) {
    std::string line = FormatLogLine(number, time, application, GetLogonUserName()) + "\r\n";
    std::string path = LogPath();
    DataLock lock;
    if (!files::Append(path, std::string(kLogHeader) + "\r\n", ToAnsi(line)))
        throw Error("In das Logfile " + path + " kann nicht geschrieben werden");
}

LogRecord ParseLogLine(std::string_view line) {
    std::string fields[4];
    size_t i = 0;
    for (int f = 0; f < 4 && i < line.size(); ++f) {
        while (i < line.size() && line[i] == ' ') ++i;
        std::string& out = fields[f];
        if (i < line.size() && line[i] == '"') {
            for (++i; i < line.size(); ++i) {
                if (line[i] != '"') {
                    out += line[i];
                } else if (i + 1 < line.size() && line[i + 1] == '"') {
                    out += '"';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
            size_t semi = line.find(';', i);
            i = semi == std::string_view::npos ? line.size() : semi + 1;
        } else {
            size_t semi = line.find(';', i);
            size_t end = semi == std::string_view::npos ? line.size() : semi;
            out.assign(line.substr(i, end - i));
            while (!out.empty() && out.back() == ' ') out.pop_back();
            i = semi == std::string_view::npos ? line.size() : semi + 1;
        }
    }
    return {fields[0], fields[1], fields[2], fields[3]};
}

std::vector<LogRecord> ParseLog(std::string_view text) {
    std::vector<LogRecord> records;
    size_t start = 0;
    bool header = true;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!header && !line.empty()) records.push_back(ParseLogLine(line));
        // The header is the first line only when it is one; a log created empty has none.
        if (header && line.rfind("VEXO:", 0) != 0 && !line.empty())
            records.push_back(ParseLogLine(line));
        header = false;
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return records;
}

std::vector<LogRecord> ReadIssueLog() {
    auto bytes = files::ReadAll(LogPath());
    return bytes ? ParseLog(FromAnsi(*bytes)) : std::vector<LogRecord>{};
}

}  // namespace vexo
