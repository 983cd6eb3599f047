#pragma once
// The customer's requirement as the order files and the back office take
// it: one line of comma-separated words.

#include <string>

namespace orelle {

// Every ";" and every blank of the typed text becomes ",".
std::string RequirementFromTyped(const std::string& typed);

}  // namespace orelle
