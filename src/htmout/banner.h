// The page banner: a comment in the head naming the generator, the program's
// build and path, the time of writing and a contact.
#pragma once

#include "htmout/xml_element.h"

namespace htmout {

Xml_E Banner();

}  // namespace htmout
