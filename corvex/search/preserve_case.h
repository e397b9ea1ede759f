// "Preserve case" replacing: the replacement takes the case shape of the text it
// replaces (all upper, all lower or capitalised); other shapes keep it as typed.
#pragma once

#include <string>
#include <string_view>

namespace corvex::search {

enum class CaseShape { Lower, Upper, Capitalised, Other };

// Shape of the ASCII letters of `text`: a single capital letter counts as capitalised,
// text without letters as Other.
CaseShape caseShapeOf(std::string_view text);

std::string withCaseShape(std::string_view text, CaseShape shape);

// The text that replaces `matched`.
std::string replacementFor(std::string_view matched, std::string_view replacement, bool preserveCase);

} // namespace corvex::search
