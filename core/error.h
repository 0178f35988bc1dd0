#pragma once

#include <stdexcept>
#include <string>

namespace vexo {

// A failure with a German message for the user (UTF-8). Commands let it pass to the
// boundary that reports it: the add-in's error box, a COM error object, the tool's stderr.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The settings file could not be written; the message names its path.
class SettingsWriteError : public Error {
public:
    explicit SettingsWriteError(const std::string& path);
};

}  // namespace vexo
