#pragma once

#include <string>
#include <vector>

#include "platform.h"

namespace vexo::testing {

// Installs itself as the platform for one test: a fresh application-data folder of its own
// (with the data folder in it),
// the user "buchhaltung", a clock fixed at 5 March 2008 14:07:09 and recorded messages.
class TestPlatform : public Platform {
public:
    TestPlatform();
    ~TestPlatform() override;

    std::string app_data;
    std::string user = "buchhaltung";
    LocalTime now{2008, 3, 5, 14, 7, 9};
    std::vector<std::string> messages;

    std::string AppDataFolder() override { return app_data; }
    std::string LogonUserName() override { return user; }
    LocalTime Now() override { return now; }
    void ShowMessage(const std::string& text, MessageKind) override { messages.push_back(text); }

    // Files of the data folder (created on first use), by name, as bytes on disk.
    std::string DataFolder() const;
    void WriteDataFile(const std::string& name, const std::string& bytes) const;
    std::string ReadDataFile(const std::string& name) const;  // "" when missing
    bool DataFileExists(const std::string& name) const;
    void SetReadOnly(const std::string& name, bool read_only) const;
};

// A unique empty folder under the system's temporary folder, removed with its content.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace vexo::testing
