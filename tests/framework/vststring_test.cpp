// Bounded copy and append: the text they leave and exactly which bytes they
// write.
#include <gtest/gtest.h>

#include <cstdint>

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
} // namespace
