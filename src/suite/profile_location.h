// Where the family's profiles live and under which registry key the family
// keeps its values.
#pragma once

#include <string>

namespace suite {

// The name of the program's default profile: the family profile.
constexpr const char* kDefaultProfileName = "z_Suite";

// "Software\<base>\z_Suite"; the base is "z_Suite" unless the unnamed value of
// "Software\z_Suite" holds another. Determined once per run.
std::string GetFamilyKey();

// The shared profile folder (no trailing '/'): the registry value "IniFullBase"
// when set, else <common documents>/z_Suite_Setting when it exists, else
// <common documents>/Temp/z_Suite_Setting.
std::string GetProfileFolder();

// Start-up: makes the default profile folder when it is missing and leaves the base
// and the folder as hints for a person who looks into the registry
// ("RegKey_Base は", "IniFullBase は"), each written only when it changed.
void PrepareProfileFolder();

// Full path of a profile: a bare name goes into the profile folder, and ".ini"
// is added unless the name already ends so (in any case). Empty = the default.
std::string ResolveProfilePath(const std::string& name);

}  // namespace suite
