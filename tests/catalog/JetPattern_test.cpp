// Like patterns as the Jet engine reads them.
#include "catalog/CatalogError.h"
#include "catalog/JetPattern.h"

#include <gtest/gtest.h>

namespace {

struct PatternCase {
    const char* pattern;
    const char* text;
    bool matches;
};

const PatternCase PatternCases[] = {
    {"90311*", "90311-12", true},
    {"90311*", "9031", false},
    {"ab*", "ABC", true}, // ASCII case is ignored
    {"*", "", true},
    {"a*c", "abbbc", true},
    {"a*c", "abbbcd", false},
    {"*b*b*", "abab", true},
    {"a?c", "abc", true},
    {"a?c", "ac", false},
    {"?", "ä", true}, // one character, though two bytes
    {"#-#", "1-2", true},
    {"#", "x", false},
    {"[abc]x", "Bx", true},
    {"[a-c]", "d", false},
    {"[!a-c]", "d", true},
    {"[!a-c]", "B", false},
    {"[*]*", "*x", true},
    {"[*]*", "ax", false},
    {"[?]", "?", true},
    {"a[]b", "ab", true},
    {"[!]", "!", true},
    {"100%", "100%", true}, // SQLite's wildcards are plain characters here
    {"a_c", "abc", false},
    {"Äb*", "äb", false}, // only ASCII letters fold
    {"Äb*", "ÄB", true},
};

TEST(JetPattern, MatchesAsTheJetEngine) {
    for (const PatternCase& c : PatternCases) {
        SCOPED_TRACE(std::string(c.pattern) + " against " + c.text);
        EXPECT_EQ(catalog::JetPattern(c.pattern).matches(c.text), c.matches);
    }
}

TEST(JetPattern, LiteralPrefixStopsAtTheFirstPatternCharacter) {
    EXPECT_EQ(catalog::JetPattern("90311*").literalPrefix(), "90311");
    EXPECT_EQ(catalog::JetPattern("ab[*]c#*").literalPrefix(), "ab*c");
    EXPECT_EQ(catalog::JetPattern("*x").literalPrefix(), "");
}

TEST(JetPattern, RejectsMalformedLists) {
    EXPECT_THROW(catalog::JetPattern("[abc"), catalog::CatalogError);
    EXPECT_THROW(catalog::JetPattern("[c-a]"), catalog::CatalogError);
}

} // namespace
