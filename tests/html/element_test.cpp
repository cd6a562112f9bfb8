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

}  // namespace
}  // namespace html
