#pragma once

#include <cstdint>
#include <string>

namespace vexo {

// The Office applications that can load Vexo; Vexo supports Excel, Word and InfoPath.
enum TadxOfficeHostApp : uint8_t {
    ohaExcel = 0,
    ohaWord = 1,
    ohaOutlook = 2,
    ohaPowerPoint = 3,
    ohaAccess = 4,
    ohaProject = 5,
    ohaFrontPage = 6,
    ohaMapPoint = 7,
    ohaVisio = 8,
    ohaPublisher = 9,
    ohaInfoPath = 10,
};

// The host of this process, recorded by the add-in module's start-up and read by every
// automation object in the process: Excel and no version until a module has started.
extern TadxOfficeHostApp HostKind;
extern std::string HostVersion;

// The label that starts the issue log's application text: "Excel ", "Word ", "InfoPath ",
// and "Makro " for any other kind.
std::string HostAppName(TadxOfficeHostApp kind);

}  // namespace vexo
