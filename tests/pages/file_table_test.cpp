#include <gtest/gtest.h>

#include "htmout/file_table.h"
#include "htmout/table_cell.h"
#include "htmout/table_rows.h"
#include "page_fixture.h"
#include "platform/file_services.h"
#include "support/sandbox.h"

using page_test::MakeFile;
using page_test::SetPreference;

namespace {

const std::vector<std::string> kSevenCells = {"c1", "c2", "c3", "c4", "c5", "c6", "c7"};

std::string TextCell(const std::string& folder) {
  MakeFile(sandbox::Path(folder + "/a.txt"));
  return HT_Make_other_td(sandbox::Path(folder + "/a.txt"));
}

}  // namespace

TEST(TableRows, OtherTrCountIsBoundedToOneToFive) {
  struct Case {
    const char* count;
    std::size_t rows;
    std::string second;
  };
  // Unset gives three; one cell per row has no leading line break.
  for (const Case& c : {Case{"", 3, "<tr\t>\r\nc4\r\nc5\r\nc6\r\n</tr>"}, Case{"1", 7, "<tr\t>c2\r\n</tr>"},
                        Case{"0", 7, "<tr\t>c2\r\n</tr>"}, Case{"9", 2, "<tr\t>\r\nc6\r\nc7\r\n</tr>"},
                        Case{"-1", 2, "<tr\t>\r\nc6\r\nc7\r\n</tr>"}}) {
    if (*c.count != '\0')
      SetPreference("other_tr_count", c.count);
    const auto rows = HT_Make_tr_rows(kSevenCells);
    ASSERT_EQ(rows.size(), c.rows) << c.count;
    EXPECT_EQ(rows[1], c.second) << c.count;
  }
  EXPECT_TRUE(HT_Make_tr_rows({}).empty());
}

TEST(TableCell, TileShowsNameBreakAndImageLinkAnyOtherValueListCells) {
  EXPECT_EQ(TextCell("tile"),
            "<td\tstyle=\"text-align : center ;\"\t>\t\t<a\thref=\"a.txt\"\t>a.txt</a>\t<br\t/>\t"
            "<a\thref=\"a.txt\"\t> </a>\t</td>");
  for (const char* tile : {"0", "2"}) {
    SetPreference("other_tr_is_Tile", tile);
    EXPECT_EQ(TextCell(std::string("list") + tile),
              "<td\tstyle=\"text-align : center ;\"\t> </td>\t"
              "<td\t>\t\t<a\thref=\"a.txt\"\t>a.txt</a>\t</td>")
        << tile;
  }
}

TEST(TableCell, AThumbnailBecomesTheImageOfTheCell) {
  const std::string root = sandbox::Path("www");
  MakeFile(root + "/p.png");
  MakeFile(root + "/images/p.png.jpg");
  EXPECT_EQ(HT_Make_other_td(root + "/p.png"),
            "<td\tstyle=\"text-align : center ;\"\t>\t\t<a\thref=\"p.png\"\t>p.png</a>\t<br\t/>\t"
            "<a\thref=\"p.png\"\t><img\tclass=\"data_br\"\tsrc=\".//images/p.png.jpg\"\talt=\"p.png\"\t"
            "title=\"p.png\"\t/></a>\t</td>");
}

TEST(OtherRows, FilesWithThumbnailsComeFirst) {
  const std::string root = sandbox::Path("www");
  MakeFile(root + "/first.txt", "x", 1000000000);
  MakeFile(root + "/second.txt", "x", 1000000000);
  MakeFile(root + "/images/second.txt.jpg", "x", 1000000000);
  const std::string rows = HT_Make_other_tr({root + "/first.txt", root + "/second.txt"}, false);
  EXPECT_TRUE(page_test::InOrder(rows, {"<tr\t>\r\n", "second.txt", "</tr>\r\n", "<tr\t>\r\n", "first.txt",
                                        "</tr>\r\n"}));
  EXPECT_EQ(page_test::Count(rows, "<img"), 1u);
}

TEST(OtherRows, AStaleThumbnailIsRemovedAndTheFileListedWithoutOne) {
  const std::string root = sandbox::Path("www");
  MakeFile(root + "/stale.txt", "x", 1000000000);
  MakeFile(root + "/images/stale.txt.jpg", "x", 1000000005);
  MakeFile(root + "/fresh.txt", "x", 1000000000);
  MakeFile(root + "/images/fresh.txt.jpg", "x", 1000000002);
  const std::string rows = HT_Make_other_tr({root + "/stale.txt", root + "/fresh.txt"}, false);
  EXPECT_FALSE(FileExists(root + "/images/stale.txt.jpg"));
  EXPECT_TRUE(FileExists(root + "/images/fresh.txt.jpg"));
  EXPECT_TRUE(page_test::InOrder(rows, {"fresh.txt.jpg", "</tr>\r\n", "stale.txt"}));
}

TEST(Table, AnEmptyListGivesFiveLineBreaks) {
  std::vector<std::string> paths;
  const Xml_E block = HT_Make_table(paths, false, "");
  EXPECT_EQ(block.GetName(), "div");
  EXPECT_EQ(block.GetAttribute("style"), "text-align : center ;");
  const Xml_E table = block.GetElement("table");
  EXPECT_EQ(table.GetAttribute("style"), "margin-left : auto ;\tmargin-right : auto ;");
  EXPECT_EQ(table.GetText(), "\r\n\r\n\r\n\r\n\r\n");
}

TEST(Table, ShowsEveryEntryAndKeepsThoseWithoutThePrefix) {
  const std::string folder = sandbox::Path("files");
  std::vector<std::string> paths = {folder + "/b.txt", folder + "/a1.txt", folder + "/sub/"};
  for (const auto& path : paths)
    MakeFile(path == folder + "/sub/" ? folder + "/sub/x" : path);
  const std::string text = HT_Make_table(paths, false, "A").GetElement("table").GetText();
  EXPECT_EQ(paths, (std::vector<std::string>{folder + "/b.txt", folder + "/sub/"}));
  // The prefix matches come first; a sub-folder is listed by its name.
  EXPECT_TRUE(page_test::InOrder(text, {">a1.txt<", ">b.txt<", ">sub<"}));

  HT_Make_table(paths, false, "");
  EXPECT_TRUE(paths.empty());
}
