#include <gtest/gtest.h>

#include "media/word_wrap.h"

TEST(WordWrap, BreaksAtTheBlankNearestTheWidthAndCutsLongWords)
{
    const std::tuple<const char*, int, const char*> cases[] = {
        {"abc def ghi", 5, "abc\ndef\nghi"},
        {"abcdefgh", 3, "abc\ndef\ngh"},
        {"the quick brown fox", 10, "the quick\nbrown fox"},
        {"aa bb cc dd", 8, "aa bb cc\ndd"},
        {"", 5, ""},
        {"exactly", 7, "exactly"},
        // The last line obeys the width like every other.
        {"abcd", 3, "abc\nd"},
        {"ab cd", 4, "ab\ncd"},
        // After "abc\n" the next line starts at the second blank, which is no
        // break point: the word after it is cut at the width instead.
        {"abc  defghij", 3, "abc\n de\nfgh\nij"},
        // A width of zero or less puts one word on each line.
        {"one two three", 0, "one\ntwo\nthree"},
        {"one two", -4, "one\ntwo"},
        {"single", 0, "single"},
    };
    for (auto [text, width, wrapped] : cases)
        EXPECT_EQ(wordWrap(text, width), wrapped) << '"' << text << "\" at " << width;
}
