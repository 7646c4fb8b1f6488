// Options chosen by name, as the command line gives them: the subject area and the age of Latin.
#pragma once

#include <string>

#include "core/view_options.h"

namespace kavro {

// Empty when `value` names an area ("general" or "0", "auto", or one of the area letters), else
// the problem to report.
std::string areaNameProblem(const std::string& value);
// Chooses the named area as the menu does (nothing for an empty name).
void chooseAreaNamed(ViewOptions& options, const std::string& value);
// Chooses the named age ("classical", "medieval", "all") as the menu does.
void chooseAgeNamed(ViewOptions& options, const std::string& value);

}  // namespace kavro
