#include "html/file_tables.h"

#include <gtest/gtest.h>

#include "support/page_fixture.h"

namespace html {
namespace {

// "other_tr_count" 0 counts as 1, above 5 (negative values included) as 5.
TEST(FileTable, CellsPerRowAreBoundedToOneToFive) {
  const std::string cell = "<td\tstyle=\"text-align : center ;\"\t>\t\t<a\thref=\"";
  for (const auto& [perRow, rows, second] : std::vector<std::tuple<int, size_t, std::string>>{
           {3, 2, "\r\n" + cell + "c4"}, {2, 3, "\r\n" + cell + "c3"}, {1, 6, cell + "c2"}, {0, 6, cell + "c2"},
           {9, 2, "\r\n" + cell + "c6"}, {-1, 2, "\r\n" + cell + "c6"}}) {
    const std::string table = FileTable({"/f/c1", "/f/c2", "/f/c3", "/f/c4", "/f/c5", "/f/c6"}, {}, {1, perRow}).ToString();
    EXPECT_EQ(page_test::Count(table, "<tr"), rows) << perRow;
    EXPECT_NE(table.find("<tr\t>" + second + "\""), std::string::npos) << perRow;
  }
}

// Any "other_tr_is_Tile" value but 1 (2 too, not only 0) puts the image, or a
// blank, in a cell of its own before the name; a row of one cell has no
// leading line break.
TEST(FileTable, AnyTileValueButOneListsTheImageBesideTheName) {
  EXPECT_EQ(FileTable({"/t/a.txt", "/t/p.png"}, {{"/t/p.png", "images/p.png.jpg"}}, {2, 1}).Elements().at(0).Text(),
            "\r\n<tr\t><td\tstyle=\"text-align : center ;\"\t>\t\t<a\thref=\"p.png\"\t><img\tclass=\"data_ia\"\tsrc=\"images/p.png.jpg\"\t"
            "alt=\"p.png\"\ttitle=\"p.png\"\t/></a>\t</td>\t<td\t>\t\t<a\thref=\"p.png\"\t>p.png</a>\t</td>\r\n</tr>\r\n"
            "<tr\t><td\tstyle=\"text-align : center ;\"\t> </td>\t<td\t>\t\t<a\thref=\"a.txt\"\t>a.txt</a>\t</td>\r\n</tr>\r\n\r\n\r\n");
}

}  // namespace
}  // namespace html
