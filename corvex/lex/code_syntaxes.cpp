#include "corvex/lex/code_syntax.h"

#include "corvex/lex/keyword_tables.h"

namespace corvex::lex::syntax {
namespace {

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
    static const CodeSyntax s = [] {
        CodeSyntax c = cStyle(keywords::kCpp, false);
        c.lineContinuation = true;
        c.hashDirectives = true;
        c.rawStrings = true;
        return c;
    }();
    return s;
}

const CodeSyntax& java() {
    static const CodeSyntax s = [] {
        CodeSyntax c = cStyle(keywords::kJava, false);
        c.annotations = true;
        c.extraWordBytes = "$";
        return c;
    }();
    return s;
}

const CodeSyntax& javaScript() {
    static const CodeSyntax s = [] {
        CodeSyntax c = cStyle(keywords::kJavaScript, false);
        c.quotes = "\"'`";
        c.multilineQuotes = "`"; // template literals
        c.extraWordBytes = "$";
        return c;
    }();
    return s;
}

const CodeSyntax& php() {
    static const CodeSyntax s = [] {
        CodeSyntax c = cStyle(keywords::kPhp, true);
        c.lineComments[1] = "#";
        c.quotes = "\"'`";
        c.multilineQuotes = c.quotes;
        c.extraWordBytes = "$";
        return c;
    }();
    return s;
}

const CodeSyntax& css() {
    static const CodeSyntax s = [] {
        CodeSyntax c{KeywordSet(keywords::kNone, false)};
        c.blockComments[0] = {"/*", "*/"};
        c.quotes = "\"'";
        c.backslashEscapes = true;
        c.extraWordBytes = "-";
        return c;
    }();
    return s;
}

const CodeSyntax& cfScript() {
    static const CodeSyntax s = cStyle(keywords::kCfScript, true);
    return s;
}

const CodeSyntax& basic() {
    static const CodeSyntax s = basicStyle(keywords::kBasic);
    return s;
}

const CodeSyntax& vbScript() {
    static const CodeSyntax s = basicStyle(keywords::kVbScript);
    return s;
}

const CodeSyntax& pascal() {
    static const CodeSyntax s = [] {
        CodeSyntax c{KeywordSet(keywords::kPascal, true)};
        c.lineComments[0] = "//";
        c.blockComments[0] = {"{", "}"};
        c.blockComments[1] = {"(*", "*)"};
        c.directive = {"{$", "}"};
        c.quotes = "'";
        c.doubledQuotes = true;
        c.numberPrefixes = "$#";
        return c;
    }();
    return s;
}

const CodeSyntax& sql() {
    static const CodeSyntax s = [] {
        CodeSyntax c{KeywordSet(keywords::kSql, true)};
        c.lineComments[0] = "--";
        c.blockComments[0] = {"/*", "*/"};
        c.quotes = "'\"";
        c.doubledQuotes = true;
        c.multilineQuotes = c.quotes;
        c.extraWordBytes = "@#$";
        return c;
    }();
    return s;
}

} // namespace corvex::lex::syntax
