// The page's style sheet: thin solid image borders, the slide-show rule and
// one width per image class, the widths from the profile.
#pragma once

#include <string>

std::string HT_Make_style();
