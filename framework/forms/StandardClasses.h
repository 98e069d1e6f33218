// Makes the framework's classes known to stored layouts.
#pragma once

namespace lanvero::framework {

// Registers every creatable framework class; safe to call more than once.
void RegisterStandardClasses();

}  // namespace lanvero::framework
