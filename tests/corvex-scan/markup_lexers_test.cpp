// The tag-language lexers: tags, attributes, entities, comments, and code embedded in
// pages (script and style elements, ASP and PHP blocks, ColdFusion).
#include "tests/corvex-scan/lex_test_support.h"

namespace corvex::test {
namespace {

TEST(HtmlLexer, TagsAttributesValuesAndEntities) {
    LexedLine l = lexOne("HTML", "<a href=\"x.htm\" class='c' width=100>Fish &amp; chips</a>");
    EXPECT_EQ(l.kindOf("<a"), TokenKind::Tag);
    EXPECT_EQ(l.kindOf("href"), TokenKind::Attribute);
    EXPECT_EQ(l.kindOf("\"x.htm\""), TokenKind::String);
    EXPECT_EQ(l.kindOf("'c'"), TokenKind::String);
    EXPECT_EQ(l.kindOf("100"), TokenKind::String);
    EXPECT_EQ(l.kindOf("width"), TokenKind::Attribute);
}

TEST(HtmlLexer, TextEntitiesAndStrayBrackets) {
    LexedLine l = lexOne("HTML", "Fish &amp; chips &#38; a < b & c</a>");
    EXPECT_EQ(l.kindOf("Fish "), TokenKind::Text);
    EXPECT_EQ(l.kindOf("&amp;"), TokenKind::Entity);
    EXPECT_EQ(l.kindOf("&#38;"), TokenKind::Entity);
    EXPECT_EQ(l.kindOf("< b & c"), TokenKind::Text);
    EXPECT_EQ(l.kindOf("</a>"), TokenKind::Tag);
}

TEST(HtmlLexer, TagsCommentsAndValuesRunOverLines) {
    auto lines = lexLines("HTML", {"<img src=\"a", "b.png\"", "  alt=x>text <!-- note", "more --> <b>"});
    EXPECT_EQ(lines[0].kindOf("\"a"), TokenKind::String);
    EXPECT_EQ(lines[1].kindOf("b.png\""), TokenKind::String);
    EXPECT_EQ(lines[2].kindOf("alt"), TokenKind::Attribute);
    EXPECT_EQ(lines[2].kindOf("text "), TokenKind::Text);
    EXPECT_EQ(lines[2].kindOf("<!-- note"), TokenKind::Comment);
    EXPECT_EQ(lines[3].kindOf("more -->"), TokenKind::Comment);
    EXPECT_EQ(lines[3].kindOf("<b>"), TokenKind::Tag);
}

TEST(HtmlLexer, ScriptAndStyleContentIsCode) {
    auto lines = lexLines("HTML", {"<script type=\"text/javascript\">var s = '</b>'; /* c",
                                   "</script> */ if", "<style>p { color: red; } /* x */</style>if"});
    EXPECT_EQ(lines[0].kindOf("var"), TokenKind::Keyword);
    EXPECT_EQ(lines[0].kindOf("'</b>'"), TokenKind::String);
    EXPECT_EQ(lines[0].kindOf("/* c"), TokenKind::Comment);
    // HTML ends a script at the first </script, even inside a comment.
    EXPECT_EQ(lines[1].kindOf("</script>"), TokenKind::Tag);
    EXPECT_EQ(lines[1].kindOf("*/ if"), TokenKind::Text);
    EXPECT_EQ(lines[2].kindOf("{"), TokenKind::Operator);
    EXPECT_EQ(lines[2].kindOf("/* x */"), TokenKind::Comment);
    EXPECT_EQ(lines[2].kindOf("</style>"), TokenKind::Tag);
    EXPECT_EQ(lines[2].kindOf("if", 40), TokenKind::Text);
}

TEST(HtmlLexer, ScriptStatesRunOverLines) {
    auto lines = lexLines("HTML", {"<script>var t = `a", "b`; /* c", "*/ if</script>"});
    EXPECT_EQ(lines[1].kindOf("b`"), TokenKind::String); // template literals span lines
    EXPECT_EQ(lines[1].kindOf("/* c"), TokenKind::Comment);
    EXPECT_EQ(lines[2].kindOf("*/"), TokenKind::Comment);
    EXPECT_EQ(lines[2].kindOf("if"), TokenKind::Keyword);
}

TEST(HtmlLexer, SelfClosingScriptHasNoContent) {
    LexedLine l = lexOne("HTML", "<script src=\"a.js\"/>var");
    EXPECT_EQ(l.kindOf("var"), TokenKind::Text);
}

TEST(HtmlLexer, DeclarationsAndServerBlocksAreNotSpecial) {
    LexedLine l = lexOne("HTML", "<!DOCTYPE html><% x %>");
    EXPECT_EQ(l.kindOf("<!DOCTYPE html>"), TokenKind::Preprocessor);
    EXPECT_EQ(l.kindOf("<% x %>"), TokenKind::Text);
}

TEST(XmlLexer, InstructionsCDataAndNoScripts) {
    auto lines = lexLines("XML", {"<?xml version=\"1.0\"?><doc:a x:y='1'>", "<![CDATA[ <not> a tag",
                                  "]]><script>var</script>"});
    EXPECT_EQ(lines[0].kindOf("<?xml version=\"1.0\"?>"), TokenKind::Preprocessor);
    EXPECT_EQ(lines[0].kindOf("<doc:a"), TokenKind::Tag);
    EXPECT_EQ(lines[0].kindOf("x:y"), TokenKind::Attribute);
    EXPECT_EQ(lines[1].kindOf("<![CDATA["), TokenKind::Tag);
    EXPECT_EQ(lines[1].kindOf(" <not> a tag"), TokenKind::Text);
    EXPECT_EQ(lines[2].kindOf("]]>"), TokenKind::Tag);
    EXPECT_EQ(lines[2].kindOf("var"), TokenKind::Text);
}

TEST(AspLexer, VbScriptBlocksInTextTagsAndValues) {
    auto lines = lexLines("ASP", {"<p class=\"<%= cls %>\">Hi <% If x Then ' note %> done",
                                  "<% Dim s", "s = \"a\" %><b>"});
    const LexedLine& l = lines[0];
    EXPECT_EQ(l.kindOf("<%="), TokenKind::ScriptTag);
    EXPECT_EQ(l.kindOf("cls"), TokenKind::Text);
    EXPECT_EQ(l.kindOf("\"", 14), TokenKind::String); // the value goes on after the block
    EXPECT_EQ(l.kindOf(">", 21), TokenKind::Tag);
    EXPECT_EQ(l.kindOf("If"), TokenKind::Keyword);
    EXPECT_EQ(l.kindOf("' note "), TokenKind::Comment);
    EXPECT_EQ(l.kindOf(" done"), TokenKind::Text);
    EXPECT_EQ(lines[1].kindOf("Dim"), TokenKind::Keyword);
    EXPECT_EQ(lines[2].kindOf("\"a\""), TokenKind::String);
    EXPECT_EQ(lines[2].kindOf("%>"), TokenKind::ScriptTag);
    EXPECT_EQ(lines[2].kindOf("<b>"), TokenKind::Tag);
}

TEST(PhpLexer, BlocksStringsAndComments) {
    auto lines = lexLines("PHP", {"<h1><?php echo \"a ?> b\"; // c ?>", "</h1><? $x = 'multi",
                                  "line'; /* ?> */ ?><i>"});
    const LexedLine& l = lines[0];
    EXPECT_EQ(l.kindOf("<?php"), TokenKind::ScriptTag);
    EXPECT_EQ(l.kindOf("echo"), TokenKind::Keyword);
    EXPECT_EQ(l.kindOf("\"a ?> b\""), TokenKind::String); // no block end inside a string
    EXPECT_EQ(l.kindOf("// c "), TokenKind::Comment);    // but inside a line comment
    EXPECT_EQ(l.kindOf("?>", 20), TokenKind::ScriptTag);
    EXPECT_EQ(lines[1].kindOf("</h1>"), TokenKind::Tag);
    EXPECT_EQ(lines[1].kindOf("$x"), TokenKind::Text);
    EXPECT_EQ(lines[2].kindOf("line'"), TokenKind::String);
    EXPECT_EQ(lines[2].kindOf("/* ?> */"), TokenKind::Comment);
    EXPECT_EQ(lines[2].kindOf("<i>"), TokenKind::Tag);
    EXPECT_EQ(lexOne("PHP", "<?PHP IF").kindOf("IF"), TokenKind::Keyword);
}

TEST(PhpLexer, BlockInsideAScriptKeepsTheScriptState) {
    auto lines = lexLines("PHP", {"<script>var s = \"<?= $v ?>\"; if", "</script>if"});
    EXPECT_EQ(lines[0].kindOf("<?="), TokenKind::ScriptTag);
    EXPECT_EQ(lines[0].kindOf("\"", 20), TokenKind::String); // the string resumes after the block
    EXPECT_EQ(lines[0].kindOf(";"), TokenKind::Operator);
    EXPECT_EQ(lines[0].kindOf("if"), TokenKind::Keyword);
    EXPECT_EQ(lines[1].kindOf("if"), TokenKind::Text);
}

TEST(ColdFusionLexer, CfTagsCommentsAndScript) {
    auto lines = lexLines("ColdFusion", {"<cfset x = 1><!--- <b> ---> <cfscript>if (a eq b)",
                                         "{ var y = 'x'; }</cfscript><b>"});
    EXPECT_EQ(lines[0].kindOf("cfset"), TokenKind::Keyword);
    EXPECT_EQ(lines[0].kindOf("<!--- <b> --->"), TokenKind::Comment);
    EXPECT_EQ(lines[0].kindOf("if"), TokenKind::Keyword);
    EXPECT_EQ(lines[0].kindOf("eq"), TokenKind::Keyword);
    EXPECT_EQ(lines[1].kindOf("var"), TokenKind::Keyword);
    EXPECT_EQ(lines[1].kindOf("</"), TokenKind::Tag);
    EXPECT_EQ(lines[1].kindOf("cfscript"), TokenKind::Keyword);
    EXPECT_EQ(lines[1].kindOf("<b>"), TokenKind::Tag);
}

} // namespace
} // namespace corvex::test
