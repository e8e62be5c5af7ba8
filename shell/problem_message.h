#pragma once

#include <string>

namespace ombrelk {

struct Services;

// A problem the user must hear of (a second start, settings not saved, a list
// of days off refused), in the one form every such message takes: a message
// box titled "Ombrelk" with the exclamation icon.
void ShowProblem(const Services& sys, const std::string& text);

}  // namespace ombrelk
