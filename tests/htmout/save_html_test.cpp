#include <gtest/gtest.h>

#include <filesystem>

#include "htmout/htmout.h"
#include "htmout/xml_out.h"
#include "platform/folders.h"
#include "support/debug_log_reader.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"

namespace {

std::string Saved(const Xml_E& root, const std::string& name) {
  const std::string path = sandbox::Path(name);
  EXPECT_TRUE(htmout::SaveHtml(root, path));
  return sandbox::ReadFile(path);
}

// The fall-back copy that a failed save leaves in the temporary work folder.
std::string FallbackCopy(const std::string& path) {
  std::string folder = GetTempWorkFolder();
  if (folder.back() != '/') folder += '/';
  return sandbox::ReadFile(folder + ToSafeFileName(path));
}

Xml_E Named(const char* name, const char* text = "") {
  Xml_E element(name);
  element.SetText(text);
  return element;
}

TEST(SaveHtml, FiveLineExample) {
  Xml_E head("head");
  head.AddElement(htmout::Title("T"));
  Xml_E html = htmout::Html();
  html.AddElement(head);
  EXPECT_EQ(Saved(html, "five.htm"),
            "<!DOCTYPE html>\r\n<html\tlang=\"ja\"\t>\r\n\t<head\t>\r\n\t\t<title\t>T</title>\r\n\t\t</head>\r\n"
            "\t</html>\r\n");
}

TEST(SaveHtml, EmptyRootGivesOnlyTheDocumentType) {
  EXPECT_EQ(Saved(Xml_E(), "empty.htm"), "<!DOCTYPE html>\r\n");
}

TEST(SaveHtml, QuotesSelfClosingTagsAndComments) {
  Xml_E body("body");
  Xml_E img("img");
  img.AddAttribute("alt", "a \"b\"");
  img.AddAttribute("title", "it's");
  body.AddElement(img);
  body.AddElement(Named("br"));
  Xml_E comment;
  comment.SetComment("x--y");
  comment.AddElement(Named("p", "t"));
  body.AddElement(comment);
  Xml_E plain;
  plain.SetComment("x");
  body.AddElement(plain);
  EXPECT_EQ(Saved(body, "mixed.htm"),
            "<!DOCTYPE html>\r\n"
            "<body\t>\r\n"
            "\t<img\talt='a \"b\"'\ttitle=\"it's\"\t/>\r\n"
            "\t<br\t/>\r\n"
            "\t<!--\tx-\ty\t-->\r\n\t<!--\r\n\t\t<p\t>t</p>\r\n\t\t-->\r\n"
            "\t<!--\tx\t-->\r\n"
            "\t</body>\r\n");
}

TEST(SaveHtml, DepthTwentyIsIndentedWithThirteenTabs) {
  Xml_E chain = Named("e20");
  for (int depth = 19; depth >= 0; --depth) {
    Xml_E parent(("e" + std::to_string(depth)).c_str());
    parent.AddElement(std::move(chain));
    chain = std::move(parent);
  }
  std::string expected = "<!DOCTYPE html>\r\n";
  for (int depth = 0; depth < 20; ++depth)
    expected += std::string(std::min(depth, 13), '\t') + "<e" + std::to_string(depth) + "\t>\r\n";
  expected += std::string(13, '\t') + "<e20\t/>\r\n";
  for (int depth = 19; depth >= 0; --depth)
    expected += std::string(std::min(depth + 1, 13), '\t') + "</e" + std::to_string(depth) + ">\r\n";
  EXPECT_EQ(Saved(chain, "deep.htm"), expected);
}

TEST(SaveHtml, WritesUtf8WithoutByteOrderMark) {
  EXPECT_EQ(Saved(htmout::Div("写真"), "utf8.htm"), "<!DOCTYPE html>\r\n<div\t>写真</div>\r\n");
  const std::string path = sandbox::Path("text.txt");
  EXPECT_TRUE(WriteTextFile(path, "a\r\nß"));
  EXPECT_EQ(sandbox::ReadFile(path), "a\r\nß");
}

TEST(SaveHtml, UnwritableTargetLeavesACopyInTheWorkFolder) {
  ManualClock clock;  // the open attempts wait without sleeping
  const std::string path = sandbox::Path("missing folder/page.htm");
  EXPECT_FALSE(htmout::SaveHtml(htmout::Div("d"), path));
  EXPECT_EQ(FallbackCopy(path), "<!DOCTYPE html>\r\n<div\t>d</div>\r\n");
  EXPECT_NE(DebugLogText().find("Can't open wb  " + path), std::string::npos);
}

TEST(SaveHtml, FailedWritingCountsAsFailure) {
  // The device opens but takes no bytes.
  EXPECT_FALSE(htmout::SaveHtml(htmout::Div("d"), "/dev/full"));
  EXPECT_NE(DebugLogText().find("Can't write wb  /dev/full"), std::string::npos);
  EXPECT_EQ(FallbackCopy("/dev/full"), "<!DOCTYPE html>\r\n<div\t>d</div>\r\n");
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));   // a cut page goes, a device stays
}

}  // namespace
