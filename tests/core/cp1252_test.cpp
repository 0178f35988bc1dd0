#include "cp1252.h"

#include <gtest/gtest.h>

namespace vexo {
namespace {

TEST(Cp1252, RoundTripsGermanTextAndTheEuroSign) {
    const std::string utf8 = "Schrägstrich Zähler ß € „x“ Ä";
    std::string ansi = Utf8ToCp1252(utf8);
    EXPECT_EQ(ansi, "Schr\xE4gstrich Z\xE4hler \xDF \x80 \x84x\x93 \xC4");
    EXPECT_EQ(Cp1252ToUtf8(ansi), utf8);
}

TEST(Cp1252, ReplacesWhatTheCodePageLacks) {
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x82\xBD"
                           "b"),
              "a?b");  // rouble sign
    EXPECT_EQ(Utf8ToCp1252("a\xFF"
                           "b"),
              "a?b");  // malformed UTF-8
}

}  // namespace
}  // namespace vexo
