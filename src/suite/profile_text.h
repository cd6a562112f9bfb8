// The profile text writer: profiles are kept as UTF-16 LE with a byte-order
// mark, so that the INI functions keep Japanese and other text intact (the
// code-page form is only for systems whose code page is 932; this one's is UTF-8).
#pragma once

#include <string>

namespace suite {

// A profile file that exists, is not empty and does not begin with a UTF-16
// mark is rewritten as UTF-16 LE, with three comment lines in front that say
// when. False when it needed rewriting and could not be rewritten: also when
// its text cannot be read whole and for certain (a zero byte, an invalid
// byte, an undecided encoding), which leaves it as it is.
bool RewriteProfileAsUtf16(const std::string& path);

}  // namespace suite
