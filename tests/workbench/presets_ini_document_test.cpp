#include "workbench/ini_document.h"

#include <gtest/gtest.h>

namespace dq {
namespace {

TEST(IniDocument, FindsSectionsAndKeysWhateverTheirCaseAndSpaces) {
    const IniDocument document(
        "key=outside\r\n"
        "[ Main ]\r\n"
        "  Mode  =  Fast  \r\n"
        "Empty=\r\n"
        "NoEquals\r\n"
        "Mode=second\r\n"
        "[main]\r\n"
        "Other=ignored\r\n");
    EXPECT_EQ(document.value("MAIN", "mode"), Text("Fast"));  // first key of the first section
    EXPECT_EQ(document.value("main", "EMPTY"), Text(""));
    EXPECT_EQ(document.value("Main", "NoEquals"), std::nullopt);
    EXPECT_EQ(document.value("Main", "Other"), std::nullopt);  // only the first section counts
    EXPECT_EQ(document.value("Main", "key"), std::nullopt);    // lines before any section
    EXPECT_EQ(document.value("Missing", "Mode"), std::nullopt);
}

TEST(IniDocument, ReadsLfOnlyFilesAndALastLineWithoutLineEnd) {
    const IniDocument document("[s]\na=1\nb=2");
    EXPECT_EQ(document.value("s", "a"), Text("1"));
    EXPECT_EQ(document.value("s", "b"), Text("2"));
}

TEST(IniDocument, SectionNameMayEndInABracketTrailByte) {
    // 乚 is 81 5D in GBK: its second byte is ']' and must not close the section name.
    const Text name = "\x81\x5D";
    IniDocument document("[" + name + "]\r\nk=v\r\n");
    EXPECT_EQ(document.value(name, "k"), Text("v"));
}

TEST(IniDocument, ReplacesInPlaceAndAppendsAtTheEndOfTheSection) {
    IniDocument document(
        "; head comment\r\n"
        "[first]\n"
        "x = 1\r\n"
        "[Main]\r\n"
        "Mode=Fast\r\n"
        "; note\r\n"
        "\r\n"
        "[last]\r\n"
        "y=2");
    document.set("main", "MODE", "Slow");
    document.set("Main", "Added", "a");
    document.set("Main", "Later", "b");
    document.set("last", "z", "3");
    document.set("fresh", "k", "v");
    EXPECT_EQ(document.content(),
              "; head comment\r\n"
              "[first]\n"
              "x = 1\r\n"
              "[Main]\r\n"
              "Mode=Slow\r\n"
              "; note\r\n"
              "Added=a\r\n"
              "Later=b\r\n"
              "\r\n"
              "[last]\r\n"
              "y=2\r\n"
              "z=3\r\n"
              "[fresh]\r\n"
              "k=v\r\n");
}

TEST(IniDocument, CreatesTheSectionInAnEmptyFile) {
    IniDocument document;
    document.set("s", "a", "1");
    document.set("s", "b", "");
    document.set("s", "a", "2");
    EXPECT_EQ(document.content(), "[s]\r\na=2\r\nb=\r\n");
}

}  // namespace
}  // namespace dq
