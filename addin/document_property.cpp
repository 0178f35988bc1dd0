#include "addin_module.h"
#include "error.h"
#include "messages.h"

namespace vexo {

void TAddInModule::WriteDocumentProperty(const std::string& name, const std::string& value) {
    auto properties = host_.ActiveDocumentProperties();
    if (!properties) throw Error(messages::kNoActiveDocument);
    try {
        properties->Add(name, value);
    } catch (const std::exception&) {
        // Add refuses an existing name: replace its value instead.
        properties->SetValue(name, value);
    }
}

std::string TAddInModule::ReadDocumentProperty(const std::string& name) {
    auto properties = host_.ActiveDocumentProperties();
    if (!properties) return kNumberPropertyFallback;
    try {
        return properties->Value(name);
    } catch (const std::exception&) {
        return kNumberPropertyFallback;
    }
}

}  // namespace vexo
