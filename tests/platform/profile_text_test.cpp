#include "platform/profile_text.hpp"

#include <gtest/gtest.h>

namespace {

const char *const kFile =
    "; settings of the calculator\r\n"
    "[Other]\r\n"
    "计算精度=9\r\n"
    "\r\n"
    "[配置]\r\n"
    "  计算精度 =  3  \r\n"
    "Width=10\r\n"
    "; a comment=not a key\r\n"
    "\r\n"
    "[配置]\r\n"
    "小数保留位数=7\r\n";

TEST(ProfileText, FindsValuesLikeTheWindowsProfileFunctions) {
  struct Case {
    const char *section, *key;
    std::optional<std::string> value;
  } cases[] = {
      {"配置", "计算精度", "3"},               // trimmed key and value
      {"other", "计算精度", "9"},              // section without regard to case
      {"配置", "WIDTH", "10"},                 // key without regard to case
      {" 配置 ", "Width", "10"},               // names trimmed
      {"配置", "小数保留位数", std::nullopt},  // only the first matching section counts
      {"配置", "; a comment", std::nullopt},
      {"Missing", "计算精度", std::nullopt},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(FindProfileValue(kFile, c.section, c.key), c.value) << c.section << "/" << c.key;
  }
}

TEST(ProfileText, WritingReplacesTheKeyLineInPlace) {
  EXPECT_EQ(SetProfileValue(kFile, "配置", "计算精度", "50"),
            "; settings of the calculator\r\n"
            "[Other]\r\n"
            "计算精度=9\r\n"
            "\r\n"
            "[配置]\r\n"
            "计算精度=50\r\n"
            "Width=10\r\n"
            "; a comment=not a key\r\n"
            "\r\n"
            "[配置]\r\n"
            "小数保留位数=7\r\n");
}

TEST(ProfileText, WritingAddsAMissingKeyAtTheEndOfItsSection) {
  EXPECT_EQ(SetProfileValue("[A]\r\nx=1\r\n\r\n[B]\r\ny=2", "a", "z", "3"),
            "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2");
  EXPECT_EQ(SetProfileValue("[A]\r\nx=1\r\n\r\n[B]\r\ny=2", "B", "z", "3"),
            "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\nz=3\r\n");
}

TEST(ProfileText, WritingAddsAMissingSectionAtTheEnd) {
  EXPECT_EQ(SetProfileValue("", "配置", "计算精度", "3"), "[配置]\r\n计算精度=3\r\n");
  EXPECT_EQ(SetProfileValue("[A]\nx=1", "B", "y", "2"), "[A]\nx=1\r\n[B]\r\ny=2\r\n");
}

TEST(ProfileText, AValueNeverBreaksItsLine) {
  const std::string text = SetProfileValue("[A]\r\n", "A", "x", "1\r\n[B]\r\ny=2");
  EXPECT_EQ(text, "[A]\r\nx=1  [B]  y=2\r\n");
  EXPECT_EQ(FindProfileValue(text, "B", "y"), std::nullopt);
}

}  // namespace
