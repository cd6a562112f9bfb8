#include "htmout/xml_element.h"

#include <gtest/gtest.h>

namespace {

Xml_E Named(const char* name, const char* text = "") {
  Xml_E element(name);
  element.SetText(text);
  return element;
}

std::vector<std::string> ChildNames(const Xml_E& element) {
  std::vector<std::string> names;
  for (int i = 0; i < element.GetElementCount(); ++i) names.push_back(element.GetElementAt(i).GetName());
  return names;
}

TEST(XmlElement, FragmentsFlattenAndLoseTextAndAttributes) {
  Xml_E parent("div");
  parent.AddElement(Xml_E());
  EXPECT_EQ(parent.GetElementCount(), 0);

  Xml_E inner;
  inner.AddElement(Named("b"));
  inner.AddElement(Named("c"));
  Xml_E outer;
  outer.AddElement(Named("a"));
  outer.AddElement(inner);
  outer.AddElement(Named("d"));
  outer.SetText("lost");
  outer.AddAttribute("class", "lost");
  parent.AddElement(outer);
  EXPECT_EQ(ChildNames(parent), (std::vector<std::string>{"a", "b", "c", "d"}));

  Xml_E textOnly;
  textOnly.SetText("x");
  parent.AddElement(std::move(textOnly));
  EXPECT_EQ(parent.GetElementCount(), 4);
  EXPECT_EQ(parent.GetText(), "");
}

TEST(XmlElement, MovedAndCopiedChildrenAreEqual) {
  Xml_E fragment;
  fragment.AddElement(Named("a", "1"));
  fragment.AddElement(Named("b", "2"));
  Xml_E byCopy("p");
  byCopy.AddElement(fragment);
  Xml_E byMove("p");
  byMove.AddElement(std::move(fragment));
  EXPECT_EQ(byCopy.ToString(), byMove.ToString());
  EXPECT_EQ(ChildNames(byMove), (std::vector<std::string>{"a", "b"}));
}

TEST(XmlElement, AddingItselfAppendsASnapshot) {
  Xml_E element("ul");
  element.AddElement(Named("li"));
  element.AddElement(element);
  EXPECT_EQ(ChildNames(element), (std::vector<std::string>{"li", "ul"}));
  EXPECT_EQ(element.GetElementAt(1).GetElementCount(), 1);

  Xml_E fragment;
  fragment.AddElement(Named("x"));
  fragment.AddElement(fragment);
  EXPECT_EQ(ChildNames(fragment), (std::vector<std::string>{"x", "x"}));
}

TEST(XmlElement, CopiesAreDeepAndIndependent) {
  Xml_E root("r");
  root.AddElement(Named("c", "t"));
  Xml_E copy = root;
  copy.SetName("other");
  Xml_E child = root.GetElementAt(0);
  child.SetText("changed");
  EXPECT_EQ(root.GetName(), "r");
  EXPECT_EQ(root.GetElementAt(0).GetText(), "t");
}

TEST(XmlElement, AttributesKeepOrderAndDuplicates) {
  Xml_E element("p");
  element.AddAttribute("class", "x");
  element.AddAttribute(std::string("class"), std::string("y"));
  element.AddAttribute("id", nullptr);
  EXPECT_EQ(element.GetAttributeCount(), 3);
  EXPECT_EQ(element.GetAttribute("class"), "x");
  EXPECT_EQ(element.GetAttribute("Class"), "");
  EXPECT_EQ(element.GetAttributeAt(1).GetValue(), "y");
  EXPECT_EQ(element.GetAttributeAt(2).GetName(), "id");
  EXPECT_EQ(element.GetAttributeAt(2).GetValue(), "");
  for (int bad : {-1, 3}) {
    EXPECT_EQ(element.GetAttributeAt(bad).GetName(), "");
    EXPECT_EQ(element.GetAttributeAt(bad).GetValue(), "");
  }
}

TEST(XmlElement, OutOfRangeChildrenAreTheEmptyFragment) {
  Xml_E element("p");
  element.AddElement(Named("b"));
  EXPECT_TRUE(element.GetElementAt(-1).IsEmpty());
  EXPECT_TRUE(element.GetElementAt(1).IsEmpty());
  EXPECT_FALSE(element.GetElementAt(0).IsEmpty());
}

TEST(XmlElement, ClearAndIsEmpty) {
  Xml_E element("p");
  EXPECT_FALSE(element.IsEmpty());
  element.Clear();
  EXPECT_TRUE(element.IsEmpty());
  element.AddAttribute("a", "b");
  EXPECT_FALSE(element.IsEmpty());
  element.Clear();
  element.SetText("t");
  EXPECT_FALSE(element.IsEmpty());
}

TEST(XmlElement, CommentBodyNeverHoldsTwoHyphens) {
  Xml_E comment;
  comment.SetComment("a--b");
  EXPECT_TRUE(comment.IsComment());
  EXPECT_EQ(comment.GetName(), "---");
  EXPECT_EQ(comment.GetText(), "\ta-\tb\t");
  comment.SetComment(std::string("---"));
  EXPECT_EQ(comment.GetText(), "\t-\t-\t");
  comment.SetComment("----");
  EXPECT_EQ(comment.GetText(), "\t-\t-\t\t");
  comment.SetComment("");
  EXPECT_EQ(comment.GetText(), "\t\t");
}

TEST(XmlElement, SearchFindsFirstDescendantInDocumentOrder) {
  Xml_E root("x");
  Xml_E first("a");
  first.AddElement(Named("x", "deep"));
  root.AddElement(first);
  root.AddElement(Named("x", "shallow later"));
  EXPECT_EQ(root.GetElement("x").GetText(), "deep");
  EXPECT_EQ(root.FindElement("x").GetElementCount(), 2);
  EXPECT_TRUE(root.GetElement("nothing").IsEmpty());
  EXPECT_TRUE(root.FindElement(std::string("X")).IsEmpty());

  Xml_E parent("li");
  parent.AddElement(Named("li", "child"));
  EXPECT_EQ(parent.GetElement("li").GetText(), "child");
  EXPECT_EQ(parent.FindElement("li").GetElementCount(), 1);
}

TEST(XmlElement, ToStringOfTaggedElements) {
  EXPECT_EQ(Named("br").ToString(), "<br\t/>");
  EXPECT_EQ(Named("b", "t").ToString(), "<b\t>t</b>");

  Xml_E a("a");
  a.AddAttribute("href", "say \"hi\"");
  a.SetText("t");
  a.AddElement(Named("i", "x"));
  a.AddElement(Named("br"));
  EXPECT_EQ(a.ToString(), "<a\thref=\"say \"hi\"\"\t>t\t\t<i\t>x</i>\t<br\t/>\t</a>");

  Xml_E p("p");
  p.AddElement(Named("br"));
  EXPECT_EQ(p.ToString(), "<p\t>\t\t<br\t/>\t</p>");
  EXPECT_EQ(p.ElementsToString(), "<br\t/>");
  EXPECT_EQ(Named("p").ElementsToString(), "");
}

TEST(XmlElement, ToStringOfFragmentsAndComments) {
  Xml_E fragment;
  fragment.AddElement(Named("a"));
  fragment.AddElement(Named("b"));
  EXPECT_EQ(fragment.ToString(), "<a\t/>\t<b\t/>");
  EXPECT_EQ(Xml_E().ToString(), "");

  Xml_E comment;
  comment.SetComment("c");
  EXPECT_EQ(comment.ToString(), "<!--\tc\t-->");
  comment.AddElement(Named("a"));
  comment.AddElement(Named("b", "t"));
  EXPECT_EQ(comment.ToString(), "<!--\tc\t-->\r\n<!--<a\t/>\t<b\t>t</b>-->");
}

TEST(XmlElement, ToStringOfNamelessElementWithTextIsTheText) {
  // Only reachable by renaming: adding a fragment never keeps it.
  Xml_E element("x");
  element.SetText("plain");
  element.AddElement(Named("b"));
  element.SetName("");
  EXPECT_EQ(element.ToString(), "plain");
}

}  // namespace
