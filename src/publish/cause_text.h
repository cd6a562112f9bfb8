// A failure's cause in words for a person, in either language of the front ends.
#pragma once

#include <string>

#include "publish/failure_cause.h"

namespace publish {

enum class Language { English, Japanese };

// The short cause of a failure for a person: "the server answered 500".
std::string CauseText(const FailureCause& cause, Language language);

}  // namespace publish
