// File names come from the user's disk: on the page they must stay names, not
// markup, and as relative addresses they must not turn into a query, a
// fragment, a scheme or a broken escape.
#pragma once

#include <string>
#include <string_view>

namespace html {

// "&", "<", ">" and '"' as character references; everything else unchanged.
std::string EscapeText(std::string_view text);

// An address for "href" or "src": "%", "#", "?", ":", blanks and control
// characters percent-encoded, then escaped as attribute text. Separators,
// letters, digits, ".", "_", "-" and non-ASCII text pass unchanged.
std::string EscapeAddress(std::string_view address);

}  // namespace html
