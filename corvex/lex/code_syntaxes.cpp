#include "corvex/lex/code_syntax.h"

#include "corvex/lex/keyword_tables.h"

#include <cstring>

namespace corvex::lex {

void CodeSyntax::finish() {
    static const char kOperators[] = "+-*/%=<>!&|^~?:;,.()[]{}\\@#$";
    for (int c = 1; c < 256; ++c) {
        std::uint8_t cls = 0;
        bool extra = std::strchr(extraWordBytes, c) != nullptr;
        bool alpha = (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
        bool digit = c >= '0' && c <= '9';
        if (alpha || c == '_' || c >= 0x80 || extra) cls |= kWordStart;
        if (alpha || digit || c == '_' || c >= 0x80 || extra) cls |= kWordPart;
        if (std::strchr(kOperators, c)) cls |= kOperatorByte;
        if (std::strchr(quotes, c)) cls |= kQuoteByte;
        if (std::strchr(numberPrefixes, c)) cls |= kNumberPrefix;
        classes[c] = cls;
    }
    for (const char* opener : {lineComments[0], lineComments[1], blockComments[0].open,
                               blockComments[1].open, directive.open})
        if (opener && *opener) classes[static_cast<unsigned char>(*opener)] |= kOpensComment;
}

} // namespace corvex::lex

namespace corvex::lex::syntax {
namespace {

CodeSyntax finished(CodeSyntax syntax) {
    syntax.finish();
    return syntax;
}

CodeSyntax cStyle(const char* const* words, bool ignoreCase) {
    CodeSyntax s{KeywordSet(words, ignoreCase)};
    s.lineComments[0] = "//";
    s.blockComments[0] = {"/*", "*/"};
    s.quotes = "\"'";
    s.backslashEscapes = true;
    return s;
}

CodeSyntax basicStyle(const char* const* words) {
    CodeSyntax s{KeywordSet(words, true)};
    s.lineComments[0] = "'";
    s.doubledQuotes = true;
    s.remComments = true;
    s.hashDirectives = true;
    s.numberPrefixes = "&";
    return s;
}

} // namespace

const CodeSyntax& cpp() {
    static const CodeSyntax s = finished([] {
        CodeSyntax c = cStyle(keywords::kCpp, false);
        c.lineContinuation = true;
        c.hashDirectives = true;
        c.rawStrings = true;
        return c;
    }());
    return s;
}

const CodeSyntax& java() {
    static const CodeSyntax s = finished([] {
        CodeSyntax c = cStyle(keywords::kJava, false);
        c.annotations = true;
        c.extraWordBytes = "$";
        return c;
    }());
    return s;
}

const CodeSyntax& javaScript() {
    static const CodeSyntax s = finished([] {
        CodeSyntax c = cStyle(keywords::kJavaScript, false);
        c.quotes = "\"'`";
        c.multilineQuotes = "`"; // template literals
        c.extraWordBytes = "$";
        return c;
    }());
    return s;
}

const CodeSyntax& php() {
    static const CodeSyntax s = finished([] {
        CodeSyntax c = cStyle(keywords::kPhp, true);
        c.lineComments[1] = "#";
        c.quotes = "\"'`";
        c.multilineQuotes = c.quotes;
        c.extraWordBytes = "$";
        return c;
    }());
    return s;
}

const CodeSyntax& css() {
    static const CodeSyntax s = finished([] {
        CodeSyntax c{KeywordSet(keywords::kNone, false)};
        c.blockComments[0] = {"/*", "*/"};
        c.quotes = "\"'";
        c.backslashEscapes = true;
        c.extraWordBytes = "-";
        return c;
    }());
    return s;
}

const CodeSyntax& cfScript() {
    static const CodeSyntax s = finished(cStyle(keywords::kCfScript, true));
    return s;
}

const CodeSyntax& basic() {
    static const CodeSyntax s = finished(basicStyle(keywords::kBasic));
    return s;
}

const CodeSyntax& vbScript() {
    static const CodeSyntax s = finished(basicStyle(keywords::kVbScript));
    return s;
}

const CodeSyntax& pascal() {
    static const CodeSyntax s = finished([] {
        CodeSyntax c{KeywordSet(keywords::kPascal, true)};
        c.lineComments[0] = "//";
        c.blockComments[0] = {"{", "}"};
        c.blockComments[1] = {"(*", "*)"};
        c.directive = {"{$", "}"};
        c.quotes = "'";
        c.doubledQuotes = true;
        c.numberPrefixes = "$#";
        return c;
    }());
    return s;
}

const CodeSyntax& sql() {
    static const CodeSyntax s = finished([] {
        CodeSyntax c{KeywordSet(keywords::kSql, true)};
        c.lineComments[0] = "--";
        c.blockComments[0] = {"/*", "*/"};
        c.quotes = "'\"";
        c.doubledQuotes = true;
        c.multilineQuotes = c.quotes;
        c.extraWordBytes = "@#$";
        return c;
    }());
    return s;
}

} // namespace corvex::lex::syntax
