#pragma once

#include <string>

namespace ombrelk {

// The maker's home page, set when the program is built.
std::string HomePageAddress();

}  // namespace ombrelk
