#include "ldf/TextScanner.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A scanner over one text, read as a load reads it (line ends are blanks).
TextScanner Over(const std::string& text, bool strict = false)
{
    TextScanner scanner(strict);
    scanner.SetText(text);
    return scanner;
}

std::vector<std::string> Texts(const TextScanner& scanner)
{
    std::vector<std::string> texts;
    for (const Message& m : scanner.messages)
        texts.push_back(FormatMessage(m));
    return texts;
}

TEST(ParseInt, ReadsDecimalAndHexadecimal)
{
    struct Row {
        const char* text;
        int value;
    };
    const Row rows[] = {
        {"60", 60}, {"0x3C", 60}, {"0X3c", 60},      {"3C", 3},         {"x10", 0}, {"  12ms", 12},
        {"-1", -1}, {"", 0},      {"abc", 0},        {"12.5", 12},      {"0x", 0},  {"0xFFFFFFFF", -1},
        {"+7", 7},  {"1e3", 1},   {"4294967297", 1}, {"0x7FFF", 32767},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(row.value, ParseInt(row.text));
    }
}

TEST(ParseDouble, StopsAtTheFirstCharacterThatCannotContinue)
{
    EXPECT_FLOAT_EQ(19.2f, static_cast<float>(ParseDouble("19.2")));
    EXPECT_FLOAT_EQ(2.0f, static_cast<float>(ParseDouble("2.0.1")));
    EXPECT_FLOAT_EQ(0.1f, static_cast<float>(ParseDouble(" 0.1ms")));
    EXPECT_FLOAT_EQ(-32.766f, static_cast<float>(ParseDouble("-32.766")));
    EXPECT_FLOAT_EQ(350.0f, static_cast<float>(ParseDouble("3.5E+02")));
    EXPECT_EQ(0.0, ParseDouble("ms"));
}

// Whole numbers take a shorter way; every length must come out as the
// general conversion gives it, also where a double no longer holds all digits.
TEST(ParseDouble, WholeNumbersOfEveryLengthAsTheGeneralConversion)
{
    const std::string digits = "98765432109876543210987";
    for (std::size_t length = 1; length <= digits.size(); ++length)
        for (const std::string& text : {digits.substr(0, length), "0" + digits.substr(0, length),
                                        "+" + digits.substr(0, length), "\t" + digits.substr(0, length)})
            EXPECT_EQ(std::strtod(text.c_str(), nullptr), ParseDouble(text)) << text;
}

TEST(TextScanner, LineNumbersCountLineFeedsOnly)
{
    TextScanner scanner = Over("a\r\nb\rc\nd");
    EXPECT_EQ(1, scanner.LineNumber(-5));
    EXPECT_EQ(1, scanner.LineNumber(0));
    EXPECT_EQ(1, scanner.LineNumber(2));
    EXPECT_EQ(2, scanner.LineNumber(3));
    EXPECT_EQ(2, scanner.LineNumber(6));
    EXPECT_EQ(3, scanner.LineNumber(7));
    EXPECT_EQ(3, scanner.LineNumber(100));
}

TEST(TextScanner, MessagesQuoteTheFileAfterTheirOwnText)
{
    TextScanner scanner = Over("a\nb");
    scanner.AddMessage("No line end", 2);
    scanner.AddMessage("Kept:", "x = 1", 3);
    scanner.AddPlainMessage("Garbage at the end:", "");
    scanner.AddPlainMessage("No slaves");
    EXPECT_EQ((std::vector<std::string>{"Z: 2 No line end", "Z: 2 Kept: x = 1", "Garbage at the end: ", "No slaves"}),
              Texts(scanner));
    EXPECT_EQ("Kept: x = 1", scanner.messages[1].Text());
}
TEST(TextScanner, FileNameDropsTheFolders)
{
    TextScanner scanner(false);
    scanner.filePath = "C:\\nets\\body.ldf";
    EXPECT_EQ("body.ldf", scanner.FileName());
    scanner.filePath = "/home/user/body.ldf";
    EXPECT_EQ("body.ldf", scanner.FileName());
    scanner.filePath = "body.ldf";
    EXPECT_EQ("body.ldf", scanner.FileName());
}

