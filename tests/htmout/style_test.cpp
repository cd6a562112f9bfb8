#include <gtest/gtest.h>

#include "htmout/xml_style.h"

namespace {

TEST(XmlStyle, SkipsIncompletePropertiesAndTrims) {
  v_Xml_Style styles;
  EXPECT_EQ(styles.ToString(), "");
  styles.Add("a", "");
  styles.Add(std::string("b"), std::string("1"));
  EXPECT_EQ(styles.ToString(), "b : 1 ;");
  styles.Add("", "2");
  styles.Add("c", "2");
  EXPECT_EQ(styles.ToString(), "b : 1 ;\tc : 2 ;");

  v_Xml_Style spaced;
  spaced.Add("\xE3\x80\x80 width", "3px");  // ideographic space first
  EXPECT_EQ(spaced.ToString(), "width : 3px ;");
}

TEST(XmlStyle, CountsAndOutOfRange) {
  v_Xml_Style styles;
  styles.Add("a", "1");
  styles.Add("a", "2");
  EXPECT_EQ(styles.GetCount(), 2);
  EXPECT_EQ(styles.GetAt(1).GetValue(), "2");
  EXPECT_EQ(styles.GetAt(2).GetName(), "");
  EXPECT_EQ(styles.GetAt(-1).GetValue(), "");

  Xml_Style style;
  EXPECT_TRUE(style.Set("color", nullptr));
  EXPECT_EQ(style.GetName(), "color");
  EXPECT_EQ(style.GetValue(), "");
}

}  // namespace
