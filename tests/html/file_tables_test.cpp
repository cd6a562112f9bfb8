#include "html/file_tables.h"

#include <gtest/gtest.h>

#include <regex>


namespace html {
namespace {

const std::string kCentred = "<td\tstyle=\"text-align : center ;\"\t>";

// "other_tr_count" 0 counts as 1, above 5 (negative values included) as 5;
// the second row starts with the given line break and cell.
TEST(FileTable, CellsPerRowAreBoundedToOneToFive) {
  for (const auto& [perRow, rows, lead, second] : std::vector<std::tuple<int, std::ptrdiff_t, std::string, std::string>>{
           {3, 2, "\r\n", "c4"}, {2, 3, "\r\n", "c3"}, {1, 6, "", "c2"}, {0, 6, "", "c2"}, {9, 2, "\r\n", "c6"},
           {-1, 2, "\r\n", "c6"}}) {
    const std::string table = FileTable({"/c1", "/c2", "/c3", "/c4", "/c5", "/c6"}, {}, {1, perRow}).ToString();
    const std::regex row("<tr");
    EXPECT_EQ(std::distance(std::sregex_iterator(table.begin(), table.end(), row), std::sregex_iterator()), rows) << perRow;
    EXPECT_NE(table.find("<tr\t>" + lead + kCentred + "\t\t<a\thref=\"" + second + "\""), std::string::npos) << perRow;
  }
}

// Any "other_tr_is_Tile" value but 1 (2 too, not only 0) puts the image, or a
// blank, in a cell of its own before the name; a row of one cell has no
// leading line break.
TEST(FileTable, AnyTileValueButOneListsTheImageBesideTheName) {
  EXPECT_EQ(FileTable({"/t/a.txt", "/t/p.png"}, {{"/t/p.png", "images/p.png.jpg"}}, {2, 1}).Elements().at(0).Text(),
            "\r\n<tr\t>" + kCentred + "\t\t<a\thref=\"p.png\"\t><img\tclass=\"data_ia\"\tsrc=\"images/p.png.jpg\"\t" +
                "alt=\"p.png\"\ttitle=\"p.png\"\t/></a>\t</td>\t<td\t>\t\t<a\thref=\"p.png\"\t>p.png</a>\t</td>" +
                "\r\n</tr>\r\n" +
                "<tr\t>" + kCentred + " </td>\t<td\t>\t\t<a\thref=\"a.txt\"\t>a.txt</a>\t</td>\r\n</tr>\r\n\r\n\r\n");
}

}  // namespace
}  // namespace html
