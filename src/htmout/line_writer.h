// The lines of an element tree as written to a page, each ended by CR LF.
// Both forms write the pieces straight into their target, so that writing a
// tree takes time linear in its size and copies nothing of the tree.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "htmout/xml_element.h"

namespace htmout {

// Appends the lines of the element written at that depth to out; lineEnds
// receives the offset in out where each line ends (where its CR LF starts).
// Lines nested in a comment are part of the comment's line.
void AppendLines(const Xml_E& element, int depth, std::string& out, std::vector<size_t>& lineEnds);

// Writes the lines to the file through a buffer of its own; false when
// writing fails.
bool WriteLines(const Xml_E& element, int depth, FILE* file);

}  // namespace htmout
