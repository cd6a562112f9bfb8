// The lines of an element tree as written to a page, each ended by CR LF.
#pragma once

#include <vector>

#include "htmout/xml_element.h"
#include "platform/file_services.h"

namespace htmout {

// Appends the lines of the element written at that depth to out, growing it
// once to the exact size. When lineEnds is given, it receives the offset in
// out where each line ends (where its CR LF starts); lines nested in a
// comment are part of the comment's line.
void AppendLines(const Xml_E& element, int depth, Bytes& out, std::vector<size_t>* lineEnds = nullptr);

}  // namespace htmout
