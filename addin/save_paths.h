#pragma once

#include <string>

namespace vexo {

// The file name of a form saved under `number`: the number with every character that Windows
// forbids in file names (\ / : * ? " < > | and control characters) made '_', then ".xml". A
// number can thus never name a file outside the chosen folder.
std::string FormFileName(const std::string& number);

// The folder part of a form's location: up to and including its last '\' or ':' (or the
// platform's own separator); empty when there is none.
std::string LocationFolder(const std::string& location);

// `folder` and `name` joined with one separator.
std::string JoinPath(const std::string& folder, const std::string& name);

// The overwrite question for an existing file at `path`.
std::string OverwriteQuestion(const std::string& path);

}  // namespace vexo
