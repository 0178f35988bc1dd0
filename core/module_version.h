#pragma once

#include <string>

namespace vexo {

// The full path of the file that holds the running code: the DLL inside a host, else the
// program.
std::string GetModuleFileNameText();

// That file's version, e.g. "2.2.0.0": on Windows read from its version resource anew on each
// call ("0.0.0.0" without one); elsewhere the version the build was made with.
std::string GetModuleVersionText();

}  // namespace vexo
