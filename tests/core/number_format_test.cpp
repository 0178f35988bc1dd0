#include "number_format.h"

#include <gtest/gtest.h>

namespace vexo {
namespace {

const LocalTime k5March2008{2008, 3, 5, 14, 7, 9};

struct ComposeCase {
    const char* before;
    int32_t prefix;
    int32_t sep;
    const char* after;
    int64_t width;
    bool leading;
    int64_t counter;
    LocalTime date;
    const char* expected;
};

class Compose : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(Compose, BuildsTheNumber) {
    const auto& c = GetParam();
    NumberFormat f{c.before, c.prefix, c.sep, c.after, c.width, c.leading};
    EXPECT_EQ(ComposeNumber(f, c.counter, c.date), c.expected);
}

const LocalTime kJan2009{2009, 1, 15, 0, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Compose,
    ::testing::Values(ComposeCase{"RE-", 3, 2, "/", 4, false, 17, k5March2008, "RE-2008-03/0017"},
                      ComposeCase{"RE-", 3, 2, "/", 4, true, 17, k5March2008, "0017RE-2008-03/"},
                      ComposeCase{"", 0, 0, "", 4, false, 17, k5March2008, "0017"},
                      ComposeCase{"", 7, 0, "", 3, false, 17, k5March2008, "8017"},
                      ComposeCase{"", 1, 1, "-", 5, false, 17, k5March2008, "2008-00017"},
                      ComposeCase{"R", 6, 4, "", 1, false, 17, k5March2008, "R03.0817"},
                      ComposeCase{"", 10, 3, "", 2, true, 17, k5March2008, "173/8"}));

INSTANTIATE_TEST_SUITE_P(
    EveryDateKind, Compose,
    ::testing::Values(ComposeCase{"", 2, 2, "", 1, false, 1, k5March2008, "081"},
                      ComposeCase{"", 4, 2, "", 1, false, 1, k5March2008, "08-031"},
                      ComposeCase{"", 5, 2, "", 1, false, 1, k5March2008, "03-20081"},
                      ComposeCase{"", 8, 1, "", 1, false, 1, k5March2008, "8 31"},
                      ComposeCase{"", 9, 2, "", 1, false, 1, k5March2008, "8-031"},
                      ComposeCase{"", 11, 2, "", 1, false, 1, k5March2008, "03-81"},
                      // January: M is one digit, MM two.
                      ComposeCase{"", 8, 2, "", 1, false, 1, kJan2009, "9-11"},
                      ComposeCase{"", 3, 2, "", 1, false, 1, kJan2009, "2009-011"}));

INSTANTIATE_TEST_SUITE_P(Edges, Compose,
                         ::testing::Values(
                             // No digits are cut; zero is padded like any counter.
                             ComposeCase{"", 0, 0, "", 3, false, 12345, k5March2008, "12345"},
                             ComposeCase{"", 0, 0, "", 4, false, 0, k5March2008, "0000"},
                             // Kinds outside their tables: no date part, no separator.
                             ComposeCase{"A", 12, 2, "B", 1, false, 1, k5March2008, "AB1"},
                             ComposeCase{"A", -1, 2, "B", 1, false, 1, k5March2008, "AB1"},
                             ComposeCase{"", 3, 5, "", 1, false, 1, k5March2008, "2008031"},
                             // One-component date parts ignore the separator.
                             ComposeCase{"", 1, 2, "", 1, false, 1, k5March2008, "20081"},
                             ComposeCase{"", 0, 0, "", 4, true, 17, k5March2008, "0017"},
                             // A minus sign stays in front of the zeros.
                             ComposeCase{"", 0, 0, "", 4, false, -17, k5March2008, "-017"}));

TEST(ComposeNumber, HugeWidthsKeepTheCounterDigits) {
    // A hand-edited Padding must neither allocate without bound nor push the counter's own
    // digits out of the number (that would give every invoice the same number).
    for (int64_t width : {int64_t{256}, int64_t{100000}, int64_t{INT32_MAX} + 1}) {
        std::string n = ComposeNumber({"", 0, 0, "", width, false}, 17, k5March2008);
        EXPECT_EQ(n.size(), 255u);
        EXPECT_EQ(n.substr(253), "17");
    }
}

TEST(PadNumber, NeverCuts) {
    EXPECT_EQ(PadNumber(5, 3), "005");
    EXPECT_EQ(PadNumber(12345, 2), "12345");
    EXPECT_EQ(PadNumber(7, -4), "7");
    EXPECT_EQ(PadNumber(INT32_MIN, 1), "-2147483648");
}

}  // namespace
}  // namespace vexo
