#include "html/element.h"

#include <gtest/gtest.h>

namespace html {
namespace {

TEST(Element, CommentBodyNeverHoldsTwoHyphens) {
  for (const auto& [text, body] : std::vector<std::pair<std::string, std::string>>{
           {"a--b", "\ta-\tb\t"}, {"---", "\t-\t-\t"}, {"----", "\t-\t-\t\t"}, {"", "\t\t"}}) {
    Element comment;
    comment.SetComment(text);
    EXPECT_TRUE(comment.IsComment());
    EXPECT_EQ(comment.Text(), body) << text;
  }
}

// Incomplete properties go; white space of any kind goes at both ends.
TEST(StyleText, SkipsIncompletePropertiesAndTrims) {
  EXPECT_EQ(StyleText({{"\xE3\x80\x80\xC2\xA0\xE2\x80\xAF width", "3px"}, {"a", ""}, {"", "2"}}), "width : 3px ;");
}

}  // namespace
}  // namespace html
