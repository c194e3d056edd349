#pragma once

#include <string>
#include <vector>

namespace geoweave::detail {

// The option a mistyped one was probably meant to be, for a "did you mean"
// hint: given (an argument the parser did not know, such as "--widht" or
// "--wid=64"; the text from '=' on is ignored) against names (the long
// options, "--width"). The one name that given is the start of, when given
// is more than "--" and starts only one; else the names within an edit
// distance of 2 (insertions, deletions, substitutions), the closest only,
// joined with " or " in the order of names. Empty when there is none.
std::string suggestedOption(const std::string& given, const std::vector<std::string>& names);

}  // namespace geoweave::detail
