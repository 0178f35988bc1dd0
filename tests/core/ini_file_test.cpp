#include "ini_file.h"

#include <gtest/gtest.h>

namespace vexo {
namespace {

struct LookupCase {
    const char* text;
    const char* section;
    const char* key;
    const char* expected;  // nullptr: not found
};

class IniLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(IniLookup, FindsValuesAsTheProfileFunctionsDo) {
    const auto& c = GetParam();
    auto v = IniFile(c.text).Value(c.section, c.key);
    if (c.expected) {
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(*v, c.expected);
    } else {
        EXPECT_FALSE(v.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniLookup,
    ::testing::Values(LookupCase{"[Zaehler]\r\nCounter=17\r\n", "Zaehler", "Counter", "17"},
                      LookupCase{"[ZAEHLER]\r\ncounter=17\r\n", "zaehler", "COUNTER", "17"},
                      LookupCase{"  [ Zaehler ]  \r\n\t Counter \t=  17 \t\r\n", "Zaehler",
                                 "Counter", "17"},
                      LookupCase{"[A]\nk=lf only\n", "A", "k", "lf only"},
                      LookupCase{"[A]\r\nk=first\r\nk=second\r\n", "A", "k", "first"},
                      LookupCase{"[A]\r\nx=1\r\n[A]\r\nk=in second section\r\n", "A", "k", nullptr},
                      LookupCase{"[A]\r\nk=a=b\r\n", "A", "k", "a=b"},
                      LookupCase{"[A]\r\nk=\r\n", "A", "k", ""},
                      LookupCase{"k=before any section\r\n[A]\r\n", "A", "k", nullptr},
                      LookupCase{"[A]\r\nk=1\r\n[B]\r\n", "B", "k", nullptr},
                      LookupCase{"[A]\r\n", "A", "k", nullptr}, LookupCase{"", "A", "k", nullptr}));

TEST(IniFile, CutsValuesAt2047Characters) {
    std::string text = "[A]\r\nk=" + std::string(3000, 'x') + "\r\n";
    EXPECT_EQ(IniFile(text).Value("A", "k")->size(), 2047u);
    // Characters, not bytes: "ä" is two bytes in memory and one in the file.
    std::string umlauts;
    for (int i = 0; i < 2100; ++i) umlauts += "ä";
    EXPECT_EQ(IniFile("[A]\r\nk=" + umlauts).Value("A", "k")->size(), 2047u * 2);
}

struct WriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

class IniWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWrite, ChangesOnlyWhatIsWritten) {
    const auto& c = GetParam();
    IniFile ini(c.before);
    ini.SetValue(c.section, c.key, c.value);
    EXPECT_EQ(ini.Text(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniWrite,
    ::testing::Values(
        WriteCase{"CreatesFile", "", "Zaehler", "Counter", "2", "[Zaehler]\r\nCounter=2\r\n"},
        WriteCase{"UpdatesInPlaceKeepingSpelling",
                  "; mine\r\n[zaehler]\r\n  COUNTER = 5 \r\nOther=x\r\n", "Zaehler", "Counter", "6",
                  "; mine\r\n[zaehler]\r\nCOUNTER=6\r\nOther=x\r\n"},
        WriteCase{"AppendsKeyAtEndOfItsSection", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "k", "v",
                  "[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\ny=2\r\n"},
        WriteCase{"AppendsSectionAtEnd", "[A]\r\nx=1", "B", "k", "v",
                  "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
        WriteCase{"NormalisesLineEnds", "[A]\nx=1\n", "A", "x", "2", "[A]\r\nx=2\r\n"},
        WriteCase{"KeepsValueOnOneLine", "", "A", "k", "one\r\ntwo", "[A]\r\nk=one  two\r\n"},
        WriteCase{"UpdatesFirstOfDuplicates", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "3",
                  "[A]\r\nk=3\r\nk=2\r\n"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace vexo