TEST(TextScanner, SkipsComments)
{
    TextScanner lineComment = Over("// note");
    int pos = 0;
    EXPECT_FALSE(lineComment.SkipCommentAt(pos));
    EXPECT_EQ(7, pos);

    TextScanner shortBlock = Over("/*/x");
    pos = 0;
    EXPECT_TRUE(shortBlock.SkipCommentAt(pos));
    EXPECT_EQ(2, pos);

    TextScanner unterminated = Over("/* open");
    pos = 0;
    EXPECT_FALSE(unterminated.SkipCommentAt(pos));
    EXPECT_EQ(7, pos);

    TextScanner loneSlash = Over("/x");
    pos = 0;
    EXPECT_FALSE(loneSlash.SkipCommentAt(pos));
    EXPECT_EQ(0, pos);
    EXPECT_EQ(std::vector<std::string>{"Z: 1 Comment false"}, Texts(loneSlash));
}

TEST(TextScanner, ExpectEqualsStopsOnTheFirstOtherCharacter)
{
    TextScanner good = Over("x  =");
    int pos = 0;
    EXPECT_TRUE(good.ExpectEquals(pos));
    EXPECT_EQ(3, pos);

    TextScanner bad = Over("xa =");
    pos = 0;
    EXPECT_FALSE(bad.ExpectEquals(pos));
    EXPECT_EQ(1, pos);

    TextScanner strict = Over("x\n=", true);
    pos = 0;
    EXPECT_FALSE(strict.ExpectEquals(pos));
}

TEST(TextScanner, TokenReadersDropBlanksAndCheckCharacters)
{
    TextScanner scanner = Over(":a b;");
    int pos = 0;
    EXPECT_EQ("ab", scanner.ReadTokenUntilSemicolon(pos));
    EXPECT_EQ(4, pos);
    EXPECT_FALSE(scanner.CheckContiguous(pos - 1, "ab"));
    EXPECT_EQ(std::vector<std::string>{"Z: 1 Key-Word / Parameter wrong (spaces)"}, Texts(scanner));

    TextScanner dollar = Over(":a$;");
    pos = 0;
    EXPECT_EQ("", dollar.ReadTokenUntilSemicolon(pos));
    EXPECT_EQ(std::vector<std::string>{"Z: 1 Invalid signs in expression"}, Texts(dollar));

    TextScanner plus = Over(":+1,");
    pos = 0;
    EXPECT_EQ("+1", plus.ReadTokenUntilComma(pos, false));
    pos = 0;
    EXPECT_EQ("", plus.ReadTokenUntilComma(pos, true));

    TextScanner unterminated = Over(":abc");
    pos = 0;
    EXPECT_EQ("", unterminated.ReadTokenUntilSemicolon(pos));
    EXPECT_EQ(4, pos);
}

TEST(TextScanner, CountsCommasUpToTheTerminator)
{
    TextScanner scanner = Over("1, 2, 3 }");
    EXPECT_EQ(2, scanner.CountCommasUntil(0, '}'));
    EXPECT_EQ(-1, scanner.CountCommasUntil(0, ';'));
    TextScanner strict = Over("1,\n2;", true);
    EXPECT_EQ(-1, strict.CountCommasUntil(0, ';'));
}

