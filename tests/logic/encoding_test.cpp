#include <gtest/gtest.h>

#include "model/Encoding.h"

namespace rdo {
namespace {

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string utf8 = windows1252ToUtf8(all);
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(utf8ToWindows1252(utf8), all);
}

TEST(Windows1252, MapsTheGameCodePageNotLatin1) {
    EXPECT_EQ(windows1252ToUtf8("\x80\x9C\xE9"), "€œé");
    EXPECT_EQ(windows1252ToUtf8("\x81"), "\xC2\x81");
    EXPECT_EQ(utf8ToWindows1252("Cœur é €"), "C\x9Cur \xE9 \x80");
    EXPECT_EQ(utf8ToWindows1252("日本"), "??");
}

TEST(Utf8, RejectsMalformedSequences) {
    EXPECT_TRUE(isValidUtf8("Noël Søren 𝄞"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_FALSE(isValidUtf8("caf\xC3"));           // cut short
    EXPECT_FALSE(isValidUtf8("caf\xE9"));           // a Windows-1252 é
}

TEST(DecodeFile, TellsUtf8FromWindows1252AndDropsTheMark) {
    Encoding encoding = Encoding::Windows1252;
    EXPECT_EQ(decodeFile("\xEF\xBB\xBF"
                         "Crêtes",
                         encoding),
              "Crêtes");
    EXPECT_EQ(encoding, Encoding::Utf8);
    EXPECT_EQ(decodeFile("Cr\xEAtes", encoding), "Crêtes");
    EXPECT_EQ(encoding, Encoding::Windows1252);
    EXPECT_EQ(encodeFile("Crêtes", Encoding::Windows1252), "Cr\xEAtes");
    EXPECT_EQ(encodeFile("Crêtes", Encoding::Utf8), "Crêtes");
}

}  // namespace
}  // namespace rdo
