#pragma once

// Putting the BODY page's tag into the user's own page: every BODY start tag outside comments is
// replaced, and a base tag may follow every HEAD start tag. Everything else in the page stays
// byte for byte as it was.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tintora {

// From pos (just behind a tag's name) to the ">" that ends the tag: its position, or nothing when
// the text ends first. A comment opener "<!--" met on the way is skipped up to the end of the
// next "-->" (searched from the "<", so "<!-->" is a whole comment); an unclosed comment ends the
// search. Quotes are not special: a ">" inside an attribute value ends the tag.
std::optional<std::size_t> SkipToTagEnd(std::string_view text, std::size_t pos);

// Replaces every "<body..." start tag outside comments (the first five characters compared
// without regard to case, so "<bodyx" counts too) by bodyTag. When baseTag is not empty, CR LF
// and baseTag are inserted behind every "<head..." start tag outside comments. A tag that never
// closes ends the scan; what was done before it stays. Returns whether a BODY tag was replaced.
bool MergeBodyTag(std::string& text, std::string_view bodyTag, std::string_view baseTag);

} // namespace tintora
