#include "corvex/search/preserve_case.h"

#include "corvex/lex/char_class.h"

namespace corvex::search {

using lex::asciiLower;
using lex::asciiUpper;
using lex::isAsciiAlpha;

CaseShape caseShapeOf(std::string_view text) {
    std::size_t letters = 0, upper = 0;
    bool firstUpper = false;
    for (char c : text) {
        if (!isAsciiAlpha(static_cast<unsigned char>(c))) continue;
        bool isUpper = c == asciiUpper(c);
        if (letters == 0) firstUpper = isUpper;
        ++letters;
        upper += isUpper;
    }
    if (letters == 0) return CaseShape::Other;
    if (upper == 0) return CaseShape::Lower;
    if (firstUpper && upper == 1) return CaseShape::Capitalised;
    if (upper == letters) return CaseShape::Upper;
    return CaseShape::Other;
}

std::string withCaseShape(std::string_view text, CaseShape shape) {
    std::string result(text);
    bool first = true;
    for (char& c : result) {
        if (!isAsciiAlpha(static_cast<unsigned char>(c))) continue;
        switch (shape) {
        case CaseShape::Lower: c = asciiLower(c); break;
        case CaseShape::Upper: c = asciiUpper(c); break;
        case CaseShape::Capitalised: c = first ? asciiUpper(c) : asciiLower(c); break;
        case CaseShape::Other: break;
        }
        first = false;
    }
    return result;
}

std::string replacementFor(std::string_view matched, std::string_view replacement, bool preserveCase) {
    return preserveCase ? withCaseShape(replacement, caseShapeOf(matched)) : std::string(replacement);
}

} // namespace corvex::search
