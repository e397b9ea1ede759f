// The programming-language lexers on small samples: keywords, comments, strings,
// numbers, directives, and states carried over line ends.
#include "tests/corvex-scan/lex_test_support.h"

namespace corvex::test {
namespace {

TEST(CppLexer, ColoursTheKindsOfALine) {
    LexedLine l = lexOne("C/C++", "int x = 0x1F + 2.5e-3; // done");
    EXPECT_EQ(l.kindOf("int"), TokenKind::Keyword);
    EXPECT_EQ(l.kindOf("x "), TokenKind::Text);
    EXPECT_EQ(l.kindOf("="), TokenKind::Operator);
    EXPECT_EQ(l.kindOf("0x1F"), TokenKind::Number);
    EXPECT_EQ(l.kindOf("2.5e-3"), TokenKind::Number);
    EXPECT_EQ(l.kindOf("// done"), TokenKind::Comment);
    EXPECT_EQ(l.end, lex::kInitialState);
}

TEST(CppLexer, KeywordsAreCaseSensitiveAndWhole) {
    LexedLine l = lexOne("C/C++", "Int integer int_ while");
    EXPECT_EQ(l.kindOf("Int"), TokenKind::Text);
    EXPECT_EQ(l.kindOf("integer"), TokenKind::Text);
    EXPECT_EQ(l.kindOf("int_"), TokenKind::Text);
    EXPECT_EQ(l.kindOf("while"), TokenKind::Keyword);
}

TEST(CppLexer, StringsHonourEscapesAndDoNotSpanLines) {
    auto lines = lexLines("C/C++", {R"(s = "a \" /* b"; c = '\'';)", R"(t = "open)", "int y;"});
    EXPECT_EQ(lines[0].kindOf(R"("a \" /* b")"), TokenKind::String);
    EXPECT_EQ(lines[0].kindOf(R"('\'')"), TokenKind::String);
    EXPECT_EQ(lines[0].end, lex::kInitialState);
    EXPECT_EQ(lines[1].kindOf("\"open"), TokenKind::String);
    EXPECT_EQ(lines[2].kindOf("int"), TokenKind::Keyword); // the unclosed string ended with its line
}

TEST(CppLexer, BlockCommentsRunOverLines) {
    auto lines = lexLines("C/C++", {"a /* one", "two \"not a string", "three */ int b;"});
    EXPECT_EQ(lines[0].kindOf("/* one"), TokenKind::Comment);
    EXPECT_NE(lines[0].end, lex::kInitialState);
    EXPECT_EQ(lines[1].kindOf("two \"not a string"), TokenKind::Comment);
    EXPECT_EQ(lines[2].kindOf("three */"), TokenKind::Comment);
    EXPECT_EQ(lines[2].kindOf("int"), TokenKind::Keyword);
    EXPECT_EQ(lines[2].end, lex::kInitialState);
}

TEST(CppLexer, PreprocessorLinesAndBackslashContinuations) {
    auto lines = lexLines("C/C++", {"  #define MAX(a) \\", "    ((a) + 1) // note", "int z;",
                                    "x = \"long \\", "string\"; int w;", "// c \\", "still comment"});
    EXPECT_EQ(lines[0].kindOf("#define MAX(a)"), TokenKind::Preprocessor);
    EXPECT_EQ(lines[1].kindOf("((a) + 1)"), TokenKind::Preprocessor);
    EXPECT_EQ(lines[1].kindOf("// note"), TokenKind::Comment);
    EXPECT_EQ(lines[2].kindOf("int"), TokenKind::Keyword);
    EXPECT_EQ(lines[4].kindOf("string\""), TokenKind::String);
    EXPECT_EQ(lines[4].kindOf("int"), TokenKind::Keyword);
    EXPECT_EQ(lines[6].kindOf("still comment"), TokenKind::Comment);
}

TEST(CppLexer, RawStringsRunUntilTheirDelimiter) {
    auto lines = lexLines("C/C++", {"auto a = R\"x(one \" // )\" not yet", "two)y\" )x\"; int b;",
                                    "auto c = u8R\"(q)\"; int R = 1; R\"bad delimiter(\";"});
    EXPECT_EQ(lines[0].kindOf("R\"x(one \" // )\" not yet"), TokenKind::String);
    EXPECT_NE(lines[0].end, lex::kInitialState);
    EXPECT_EQ(lines[1].kindOf("two)y\" )x\""), TokenKind::String);
    EXPECT_EQ(lines[1].kindOf("int"), TokenKind::Keyword);
    EXPECT_EQ(lines[2].kindOf("u8R\"(q)\""), TokenKind::String);
    EXPECT_EQ(lines[2].kindOf("R "), TokenKind::Text);
    EXPECT_EQ(lines[2].end, lex::kInitialState); // no raw string: a space cannot be in a delimiter
}

TEST(CppLexer, HashInsideALineIsNoDirective) {
    LexedLine l = lexOne("C/C++", "x = y # z;");
    EXPECT_EQ(l.kindOf("y"), TokenKind::Text);
    EXPECT_EQ(l.kindOf("#"), TokenKind::Operator);
}

TEST(JavaLexer, AnnotationsAndKeywords) {
    LexedLine l = lexOne("Java", "@Override public String toString() { return null; }");
    EXPECT_EQ(l.kindOf("@Override"), TokenKind::Preprocessor);
    EXPECT_EQ(l.kindOf("public"), TokenKind::Keyword);
    EXPECT_EQ(l.kindOf("String"), TokenKind::Text);
    EXPECT_EQ(l.kindOf("null"), TokenKind::Keyword);
    EXPECT_EQ(lexOne("Java", "#define").kindOf("define"), TokenKind::Text);
}

TEST(BasicLexer, CommentsStringsAndCaseInsensitiveKeywords) {
    LexedLine l = lexOne("Basic", "IF x = \"say \"\"hi\"\"\" then ' check");
    EXPECT_EQ(l.kindOf("IF"), TokenKind::Keyword);
    EXPECT_EQ(l.kindOf("then"), TokenKind::Keyword);
    EXPECT_EQ(l.kindOf("\"say \"\"hi\"\"\""), TokenKind::String);
    EXPECT_EQ(l.kindOf("' check"), TokenKind::Comment);

    EXPECT_EQ(lexOne("Basic", "  Rem old style").kindOf("Rem old style"), TokenKind::Comment);
    EXPECT_EQ(lexOne("Basic", "Remark = 1").kindOf("Remark"), TokenKind::Text);
    EXPECT_EQ(lexOne("Basic", "x = &HFF + &O17").kindOf("&HFF"), TokenKind::Number);
    EXPECT_EQ(lexOne("Basic", "a & b").kindOf("&"), TokenKind::Operator);
    EXPECT_EQ(lexOne("Basic", "#If Win32 Then").kindOf("#If Win32 Then"), TokenKind::Preprocessor);
}

TEST(BasicLexer, StringsEndWithTheirLine) {
    auto lines = lexLines("Basic", {"x = \"open", "Dim y"});
    EXPECT_EQ(lines[0].end, lex::kInitialState);
    EXPECT_EQ(lines[1].kindOf("Dim"), TokenKind::Keyword);
}

TEST(PascalLexer, ThreeCommentFormsAndDirectives) {
    auto lines = lexLines("Pascal", {"BEGIN { brace", "comment } x := $FF + #13; (* star", "*) End.",
                                     "{$IFDEF DEBUG} // tail", "s := 'it''s';"});
    EXPECT_EQ(lines[0].kindOf("BEGIN"), TokenKind::Keyword);
    EXPECT_EQ(lines[0].kindOf("{ brace"), TokenKind::Comment);
    EXPECT_EQ(lines[1].kindOf("comment }"), TokenKind::Comment);
    EXPECT_EQ(lines[1].kindOf("$FF"), TokenKind::Number);
    EXPECT_EQ(lines[1].kindOf("#13"), TokenKind::Number);
    EXPECT_EQ(lines[1].kindOf("(* star"), TokenKind::Comment);
    EXPECT_EQ(lines[2].kindOf("*)"), TokenKind::Comment);
    EXPECT_EQ(lines[2].kindOf("End"), TokenKind::Keyword);
    EXPECT_EQ(lines[3].kindOf("{$IFDEF DEBUG}"), TokenKind::Preprocessor);
    EXPECT_EQ(lines[3].kindOf("// tail"), TokenKind::Comment);
    EXPECT_EQ(lines[4].kindOf("'it''s'"), TokenKind::String);
}

TEST(PascalLexer, RangesAreTwoNumbers) {
    LexedLine l = lexOne("Pascal", "a: array[1..10] of byte;");
    EXPECT_EQ(l.kindOf("1"), TokenKind::Number);
    EXPECT_EQ(l.kindOf(".."), TokenKind::Operator);
    EXPECT_EQ(l.kindOf("10"), TokenKind::Number);
}

TEST(SqlLexer, CommentsStringsVariablesAndMultiLineLiterals) {
    auto lines = lexLines("SQL", {"select @id, #tmp from t -- rows", "where name = 'O''Brien", "and more' /* x",
                                  "*/ ORDER BY 1"});
    EXPECT_EQ(lines[0].kindOf("select"), TokenKind::Keyword);
    EXPECT_EQ(lines[0].kindOf("@id"), TokenKind::Text);
    EXPECT_EQ(lines[0].kindOf("#tmp"), TokenKind::Text);
    EXPECT_EQ(lines[0].kindOf("-- rows"), TokenKind::Comment);
    EXPECT_EQ(lines[1].kindOf("'O''Brien"), TokenKind::String);
    EXPECT_EQ(lines[2].kindOf("and more'"), TokenKind::String);
    EXPECT_EQ(lines[2].kindOf("/* x"), TokenKind::Comment);
    EXPECT_EQ(lines[3].kindOf("ORDER"), TokenKind::Keyword);
}

TEST(CaseNormalisation, OnlyForCaseInsensitiveLanguages) {
    EXPECT_EQ(lex::lexerByName("Basic")->canonicalKeyword("endif"), "");
    EXPECT_EQ(lex::lexerByName("Basic")->canonicalKeyword("ELSEIF"), "ElseIf");
    EXPECT_EQ(lex::lexerByName("Pascal")->canonicalKeyword("BEGIN"), "begin");
    EXPECT_EQ(lex::lexerByName("SQL")->canonicalKeyword("Select"), "SELECT");
    EXPECT_EQ(lex::lexerByName("SQL")->canonicalKeyword("selection"), "");
    EXPECT_EQ(lex::lexerByName("C/C++")->canonicalKeyword("INT"), "");
    EXPECT_EQ(lex::lexerByName("C/C++")->canonicalKeyword("int"), "");
    EXPECT_EQ(lex::lexerByName("PHP")->canonicalKeyword("ECHO"), "");
}

} // namespace
} // namespace corvex::test
