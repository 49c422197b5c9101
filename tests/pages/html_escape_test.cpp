#include "pages/html_escape.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace tessolar {
namespace {

TEST(HtmlEscape, TextAndAttributes) {
  EXPECT_EQ(EscapeHtml("Tom & Jerry's \"<b>\""), "Tom &amp; Jerry&#39;s &quot;&lt;b&gt;&quot;");
  EXPECT_EQ(EscapeHtml("Año €"), "Año €");
  EXPECT_EQ(EscapeHtml(""), "");
}

TEST(HtmlEscape, CssStringsKeepOnlyPlainCharactersLiteral) {
  EXPECT_EQ(EscapeCssString("Times New Roman"), "Times New Roman");
  EXPECT_EQ(EscapeCssString("Gill_Sans-MT Ünï"), "Gill_Sans-MT Ünï");
  EXPECT_EQ(EscapeCssString("a\"b'c;d}e<f\\g"), "a\\22 b\\27 c\\3b d\\7d e\\3c f\\5c g");
  EXPECT_EQ(EscapeCssString(std::string("a\nb\0c", 5)), "a\\a b\\fffd c");
}

TEST(HtmlEscape, CssValuesKeepColoursAndDropEverythingElse) {
  EXPECT_EQ(SanitizeCssValue("gray"), "gray");
  EXPECT_EQ(SanitizeCssValue("#A0B0C0"), "#A0B0C0");
  EXPECT_EQ(SanitizeCssValue("rgb(10, 20, 30)"), "rgb(10, 20, 30)");
  EXPECT_EQ(SanitizeCssValue("hsl(120, 50%, 50%)"), "hsl(120, 50%, 50%)");
  EXPECT_EQ(SanitizeCssValue("red;background:blue"), "redbackgroundblue");
  EXPECT_EQ(SanitizeCssValue("red' onmouseover='x"), "red onmouseoverx");
  EXPECT_EQ(SanitizeCssValue("url(evil.png)"), "");
  EXPECT_EQ(SanitizeCssValue("red;background:URL(x)"), "");
  EXPECT_EQ(SanitizeCssValue("expression(alert(1))"), "");
  EXPECT_EQ(SanitizeCssValue("image-set(x 1x)"), "");
}

TEST(HtmlEscape, PictureUrlsLoadAnyFileNameAndNeverRunScript) {
  EXPECT_EQ(PictureUrl("/home/ann/My Pictures/a#1 100%.jpg"),
            "file:///home/ann/My%20Pictures/a%231%20100%25.jpg");
  EXPECT_EQ(PictureUrl("/bilder/Mädchen/日本.gif"),
            "file:///bilder/M%C3%A4dchen/%E6%97%A5%E6%9C%AC.gif");
  EXPECT_EQ(PictureUrl("/a/b\"onerror=\"x.gif"), "file:///a/b%22onerror%3D%22x.gif");
  EXPECT_EQ(PictureUrl("null"), "null");
  EXPECT_EQ(PictureUrl(""), "");
  EXPECT_EQ(PictureUrl("javascript:alert(1)"), "javascript%3Aalert%281%29");
  EXPECT_EQ(PictureUrl("JaVaScRiPt:x"), "JaVaScRiPt%3Ax");
  EXPECT_EQ(PictureUrl("C:\\clip\\bear.gif"), "C%3A%5Cclip%5Cbear.gif");
}

TEST(HtmlEscape, RelativePicturesThatExistBecomeAbsoluteFileUrls) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "tessolar_relative_picture";
  fs::create_directories(dir);
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  std::ofstream("here pic.gif") << "GIF89a";
  const std::string url = PictureUrl("here pic.gif");
  fs::current_path(previous);
  fs::remove_all(dir);
  EXPECT_EQ(url, "file://" + PercentEncodePath((dir / "here pic.gif").string()));
}

}  // namespace
}  // namespace tessolar
