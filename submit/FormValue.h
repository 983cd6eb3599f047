#pragma once
// A value of the form bodies the order web server reads ("key=value"
// pairs joined by "&"). Values are percent-encoded where they would otherwise
// change the form ("&", "=", "%", "+" and control characters), so that a
// member code with "&" cannot add a field; everything else goes as it is,
// and the server decodes the value back to what was typed.

#include <string>
#include <string_view>

namespace orelle {

std::string FormValue(std::string_view value);

}  // namespace orelle
