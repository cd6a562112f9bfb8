#include "html/file_tables.h"

#include <gtest/gtest.h>

#include "support/page_fixture.h"

namespace html {
namespace {

using Thumbnails = std::map<std::string, std::string>;

std::string Rows(const std::vector<std::string>& entries, const TableSettings& settings,
                 const Thumbnails& thumbnails = {}) {
  const Element block = FileTable(entries, thumbnails, settings);
  return block.Elements().at(0).Text();
}

std::string TileCell(const std::string& name, const std::string& image = " ") {
  return "<td\tstyle=\"text-align : center ;\"\t>\t\t<a\thref=\"" + name + "\"\t>" + name + "</a>\t<br\t/>\t<a\thref=\"" +
         name + "\"\t>" + image + "</a>\t</td>";
}

TEST(FileTable, OtherTrCountIsBoundedToOneToFive) {
  const std::vector<std::string> seven = {"/f/c1", "/f/c2", "/f/c3", "/f/c4", "/f/c5", "/f/c6", "/f/c7"};
  const std::string oneCell = "<tr\t>" + TileCell("c2") + "\r\n</tr>";
  const std::string lastTwo = "<tr\t>\r\n" + TileCell("c6") + "\r\n" + TileCell("c7") + "\r\n</tr>";
  struct Case {
    TableSettings settings;
    size_t rows;
    std::string second;
  };
  // The default is three; one cell per row has no leading line break.
  for (const Case& c : {Case{{}, 3, "<tr\t>\r\n" + TileCell("c4") + "\r\n" + TileCell("c5") + "\r\n" +
                                        TileCell("c6") + "\r\n</tr>"},
                        Case{{1, 1}, 7, oneCell}, Case{{1, 0}, 7, oneCell}, Case{{1, 9}, 2, lastTwo},
                        Case{{1, -1}, 2, lastTwo}}) {
    const std::string rows = Rows(seven, c.settings);
    EXPECT_EQ(page_test::Count(rows, "<tr"), c.rows) << c.settings.perRow;
    const size_t second = rows.find("<tr", rows.find("<tr") + 1);
    EXPECT_EQ(rows.substr(second, c.second.size()), c.second) << c.settings.perRow;
  }
}

TEST(FileTable, TileShowsNameBreakAndImageLinkAnyOtherValueListCells) {
  EXPECT_EQ(Rows({"/t/a.txt"}, {1, 3}), "\r\n\r\n<tr\t>\r\n" + TileCell("a.txt") + "\r\n</tr>\r\n\r\n\r\n");
  for (int tile : {0, 2}) {
    EXPECT_NE(Rows({"/t/a.txt"}, {tile, 3})
                  .find("<td\tstyle=\"text-align : center ;\"\t> </td>\t<td\t>\t\t<a\thref=\"a.txt\"\t>a.txt</a>\t</td>"),
              std::string::npos)
        << tile;
  }
}

TEST(FileTable, AThumbnailBecomesTheImageOfTheCellAndComesFirst) {
  const Thumbnails thumbnails = {{"/www/p.png", ".//images/p.png.jpg"}};
  const std::string rows = Rows({"/www/first.txt", "/www/p.png"}, {1, 3}, thumbnails);
  EXPECT_EQ(rows, "\r\n<tr\t>\r\n" +
                      TileCell("p.png",
                               "<img\tclass=\"data_br\"\tsrc=\".//images/p.png.jpg\"\talt=\"p.png\"\ttitle=\"p.png\"\t/>") +
                      "\r\n</tr>\r\n<tr\t>\r\n" + TileCell("first.txt") + "\r\n</tr>\r\n\r\n\r\n");
}

TEST(FileTable, AnEmptyListGivesFiveLineBreaks) {
  EXPECT_EQ(FileTable({}, {}, {}).ToString(),
            "<div\tstyle=\"text-align : center ;\"\t>\t\t<table\tstyle=\"margin-left : auto ;\tmargin-right : auto ;\"\t>"
            "\r\n\r\n\r\n\r\n\r\n</table>\t</div>");
}

}  // namespace
}  // namespace html
