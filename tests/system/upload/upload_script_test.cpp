// The reference upload script on its own, under php -S: which names it
// stores, which requests it takes, and how it replaces a stored file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "net/form_data.h"
#include "support/sandbox.h"
#include "support/upload_site.h"

namespace fs = std::filesystem;

namespace {

// PHP's temporary folder on another file system than the page folder, so
// that moving an upload in place is a copy, as on many servers.
struct OtherFileSystemFolder {
  const std::string path = "/dev/shm/wx_pub_upload_script_" + std::to_string(::getpid());
  OtherFileSystemFolder() { fs::create_directories(path); }
  ~OtherFileSystemFolder() { fs::remove_all(path); }
};

const std::string& Docroot() {
  static const std::string docroot = WithUploadScript(sandbox::Path("script_www"));
  return docroot;
}

std::string DataPath(const std::string& name = "") { return Docroot() + "/up/data/" + name; }

uint16_t ScriptPort() {
  static const OtherFileSystemFolder temporary;
  static const testserver::PhpServer server(Docroot(), {"post_max_size=1M", "upload_tmp_dir=" + temporary.path});
  return server.port;
}

// A form part; one without a file name is a plain field.
struct Part {
  std::string field;
  std::string fileName;
  std::string content;
};

struct Answer {
  std::string status;
  std::string text;
};

// One POST of the parts, their file names written as the tool writes them.
Answer Post(const std::vector<Part>& parts) {
  static int calls = 0;
  const std::string base = sandbox::Path("script_post" + std::to_string(++calls));
  std::string body;
  for (const Part& part : parts) {
    body += "--XX\r\nContent-Disposition: form-data; name=\"" + part.field + "\"";
    if (!part.fileName.empty()) body += "; filename=\"" + net::EscapeFormFileName(part.fileName) + "\"";
    body += "\r\n\r\n" + part.content + "\r\n";
  }
  sandbox::WriteFile(base + ".body", body + "--XX--\r\n");
  testserver::RunCommand({"curl", "-s", "--noproxy", "*", "-o", base + ".answer", "-w", "%{http_code}", "--data-binary",
                          "@" + base + ".body", "-H", "Content-Type: multipart/form-data; boundary=XX",
                          "http://" + testserver::LocalServer(ScriptPort()) + kUploadScript},
                         base + ".status");
  return {sandbox::ReadFile(base + ".status"), sandbox::ReadFile(base + ".answer")};
}

Answer PostFile(const std::string& name, const std::string& content) { return Post({{"file_img", name, content}}); }

std::set<std::string> Stored() {
  std::set<std::string> names;
  if (!fs::exists(DataPath())) return names;
  for (const auto& entry : fs::directory_iterator(DataPath())) names.insert(entry.path().filename().string());
  return names;
}

// Plain names are stored as sent (a double quote escaped); what a server
// would run, or a look-alike of it, is refused.
TEST(UploadScript, StoresPlainNamesAndRefusesWhatAServerWouldRunInAnyPart) {
  const std::pair<std::string, std::string> stored[] = {{"photo.png", "photo.png"}, {"写真 一覧.jpg", "写真 一覧.jpg"},
      {"a&b'c d.tar.gz", "a&b'c d.tar.gz"}, {"50%22off.txt", "50%22off.txt"}, {"say \"hi\".txt", "say %22hi%22.txt"}};
  for (const auto& [sent, name] : stored) {
    EXPECT_EQ(PostFile(sent, "bytes of " + sent).status, "200") << sent;
    EXPECT_EQ(sandbox::ReadFile(DataPath(name)), "bytes of " + sent) << sent;
  }
  for (const std::string refused : {"a.php.jpg", ".htaccess", "PAGE.PHTML", "a.php5", "a.phps", "a.shtml", "a.inc.txt",
                                    "run.fcgi", "a.cgi.", "a.php .jpg", ".user.ini", "x.htpasswd", "sub/a.txt",
                                    // look-alike dots: full-width full stop, one dot leader, small full stop, in front
                                    "x\xEF\xBC\x8Ephp", "x\xE2\x80\xA4pl", "x\xEF\xB9\x92sh", "\xEF\xBC\x8Ehtaccess",
                                    "x.\xEF\xBD\x90\xEF\xBD\x99"}) {   // full-width "py"
    const Answer answer = PostFile(refused, "bytes");
    EXPECT_EQ(answer.status + " " + answer.text, "403 name refused\n") << refused;
  }
}

TEST(UploadScript, TakesExactlyOneFilePartAndSaysWhyNot) {
  const Part file{"file_img", "one.txt", "one"};
  const std::string many = "400 more than one file_img part\n";
  const struct {
    std::vector<Part> parts;
    std::string answer;
  } cases[] = {
      {{file}, "200 OK\n"},
      {{file, {"file_img", "two.txt", "two"}}, many},
      {{file, {"other", "two.txt", "two"}}, many},
      {{{"file_img[]", "one.txt", "one"}}, many},
      {{{"file_img", "", "not a file"}}, "400 no file_img part\n"},
      {{}, "400 no file_img part\n"},
      {{{"file_img", "big.bin", std::string(1048577, 'b')}}, "413 request too large\n"},
  };
  for (const auto& c : cases) {
    fs::remove_all(DataPath());
    const Answer answer = Post(c.parts);
    EXPECT_EQ(answer.status + " " + answer.text, c.answer) << c.parts.size();
    EXPECT_EQ(Stored(), c.answer.starts_with("200") ? std::set<std::string>{"one.txt"} : std::set<std::string>{})
        << c.answer;
  }
}

// A file is replaced in one step: whoever has the old one open reads it
// whole, and a replacement that cannot be stored leaves no trace.
TEST(UploadScript, ReplacesAStoredFileInOneStep) {
  fs::remove_all(DataPath());
  const std::string old(300000, 'o');
  ASSERT_EQ(PostFile("kept.bin", old).status, "200");
  std::ifstream reader(DataPath("kept.bin"), std::ios::binary);
  ASSERT_EQ(PostFile("kept.bin", std::string(300000, 'n')).status, "200");
  std::ostringstream held;
  held << reader.rdbuf();
  EXPECT_TRUE(held.str() == old) << held.str().substr(0, 1) << "... " << held.str().size() << " bytes";
  EXPECT_TRUE(sandbox::ReadFile(DataPath("kept.bin")) == std::string(300000, 'n'));

  fs::create_directories(DataPath("taken.txt/inside"));   // a folder cannot be replaced by a file
  const Answer answer = PostFile("taken.txt", "new");
  EXPECT_EQ(answer.status + " " + answer.text, "500 cannot store file\n");
  EXPECT_TRUE(fs::exists(DataPath("taken.txt/inside")));
  EXPECT_EQ(Stored(), (std::set<std::string>{"kept.bin", "taken.txt"}));
}

}  // namespace
