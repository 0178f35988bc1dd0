#include "test_platform.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "files.h"
#include "settings.h"

namespace fs = std::filesystem;

namespace vexo::testing {
namespace {

fs::path U8(const std::string& utf8) {
    return fs::u8path(utf8);
}

std::string UniqueName() {
    static std::atomic<int> serial{0};
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return "vexo-test-" + std::to_string(ticks) + "-" + std::to_string(serial++);
}

}  // namespace

TempFolder::TempFolder() {
    fs::path p = fs::temp_directory_path() / UniqueName();
    fs::create_directories(p);
    path_ = p.u8string();
}

TempFolder::~TempFolder() {
    std::error_code ec;
    for (auto& e : fs::recursive_directory_iterator(U8(path_), ec))
        fs::permissions(e.path(), fs::perms::owner_write, fs::perm_options::add, ec);
    fs::remove_all(U8(path_), ec);
}

TestPlatform::TestPlatform() {
    static TempFolder* root = new TempFolder;  // one per test program, left for the OS
    app_data = (U8(root->path()) / UniqueName()).u8string();
    // As the add-in's start-up does.
    fs::create_directories(U8(ComposeDataFolder(app_data)));
    SetPlatform(this);
}

TestPlatform::~TestPlatform() {
    SetPlatform(nullptr);
    std::error_code ec;
    for (auto& e : fs::recursive_directory_iterator(U8(app_data), ec))
        fs::permissions(e.path(), fs::perms::owner_write, fs::perm_options::add, ec);
    fs::remove_all(U8(app_data), ec);
}

std::string TestPlatform::DataFolder() const {
    std::string folder = ComposeDataFolder(app_data);
    files::CreateDirectories(folder);
    return folder;
}

void TestPlatform::WriteDataFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(U8(DataFolder() + name), std::ios::binary) << bytes;
}

std::string TestPlatform::ReadDataFile(const std::string& name) const {
    std::ifstream in(U8(DataFolder() + name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool TestPlatform::DataFileExists(const std::string& name) const {
    return fs::exists(U8(DataFolder() + name));
}

void TestPlatform::SetReadOnly(const std::string& name, bool read_only) const {
    fs::permissions(U8(DataFolder() + name),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    read_only ? fs::perm_options::remove : fs::perm_options::add);
}

}  // namespace vexo::testing
