// vexo: Vexo's numbering without Office, for scripts and for trying it out.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "counter.h"
#include "error.h"
#include "files.h"
#include "issue_log.h"
#include "module_version.h"
#include "platform.h"
#include "settings.h"

namespace {

constexpr const char* kUsage =
    "Aufruf: vexo [--app-data ORDNER] BEFEHL\n"
    "\n"
    "Befehle:\n"
    "  next        zeigt die nächste Rechnungsnummer, ohne etwas zu ändern\n"
    "  draw [N]    vergibt N Nummern (Vorgabe 1) und gibt jede auf einer Zeile aus\n"
    "  log         zeigt das Logfile als Tabelle\n"
    "\n"
    "Optionen:\n"
    "  --app-data ORDNER  ORDNER statt des Anwendungsdatenordners des Benutzers;\n"
    "                     Vexos Dateien liegen dann in ORDNER/Ostrak/Vexo\n"
    "  --version          zeigt die Version\n"
    "  --help             zeigt diese Hilfe\n";

// The native platform, with messages on stderr and an optional application-data folder.
class ToolPlatform : public vexo::Platform {
public:
    std::string app_data;

    std::string AppDataFolder() override {
        return app_data.empty() ? native_->AppDataFolder() : app_data;
    }
    std::string LogonUserName() override { return native_->LogonUserName(); }
    vexo::LocalTime Now() override { return native_->Now(); }
    void ShowMessage(const std::string& text, vexo::MessageKind) override {
        std::cerr << text << '\n';
    }

private:
    std::unique_ptr<vexo::Platform> native_ = vexo::MakeNativePlatform();
};

size_t Width(const std::string& utf8) {
    size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

void PrintLog() {
    std::vector<std::vector<std::string>> rows = {{"Vexo", "Datum", "Anwendung", "Benutzer"}};
    for (const auto& r : vexo::ReadIssueLog())
        rows.push_back({r.number, r.time, r.application, r.user});
    size_t widths[4] = {};
    for (const auto& row : rows)
        for (size_t i = 0; i < 4; ++i) widths[i] = std::max(widths[i], Width(row[i]));
    for (const auto& row : rows) {
        std::string line;
        for (size_t i = 0; i < 4; ++i) {
            line += row[i];
            if (i < 3) line += std::string(widths[i] - Width(row[i]) + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        std::cout << line << '\n';
    }
}

int Usage() {
    std::cerr << kUsage;
    return 2;
}

// A count for "draw": a whole number from 1 to 1,000,000.
bool ParseCount(const std::string& text, int& count) {
    if (text.empty() || text.size() > 7 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    count = std::stoi(text);
    return count >= 1 && count <= 1000000;
}

int Run(std::vector<std::string> args, ToolPlatform& platform) {
    if (args.size() >= 2 && args[0] == "--app-data") {
        platform.app_data = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty()) return Usage();
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (command == "--version") {
        std::cout << "vexo " << vexo::GetModuleVersionText() << '\n';
        return 0;
    }
    if (command == "next" && args.size() == 1) {
        std::cout << vexo::ReadNextNumber() << '\n';
        return 0;
    }
    if (command == "log" && args.size() == 1) {
        PrintLog();
        return 0;
    }
    if (command == "draw" && args.size() <= 2) {
        int count = 1;
        if (args.size() == 2 && !ParseCount(args[1], count)) return Usage();
        vexo::files::CreateDirectories(vexo::GetDataFolder());
        for (int i = 0; i < count; ++i) std::cout << vexo::DrawNumber("Makro ") << std::endl;
        return 0;
    }
    return Usage();
}

}  // namespace

int main(int argc, char** argv) {
    ToolPlatform platform;
    vexo::SetPlatform(&platform);
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc), platform);
    } catch (const std::exception& e) {
        std::cerr << "vexo: " << e.what() << '\n';
        return 1;
    }
}