// A plain statement is read in one pass; anything a token reader would
// treat apart (a comment, a quote, a brace, a line end, an empty token)
// makes it no plain statement.
TEST(TextScanner, ReadsPlainStatementsOnly)
{
    struct Row {
        const char* text;
        char separator;
        std::vector<std::string> tokens;  // none: not plain
        bool quotedLast = false;
    };
    const Row rows[] = {
        {":1, 0,\tN-1.x ;", ',', {"1", "0", "N-1.x"}},
        {":F delay 10 ms;", ' ', {"F", "delay", "10", "ms"}},
        {":a,,b;", ',', {}},
        {":a, b", ',', {}},
        {":a b;", ',', {}},
        {":a, \"b\";", ',', {}},
        {":a, /* c */ b;", ',', {}},
        {":a,\nb;", ',', {}},
        {":a, {b};", ',', {}},
        {":a;", ' ', {"a"}},
        {":a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p;",
         ',',
         {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p"}},
        {":a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q;", ',', {}},
        {":a, \"b\" ;", ',', {"a", "\"b\""}, true},
        {":\"b\";", ',', {"\"b\""}, true},
        {":\"b\", a;", ',', {}, true},
        {":a, \"\";", ',', {}, true},
        {":a, \"b c\";", ',', {}, true},
        {":a, \"b\"c;", ',', {}, true},
        {":a, \"b;", ',', {}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const TextScanner scanner = Over(row.text);
        PlainTokens tokens;
        const int end = scanner.ReadPlainTokens(0, row.separator, ';', tokens, row.quotedLast);
        if (row.tokens.empty()) {
            EXPECT_EQ(-1, end);
            continue;
        }
        EXPECT_EQ(static_cast<int>(std::string(row.text).rfind(';')), end);
        std::vector<std::string> read;
        for (std::size_t i = 0; i < tokens.size(); ++i)
            read.emplace_back(tokens[i]);
        EXPECT_EQ(row.tokens, read);
    }
}

// Counts reuse the previous scan; whatever the order of the starting
// positions, each must equal a count from scratch.
TEST(TextScanner, CountsCommasAlikeInAnyOrder)
{
    const std::string text = "a, b; c, d, e } f,\ng; h, i";
    auto expected = [&](int pos, char terminator, bool strict) {
        int commas = 0;
        for (std::size_t i = static_cast<std::size_t>(std::max(pos, 0)); i < text.size(); ++i) {
            if (text[i] == terminator)
                return commas;
            if (text[i] == ',')
                ++commas;
            else if (strict && (text[i] == '\n' || text[i] == '\r'))
                return -1;
        }
        return -1;
    };
    std::vector<int> positions;
    for (int pos = -1; pos <= static_cast<int>(text.size()) + 1; ++pos)
        positions.push_back(pos);
    std::vector<int> order = positions;
    order.insert(order.end(), positions.rbegin(), positions.rend());
    order.insert(order.end(), {3, 3, 20, 0, 25, 9, 8, 14});
    for (bool strict : {false, true}) {
        TextScanner scanner = Over(text, strict);
        for (int pos : order) {
            for (char terminator : {';', '}', '{'}) {
                SCOPED_TRACE(std::to_string(pos) + terminator + (strict ? " strict" : ""));
                EXPECT_EQ(expected(pos, terminator, strict), scanner.CountCommasUntil(pos, terminator));
            }
        }
    }
}

TEST(TextScanner, ReadsAValueWithItsUnit)
{
    TextScanner good = Over("= 19.2 kbps;");
    int pos = 0;
    EXPECT_EQ("19.2", good.ReadValueWithUnit(pos, "kbps"));
    EXPECT_EQ(11, pos);

    TextScanner misspelt = Over("= 19.2 kbs;");
    pos = 0;
    EXPECT_EQ("", misspelt.ReadValueWithUnit(pos, "kbps"));

    TextScanner noUnit = Over("= 19.2;\nNodes { kbps; }");
    pos = 0;
    EXPECT_EQ("", noUnit.ReadValueWithUnit(pos, "kbps"));
    EXPECT_EQ(6, pos);
}

TEST(TextScanner, ReadsCompactAndRawValuesOnOneLine)
{
    TextScanner compact = Over("x delay 10 ms;");
    int pos = 0;
    EXPECT_EQ("delay10ms", compact.ReadCompactUntilSemicolon(pos));
    TextScanner broken = Over("x delay 10 ms\n;");
    pos = 0;
    EXPECT_EQ("", broken.ReadCompactUntilSemicolon(pos));
    TextScanner raw = Over(", \"on\" ;");
    pos = 0;
    EXPECT_EQ(" \"on\" ", raw.ReadRawUntilSemicolon(pos));
}

TEST(TextScanner, ParsesQuotedFloats)
{
    TextScanner scanner = Over("");
    EXPECT_FLOAT_EQ(2.0f, scanner.ParseQuotedFloat("\"2.0\"", 0));
    EXPECT_TRUE(scanner.messages.Empty());
    EXPECT_EQ(0.0f, scanner.ParseQuotedFloat("2.0", 0));
    EXPECT_EQ(0.0f, scanner.ParseQuotedFloat("\"2,0\"", 0));
    EXPECT_EQ((std::vector<std::string>{"Z: 1 Wrong format: xxx.xxxx;", "Z: 1 Expect: xxx.xxx -> Float"}),
              Texts(scanner));
}

TEST(TextScanner, StripsQuotes)
{
    TextScanner scanner = Over("");
    std::string quoted = "  \"off\" ";
    EXPECT_TRUE(scanner.StripQuotes(quoted, 0));
    EXPECT_EQ("off", quoted);
    std::string bare = "off";
    EXPECT_FALSE(scanner.StripQuotes(bare, 0));
    std::string blank = "   ";
    EXPECT_FALSE(scanner.StripQuotes(blank, 0));
    EXPECT_EQ(std::vector<std::string>{"Z: 1 No ticks"}, Texts(scanner));
}

// The scan for the next statement mark takes several characters a round;
// a mark is found wherever it stands, the text's last characters included.
TEST(TextScanner, FindsTheNextStatementMarkAtAnyOffset)
{
    for (const char mark : std::string("\"/{};")) {
        for (int length = 1; length <= 9; ++length) {
            for (int at = 0; at < length; ++at) {
                std::string text(static_cast<std::size_t>(length), 'a');
                text[static_cast<std::size_t>(at)] = mark;
                const TextScanner scanner = Over(text);
                SCOPED_TRACE(text);
                EXPECT_EQ(at, scanner.NextStatementMark(0));
                EXPECT_EQ(at, scanner.NextStatementMark(-3));
                EXPECT_EQ(length, scanner.NextStatementMark(at + 1));
            }
        }
    }
    EXPECT_EQ(0, Over("").NextStatementMark(0));
    EXPECT_EQ(7, Over("abcdefg").NextStatementMark(2));
}

// The readers note the statements whose ends they found; a later search for
// the end of the block around them passes over them and ends where it would.
TEST(TextScanner, StatementEndsAlikeWhereStatementsWereNoted)
{
    struct Row {
        const char* text;
        std::vector<std::pair<int, int>> noted;  // in the order the readers note them
    };
    const Row rows[] = {
        // Statements one after the other, a block of them noted after its own.
        {"{ a; b { c; d; } e; }", {{2, 3}, {9, 10}, {12, 13}, {5, 15}, {17, 18}}},
        // Quotes and comments inside noted statements hide marks; between
        // two statements a comment keeps their runs apart.
        {"{ a \"x;}\"; /* } */ b; // }\n c { } ; }", {{2, 9}, {19, 20}, {28, 34}}},
        // A statement noted again, or inside one noted before, changes nothing.
        {"{ a { b; }; c; }", {{6, 7}, {2, 10}, {6, 7}, {12, 13}, {2, 10}}},
        // The block's end lies between noted statements, after them, or nowhere.
        {"{ a; } b; }", {{2, 3}, {7, 8}}},
        {"{ a; b; } }", {{2, 3}, {5, 6}}},
        {"{ a { b; } c", {{6, 7}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const int plain = Over(row.text).FindStatementEnd(0);
        const TextScanner scanner = Over(row.text);
        for (const auto& [from, to] : row.noted) {
            scanner.NoteBalancedStatement(from, to);
            EXPECT_EQ(plain, scanner.FindStatementEnd(0));
        }
    }
    EXPECT_EQ(20, Over("{ a; b { c; d; } e; }").FindStatementEnd(0));
}

TEST(TextScanner, BlockStartSkipsCommentsAndStopsOnOtherCharacters)
{
    TextScanner scanner = Over("s /* c */ // d\n {x");
    int pos = 0;
    EXPECT_TRUE(scanner.SkipToBlockStart(pos));
    EXPECT_EQ('x', scanner.fileText[static_cast<std::size_t>(pos)]);

    TextScanner other = Over("s ; {");
    pos = 0;
    EXPECT_FALSE(other.SkipToBlockStart(pos));
    EXPECT_EQ(2, pos);

    TextScanner lastBrace = Over("s {");
    pos = 0;
    EXPECT_TRUE(lastBrace.SkipToBlockStart(pos));
    EXPECT_EQ(3, pos);
}

}  // namespace
