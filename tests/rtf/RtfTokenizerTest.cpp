#include "rtf/RtfTokenizer.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using rtf::Token;
using rtf::Tokenizer;
using rtf::TokenType;

namespace {

std::vector<Token> tokensOf(std::string_view data) {
    Tokenizer tokenizer(data);
    std::vector<Token> tokens;
    for (Token token = tokenizer.next(); token.type != TokenType::End; token = tokenizer.next())
        tokens.push_back(token);
    return tokens;
}

} // namespace

TEST(RtfTokenizer, SplitsGroupsWordsAndText) {
    const auto tokens = tokensOf("{\\b bold}\\par x");
    ASSERT_EQ(tokens.size(), 6u);
    EXPECT_EQ(tokens[0].type, TokenType::GroupStart);
    EXPECT_EQ(tokens[1].type, TokenType::ControlWord);
    EXPECT_EQ(tokens[1].text, "b");
    EXPECT_FALSE(tokens[1].hasParam);
    EXPECT_EQ(tokens[2].type, TokenType::Text);
    EXPECT_EQ(tokens[2].text, "bold"); // the space after a word belongs to the word
    EXPECT_EQ(tokens[3].type, TokenType::GroupEnd);
    EXPECT_EQ(tokens[4].text, "par");
    EXPECT_EQ(tokens[5].text, "x");
}

TEST(RtfTokenizer, ReadsParametersAndTheirSigns) {
    const auto tokens = tokensOf("\\fi-360\\li720x\\u-10179?");
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(tokens[0].param, -360);
    EXPECT_TRUE(tokens[0].hasParam);
    EXPECT_EQ(tokens[1].param, 720);
    EXPECT_EQ(tokens[2].text, "x");
    EXPECT_EQ(tokens[3].text, "u");
    EXPECT_EQ(tokens[3].param, -10179);
}

TEST(RtfTokenizer, ClampsHugeParameters) {
    const auto tokens = tokensOf("\\fs99999999999999999999\\li-99999999999999999999");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].param, INT_MAX);
    EXPECT_EQ(tokens[1].param, INT_MIN);
}

TEST(RtfTokenizer, DropsLineBreaksFromText) {
    const auto tokens = tokensOf("ab\r\ncd");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].text, "ab");
    EXPECT_EQ(tokens[1].text, "cd");
}

TEST(RtfTokenizer, ReadsHexEscapesAndRejectsBadOnes) {
    const auto tokens = tokensOf("\\'e9\\'zz\\'4");
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(tokens[0].type, TokenType::ControlSymbol);
    EXPECT_EQ(tokens[0].symbol, '\'');
    EXPECT_TRUE(tokens[0].hasParam);
    EXPECT_EQ(tokens[0].param, 0xe9);
    EXPECT_FALSE(tokens[1].hasParam);
    EXPECT_EQ(tokens[2].text, "zz"); // what was not hex stays text
    EXPECT_FALSE(tokens[3].hasParam);
}

TEST(RtfTokenizer, ControlSymbolsAndEscapedBraces) {
    const auto tokens = tokensOf("\\{\\}\\\\\\~\\*");
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(tokens[0].symbol, '{');
    EXPECT_EQ(tokens[1].symbol, '}');
    EXPECT_EQ(tokens[2].symbol, '\\');
    EXPECT_EQ(tokens[3].symbol, '~');
    EXPECT_EQ(tokens[4].symbol, '*');
}

TEST(RtfTokenizer, BinaryDataIsTakenRawAndCutAtTheEnd) {
    Tokenizer tokenizer(std::string_view("\\bin4 {}\\x\\par", 14));
    const Token bin = tokenizer.next();
    EXPECT_EQ(bin.text, "bin");
    EXPECT_EQ(tokenizer.takeBinary(bin.param), "{}\\x");
    EXPECT_EQ(tokenizer.next().text, "par");

    Tokenizer shortData("\\bin1000 abc");
    const Token longBin = shortData.next();
    EXPECT_EQ(shortData.takeBinary(longBin.param), "abc");
    EXPECT_EQ(shortData.next().type, TokenType::End);
    EXPECT_EQ(shortData.takeBinary(-5), "");
}

TEST(RtfTokenizer, TruncatedInputEnds) {
    EXPECT_TRUE(tokensOf("\\").empty());
    const auto tokens = tokensOf("{\\rtf1\\ansicpg");
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[2].text, "ansicpg");
    EXPECT_FALSE(tokens[2].hasParam);
}

TEST(RtfTokenizer, OverlongWordsAreCut) {
    const std::string data = "\\" + std::string(5000, 'a') + " x";
    const auto tokens = tokensOf(data);
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].text.size(), 32u);
    EXPECT_EQ(tokens[1].text, "x");
}
