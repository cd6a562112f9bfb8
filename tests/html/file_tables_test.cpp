#include "html/file_tables.h"

#include <gtest/gtest.h>

#include "support/page_fixture.h"

namespace html {
namespace {

std::string TileCell(const std::string& name) {
  return "<td\tstyle=\"text-align : center ;\"\t>\t\t<a\thref=\"" + name + "\"\t>" + name + "</a>\t<br\t/>\t<a\thref=\"" +
         name + "\"\t> </a>\t</td>";
}

TEST(FileTable, OtherTrCountIsBoundedToOneToFive) {
  const std::vector<std::string> seven = {"/f/c1", "/f/c2", "/f/c3", "/f/c4", "/f/c5", "/f/c6", "/f/c7"};
  const std::string oneCell = "<tr\t>" + TileCell("c2") + "\r\n</tr>";
  const std::string lastTwo = "<tr\t>\r\n" + TileCell("c6") + "\r\n" + TileCell("c7") + "\r\n</tr>";
  const std::string fourToSix = "<tr\t>\r\n" + TileCell("c4") + "\r\n" + TileCell("c5") + "\r\n" + TileCell("c6");
  // One cell per row has no leading line break.
  for (const auto& [perRow, rows, second] : std::vector<std::tuple<int, size_t, std::string>>{
           {3, 3, fourToSix}, {1, 7, oneCell}, {0, 7, oneCell}, {9, 2, lastTwo}, {-1, 2, lastTwo}}) {
    const std::string table = FileTable(seven, {}, {1, perRow}).ToString();
    EXPECT_EQ(page_test::Count(table, "<tr"), rows) << perRow;
    const size_t at = table.find("<tr", table.find("<tr") + 1);
    EXPECT_EQ(table.substr(at, second.size()), second) << perRow;
  }
}

TEST(FileTable, AnyTileValueButOneListsTheImageBesideTheName) {
  for (int tile : {0, 2}) {
    EXPECT_TRUE(page_test::InOrder(
        FileTable({"/t/a.txt", "/t/p.png"}, {{"/t/p.png", "images/p.png.jpg"}}, {tile, 3}).ToString(),
        {"<td\tstyle=\"text-align : center ;\"\t>\t\t<a\thref=\"p.png\"\t><img\tclass=\"data_ia\"\t"
         "src=\"images/p.png.jpg\"\talt=\"p.png\"\ttitle=\"p.png\"\t/></a>\t</td>\t<td\t>\t\t<a\thref=\"p.png\"\t>p.png</a>",
         "<td\tstyle=\"text-align : center ;\"\t> </td>\t<td\t>\t\t<a\thref=\"a.txt\"\t>a.txt</a>\t</td>"}))
        << tile;
  }
}

}  // namespace
}  // namespace html
