// The foot of the page: a rule and the time of writing, right-aligned.
#pragma once

#include "htmout/xml_element.h"

// A fragment: "hr", then a right-aligned div with "%Y/%m/%d %H:%M:%S".
Xml_E HT_Make_footer();
