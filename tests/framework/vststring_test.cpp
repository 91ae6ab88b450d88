// Bounded copy and append: the text they leave and exactly which bytes they
// write.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "guardedtext.h"
#include "vststring.h"

namespace {
using StringRoutine = char* (*)(char*, const char*, VstInt32) noexcept;

struct Row {
    const char* name;
    StringRoutine routine;
    const char* before; // null: the buffer holds only its filling
    const char* source;
    VstInt32 n;
    const char* text;
    const char* written;
};

const std::string zeros29(29, '0');
const std::string untouched26(26, '.');
const std::string abcWritten = "xxx" + zeros29;
const std::string appendFarWritten = "..xx0" + untouched26 + "0";

const Row rows[] = {
    {"copy cut to the limit", vst_strncpy, nullptr, "abcdefghij", 4, "abcd", "xxxx0"},
    {"copy zero-fills to the limit", vst_strncpy, nullptr, "abc", 31, "abc", abcWritten.c_str()},
    {"copy of the empty text", vst_strncpy, nullptr, "", 3, "", "0000"},
    {"copy with limit 0", vst_strncpy, nullptr, "abc", 0, "", "0"},
    {"append cut to the limit", vst_strncat, "12.", "34500", 4, "12.3", "...x0"},
    {"append to the empty text", vst_strncat, "", "34500", 4, "3450", "xxxx0"},
    {"append to a text already too long", vst_strncat, "12345", "678", 4, "1234", "....0"},
    {"append leaves bytes past its terminator", vst_strncat, "ab", "cd", 31, "abcd",
     appendFarWritten.c_str()},
    {"append with limit 0", vst_strncat, "ab", "cd", 0, "", "0"},
    {"copy with a negative limit", vst_strncpy, "ab", "cd", -1, "ab", ""},
    {"append with a negative limit", vst_strncat, "ab", "cd", -1, "ab", ""},
    {"copy with the most negative limit", vst_strncpy, "ab", "cd", INT32_MIN, "ab", ""},
    {"append with the most negative limit", vst_strncat, "ab", "cd", INT32_MIN, "ab", ""},
};

TEST(VstStringTest, TextAndBytesWritten) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        char* returned = nullptr;
        char* destination = nullptr;
        const GuardedText result = guardedWrite(
            [&](char* buffer) {
                destination = buffer;
                returned = row.routine(buffer, row.source, row.n);
            },
            row.before);
        EXPECT_EQ(result.text, row.text);
        EXPECT_EQ(result.written, row.written);
        EXPECT_EQ(returned, destination);
    }
}

// Every length of text and source against every limit up to beyond both.
TEST(VstStringTest, EveryLengthAgainstEveryLimit) {
    const std::string lower = "abcdefghijkl";
    const std::string upper = "ABCDEFGHIJKL";
    for (std::size_t sourceLength = 0; sourceLength <= upper.size(); ++sourceLength) {
        const std::string source = upper.substr(0, sourceLength);
        for (VstInt32 n = 0; n <= 30; ++n) {
            const auto limit = static_cast<std::size_t>(n);
            SCOPED_TRACE(testing::Message() << "source \"" << source << "\" limit " << n);
            const GuardedText copy =
                guardedWrite([&](char* buffer) { vst_strncpy(buffer, source.c_str(), n); });
            EXPECT_EQ(copy.text, source.substr(0, limit));
            EXPECT_EQ(copy.written, fullWrite(source, n));

            for (std::size_t textLength = 0; textLength <= lower.size(); ++textLength) {
                const std::string text = lower.substr(0, textLength);
                SCOPED_TRACE(testing::Message() << "text \"" << text << '"');
                // The characters that fit and their terminator follow the text;
                // index n is zeroed; nothing else changes.
                std::string written(limit + 1, '.');
                if (textLength < limit) {
                    const std::size_t end = std::min(textLength + sourceLength, limit);
                    written.replace(textLength, end - textLength, end - textLength, 'x');
                    written[end] = '0';
                }
                written[limit] = '0';
                // A zero written over the text's own terminator changes nothing.
                if (textLength <= limit && written[textLength] == '0') written[textLength] = '.';
                written.erase(written.find_last_not_of('.') + 1);
                const GuardedText append = guardedWrite(
                    [&](char* buffer) { vst_strncat(buffer, source.c_str(), n); }, text.c_str());
                EXPECT_EQ(append.text, (text + source).substr(0, limit));
                EXPECT_EQ(append.written, written);
            }
        }
    }
}
} // namespace
