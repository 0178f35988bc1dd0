#include "../platform.h"

namespace vexo {
namespace {

Platform* installed = nullptr;

}  // namespace

Platform& CurrentPlatform() {
    if (installed) return *installed;
    static std::unique_ptr<Platform> native = MakeNativePlatform();
    return *native;
}

void SetPlatform(Platform* platform) {
    installed = platform;
}

}  // namespace vexo
