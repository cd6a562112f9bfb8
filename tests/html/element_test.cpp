#include "html/element.h"

#include <gtest/gtest.h>

namespace html {
namespace {

Element Named(const char* name, const char* text = "") {
  Element element(name);
  element.SetText(text);
  return element;
}

std::vector<std::string> ChildNames(const Element& element) {
  std::vector<std::string> names;
  for (const Element& child : element.Elements()) names.push_back(child.Name());
  return names;
}

TEST(Element, FragmentsFlattenAndLoseTextAndAttributes) {
  Element parent("div");
  parent.AddElement(Element());
  EXPECT_TRUE(parent.Elements().empty());

  Element inner;
  inner.AddElement(Named("b"));
  inner.AddElement(Named("c"));
  Element outer;
  outer.AddElement(Named("a"));
  outer.AddElement(inner);
  outer.AddElement(Named("d"));
  outer.SetText("lost");
  outer.AddAttribute("class", "lost");
  parent.AddElement(outer);
  EXPECT_EQ(ChildNames(parent), (std::vector<std::string>{"a", "b", "c", "d"}));

  Element textOnly;
  textOnly.SetText("x");
  parent.AddElement(std::move(textOnly));
  EXPECT_EQ(parent.Elements().size(), 4u);
  EXPECT_EQ(parent.Text(), "");
}

TEST(Element, MovedAndCopiedChildrenAreEqual) {
  Element fragment;
  fragment.AddElement(Named("a", "1"));
  fragment.AddElement(Named("b", "2"));
  Element byCopy("p");
  byCopy.AddElement(fragment);
  Element byMove("p");
  byMove.AddElement(std::move(fragment));
  EXPECT_EQ(byCopy.ToString(), byMove.ToString());
  EXPECT_EQ(ChildNames(byMove), (std::vector<std::string>{"a", "b"}));
}

TEST(Element, AddingItselfAppendsASnapshot) {
  Element element("ul");
  element.AddElement(Named("li"));
  element.AddElement(element);
  EXPECT_EQ(ChildNames(element), (std::vector<std::string>{"li", "ul"}));
  EXPECT_EQ(element.Elements()[1].Elements().size(), 1u);

  Element fragment;
  fragment.AddElement(Named("x"));
  fragment.AddElement(fragment);
  EXPECT_EQ(ChildNames(fragment), (std::vector<std::string>{"x", "x"}));
}

TEST(Element, CommentBodyNeverHoldsTwoHyphens) {
  for (const auto& [text, body] : std::vector<std::pair<std::string, std::string>>{
           {"a--b", "\ta-\tb\t"}, {"---", "\t-\t-\t"}, {"----", "\t-\t-\t\t"}, {"", "\t\t"}}) {
    Element comment;
    comment.SetComment(text);
    EXPECT_TRUE(comment.IsComment());
    EXPECT_EQ(comment.Name(), "---");
    EXPECT_EQ(comment.Text(), body) << text;
  }
}

TEST(Element, ToStringOfTaggedElements) {
  EXPECT_EQ(Named("br").ToString(), "<br\t/>");
  EXPECT_EQ(Named("b", "t").ToString(), "<b\t>t</b>");

  Element a("a");
  a.AddAttribute("href", "say \"hi\"");
  a.SetText("t");
  a.AddElement(Named("i", "x"));
  a.AddElement(Named("br"));
  EXPECT_EQ(a.ToString(), "<a\thref=\"say \"hi\"\"\t>t\t\t<i\t>x</i>\t<br\t/>\t</a>");

  Element p("p");
  p.AddElement(Named("br"));
  EXPECT_EQ(p.ToString(), "<p\t>\t\t<br\t/>\t</p>");

  // Attributes keep their order, duplicates included.
  Element q("p", {{"class", "x"}, {"class", "y"}});
  q.AddAttribute("id", "");
  EXPECT_EQ(q.ToString(), "<p\tclass=\"x\"\tclass=\"y\"\tid=\"\"\t/>");
}

TEST(Element, ToStringOfFragmentsAndComments) {
  Element fragment;
  fragment.AddElement(Named("a"));
  fragment.AddElement(Named("b"));
  EXPECT_EQ(fragment.ToString(), "<a\t/>\t<b\t/>");
  EXPECT_EQ(Element().ToString(), "");
  // A fragment with a text stands for that text.
  fragment.SetText("plain");
  EXPECT_EQ(fragment.ToString(), "plain");

  Element comment;
  comment.SetComment("c");
  EXPECT_EQ(comment.ToString(), "<!--\tc\t-->");
  comment.AddElement(Named("a"));
  comment.AddElement(Named("b", "t"));
  EXPECT_EQ(comment.ToString(), "<!--\tc\t-->\r\n<!--<a\t/>\t<b\t>t</b>-->");
}

TEST(StyleText, SkipsIncompletePropertiesAndTrims) {
  EXPECT_EQ(StyleText({}), "");
  EXPECT_EQ(StyleText({{"a", ""}, {"b", "1"}}), "b : 1 ;");
  EXPECT_EQ(StyleText({{"a", ""}, {"b", "1"}, {"", "2"}, {"c", "2"}}), "b : 1 ;\tc : 2 ;");
  EXPECT_EQ(StyleText({{"\xE3\x80\x80 width", "3px"}}), "width : 3px ;");  // ideographic space first
}

TEST(Builders, SimpleElements) {
  EXPECT_EQ(Html().ToString(), "<html\tlang=\"ja\"\t/>");
  Element head("head");
  head.AddElement(Title(""));
  EXPECT_EQ(head.ToString(), "<head\t/>");
  EXPECT_EQ(Title("T").ToString(), "<title\t>T</title>");
  EXPECT_EQ(Div("d").ToString(), "<div\t>d</div>");
  EXPECT_EQ(DivCenter().ToString(), "<div\tstyle=\"text-align : center ;\"\t/>");
  EXPECT_EQ(DivRight("").ToString(), "<div\tstyle=\"text-align : right ;\"\t/>");
  EXPECT_EQ(DivRight("r").ToString(), "<div\tstyle=\"text-align : right ;\"\t>r</div>");
  EXPECT_EQ(A("h", "").Text(), " ");
  EXPECT_EQ(A("h", "t").ToString(), "<a\thref=\"h\"\t>t</a>");
}

TEST(Builders, ImagesLinksAndScripts) {
  EXPECT_EQ(Img("", "a.png", "x").ToString(), "<img\tsrc=\"a.png\"\talt=\"x\"\ttitle=\"x\"\t/>");
  EXPECT_EQ(Stylesheet("s.css").ToString(), "<link\trel=\"stylesheet\"\thref=\"s.css\"\t/>");
  EXPECT_EQ(ScriptSrc("j.js").ToString(), "<script\ttype=\"text/javascript\"\tsrc=\"j.js\"\t>\t</script>");
  EXPECT_EQ(ScriptSrc("").ToString(), "<script\ttype=\"text/javascript\"\t>\t</script>");
}

TEST(Builders, Cells) {
  const std::string image = "<a\thref=\"f\"\t><img\tclass=\"c\"\tsrc=\"i.png\"\talt=\"f\"\ttitle=\"f\"\t/></a>";
  EXPECT_EQ(TdImageWithCaption("c", "i.png", "f", "name").ToString(),
            "<td\tstyle=\"text-align : center ;\"\t>\t\t<a\thref=\"f\"\t>name</a>\t<br\t/>\t" + image + "\t</td>");
  EXPECT_EQ(TdImageAndLink("c", "i.png", "f", "name").ToString(),
            "<td\tstyle=\"text-align : center ;\"\t>\t\t" + image +
                "\t</td>\t<td\t>\t\t<a\thref=\"f\"\t>name</a>\t</td>");
  EXPECT_EQ(TdImageAndLink("c", "", "f", "name").Elements()[0].ToString(),
            "<td\tstyle=\"text-align : center ;\"\t> </td>");
  // Without an image the anchor is never empty.
  EXPECT_EQ(TdImageWithCaption("c", "", "f", "name").Elements()[2].ToString(), "<a\thref=\"f\"\t> </a>");
}

}  // namespace
}  // namespace html
