#include "corvex/lex/keyword_tables.h"

namespace corvex::lex::keywords {

const char* const kCpp[] = {
    "alignas", "alignof", "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool", "break",
    "case", "catch", "char", "char8_t", "char16_t", "char32_t", "class", "compl", "concept",
    "const", "consteval", "constexpr", "constinit", "const_cast", "continue", "co_await",
    "co_return", "co_yield", "decltype", "default", "delete", "do", "double", "dynamic_cast",
    "else", "enum", "explicit", "export", "extern", "false", "final", "float", "for", "friend",
    "goto", "if", "inline", "int", "long", "mutable", "namespace", "new", "noexcept", "not",
    "not_eq", "nullptr", "operator", "or", "or_eq", "override", "private", "protected",
    "public", "register", "reinterpret_cast", "requires", "return", "short", "signed",
    "sizeof", "static", "static_assert", "static_cast", "struct", "switch", "template",
    "this", "thread_local", "throw", "true", "try", "typedef", "typeid", "typename", "union",
    "unsigned", "using", "virtual", "void", "volatile", "wchar_t", "while", "xor", "xor_eq",
    "__int8", "__int16", "__int32", "__int64", "__cdecl", "__stdcall", "__fastcall",
    "__declspec", nullptr};

const char* const kJava[] = {
    "abstract", "assert", "boolean", "break", "byte", "case", "catch", "char", "class",
    "const", "continue", "default", "do", "double", "else", "enum", "extends", "false",
    "final", "finally", "float", "for", "goto", "if", "implements", "import", "instanceof",
    "int", "interface", "long", "native", "new", "null", "package", "private", "protected",
    "public", "record", "return", "sealed", "short", "static", "strictfp", "super", "switch",
    "synchronized", "this", "throw", "throws", "transient", "true", "try", "var", "void",
    "volatile", "while", "yield", nullptr};

const char* const kBasic[] = {
    "AddressOf", "Alias", "And", "Any", "As", "Attribute", "Boolean", "ByRef", "Byte",
    "ByVal", "Call", "Case", "CBool", "CByte", "CCur", "CDate", "CDbl", "CInt", "CLng",
    "Close", "Const", "CSng", "CStr", "Currency", "Date", "Debug", "Declare", "DefInt",
    "DefLng", "DefStr", "Dim", "Do", "Double", "Each", "Else", "ElseIf", "Empty", "End",
    "Enum", "Eqv", "Erase", "Error", "Event", "Exit", "Explicit", "False", "For", "Friend",
    "Function", "Get", "Global", "GoSub", "GoTo", "If", "Imp", "Implements", "In", "Input",
    "Integer", "Is", "Let", "Lib", "Like", "Line", "Long", "Loop", "LSet", "Me", "Mod", "New",
    "Next", "Not", "Nothing", "Null", "Object", "On", "Open", "Option", "Optional", "Or",
    "Output", "ParamArray", "Preserve", "Print", "Private", "Property", "Public", "Put",
    "RaiseEvent", "Random", "ReDim", "Resume", "Return", "RSet", "Seek", "Select", "Set",
    "Single", "Static", "Step", "Stop", "String", "Sub", "Then", "To", "True", "Type",
    "TypeOf", "Until", "Variant", "Wend", "While", "With", "WithEvents", "Write", "Xor",
    nullptr};

const char* const kVbScript[] = {
    "And", "Call", "Case", "Class", "Const", "Dim", "Do", "Each", "Else", "ElseIf", "Empty",
    "End", "Eqv", "Erase", "Error", "Execute", "Exit", "Explicit", "False", "For",
    "Function", "Get", "GoTo", "If", "Imp", "In", "Is", "Let", "Loop", "Me", "Mod", "New",
    "Next", "Not", "Nothing", "Null", "On", "Option", "Or", "Preserve", "Private",
    "Property", "Public", "Randomize", "ReDim", "Resume", "Select", "Set", "Step", "Stop",
    "Sub", "Then", "To", "True", "Until", "Wend", "While", "With", "Xor", "Response",
    "Request", "Server", "Session", "Application", nullptr};

const char* const kPascal[] = {
    "absolute", "abstract", "and", "array", "as", "asm", "begin", "boolean", "byte", "case",
    "cdecl", "char", "class", "const", "constructor", "destructor", "dispinterface", "div",
    "do", "downto", "dynamic", "else", "end", "except", "exports", "external", "false",
    "file", "finalization", "finally", "for", "forward", "function", "goto", "if",
    "implementation", "in", "inherited", "initialization", "inline", "integer", "interface",
    "is", "label", "library", "mod", "nil", "not", "object", "of", "on", "or", "out",
    "overload", "override", "packed", "pascal", "private", "procedure", "program",
    "property", "protected", "public", "published", "raise", "real", "record", "register",
    "repeat", "resourcestring", "safecall", "set", "shl", "shr", "stdcall", "string", "then",
    "threadvar", "to", "true", "try", "type", "unit", "until", "uses", "var", "virtual",
    "while", "with", "word", "xor", nullptr};

const char* const kSql[] = {
    "ADD", "ALL", "ALTER", "AND", "ANY", "AS", "ASC", "AUTHORIZATION", "AVG", "BACKUP",
    "BEGIN", "BETWEEN", "BIGINT", "BINARY", "BIT", "BREAK", "BY", "CASCADE", "CASE", "CAST",
    "CHAR", "CHECK", "CLOSE", "CLUSTERED", "COALESCE", "COLUMN", "COMMIT", "CONSTRAINT",
    "CONTINUE", "CONVERT", "COUNT", "CREATE", "CROSS", "CURRENT", "CURSOR", "DATABASE",
    "DATE", "DATETIME", "DECIMAL", "DECLARE", "DEFAULT", "DELETE", "DESC", "DISTINCT",
    "DROP", "ELSE", "END", "ESCAPE", "EXCEPT", "EXEC", "EXECUTE", "EXISTS", "FETCH",
    "FLOAT", "FOREIGN", "FROM", "FULL", "FUNCTION", "GRANT", "GROUP", "HAVING", "IDENTITY",
    "IF", "IN", "INDEX", "INNER", "INSERT", "INT", "INTEGER", "INTERSECT", "INTO", "IS",
    "JOIN", "KEY", "LEFT", "LIKE", "LIMIT", "MAX", "MIN", "NCHAR", "NOT", "NULL", "NUMERIC",
    "NVARCHAR", "OF", "OFF", "ON", "OPEN", "OR", "ORDER", "OUTER", "OVER", "PRIMARY",
    "PRINT", "PROCEDURE", "REFERENCES", "RETURN", "REVOKE", "RIGHT", "ROLLBACK", "ROWS",
    "SELECT", "SET", "SMALLINT", "SUM", "TABLE", "TEXT", "THEN", "TIMESTAMP", "TINYINT",
    "TO", "TOP", "TRANSACTION", "TRIGGER", "TRUNCATE", "UNION", "UNIQUE", "UPDATE", "USE",
    "VALUES", "VARCHAR", "VIEW", "WHEN", "WHERE", "WHILE", "WITH", nullptr};

const char* const kPhp[] = {
    "abstract", "and", "array", "as", "break", "callable", "case", "catch", "class", "clone",
    "const", "continue", "declare", "default", "do", "echo", "else", "elseif", "empty",
    "enddeclare", "endfor", "endforeach", "endif", "endswitch", "endwhile", "enum", "eval",
    "exit", "extends", "false", "final", "finally", "fn", "for", "foreach", "function",
    "global", "goto", "if", "implements", "include", "include_once", "instanceof",
    "insteadof", "interface", "isset", "list", "match", "namespace", "new", "null", "or",
    "print", "private", "protected", "public", "readonly", "require", "require_once",
    "return", "static", "switch", "throw", "trait", "true", "try", "unset", "use", "var",
    "while", "xor", "yield", nullptr};

const char* const kJavaScript[] = {
    "async", "await", "break", "case", "catch", "class", "const", "continue", "debugger",
    "default", "delete", "do", "else", "export", "extends", "false", "finally", "for",
    "function", "if", "import", "in", "instanceof", "let", "new", "null", "of", "return",
    "static", "super", "switch", "this", "throw", "true", "try", "typeof", "undefined",
    "var", "void", "while", "with", "yield", nullptr};

const char* const kCfScript[] = {
    "break", "case", "catch", "component", "continue", "default", "do", "else", "false",
    "for", "function", "if", "import", "in", "new", "null", "private", "property", "public",
    "remote", "required", "return", "switch", "throw", "true", "try", "var", "while",
    "and", "or", "not", "eq", "neq", "gt", "lt", "gte", "lte", "contains", "mod", nullptr};

const char* const kNone[] = {nullptr};

} // namespace corvex::lex::keywords
