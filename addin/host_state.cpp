#include "host_state.h"

namespace vexo {

TadxOfficeHostApp HostKind = ohaExcel;
std::string HostVersion;

std::string HostAppName(TadxOfficeHostApp kind) {
    switch (kind) {
        case ohaWord: return "Word ";
        case ohaExcel: return "Excel ";
        case ohaInfoPath: return "InfoPath ";
        default: return "Makro ";
    }
}

}  // namespace vexo
