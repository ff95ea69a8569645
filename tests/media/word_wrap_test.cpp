#include <gtest/gtest.h>

#include "media/word_wrap.h"

TEST(WordWrap, BreaksAtBlanksAndCutsLongWords)
{
    EXPECT_EQ(wordWrap("abc def ghi", 5), "abc\ndef\nghi");
    EXPECT_EQ(wordWrap("abcdefgh", 3), "abc\ndef\ngh");
    EXPECT_EQ(wordWrap("the quick brown fox", 10), "the quick\nbrown fox");
    // The blank closest to the width wins.
    EXPECT_EQ(wordWrap("aa bb cc dd", 8), "aa bb cc\ndd");
}

TEST(WordWrap, LeavesShortTextsAlone)
{
    EXPECT_EQ(wordWrap("", 5), "");
    EXPECT_EQ(wordWrap("short", 5), "short");
    EXPECT_EQ(wordWrap("two words", 20), "two words");
    EXPECT_EQ(wordWrap("exactly", 7), "exactly");
    // The last line obeys the width like every other.
    EXPECT_EQ(wordWrap("abcd", 3), "abc\nd");
    EXPECT_EQ(wordWrap("ab cd", 4), "ab\ncd");
}

TEST(WordWrap, BlankAtTheStartOfALineIsNoBreakPoint)
{
    // After "abc\n" the next line starts at the second blank; the word after it
    // is cut at the width instead of breaking there.
    EXPECT_EQ(wordWrap("abc  defghij", 3), "abc\n de\nfgh\nij");
}

TEST(WordWrap, NoLineLongerThanTheWidth)
{
    const std::string text = "Snakes are hunted by the computer while players lay bombs and flee";
    for (int width = 1; width <= 20; ++width) {
        std::string wrapped = wordWrap(text, width);
        std::size_t start = 0;
        while (start <= wrapped.size()) {
            std::size_t end = wrapped.find('\n', start);
            if (end == std::string::npos)
                end = wrapped.size();
            EXPECT_LE(end - start, std::size_t(width)) << width << ": " << wrapped;
            start = end + 1;
        }
    }
}

TEST(WordWrap, WidthOfZeroOrLessPutsOneWordOnEachLine)
{
    EXPECT_EQ(wordWrap("one two three", 0), "one\ntwo\nthree");
    EXPECT_EQ(wordWrap("one two", -4), "one\ntwo");
    EXPECT_EQ(wordWrap("single", 0), "single");
}
