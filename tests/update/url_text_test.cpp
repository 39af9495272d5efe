// The download component's text rules: URL root, directory, file name, local path, redirects.
#include <gtest/gtest.h>

#include <string>

#include "common/path_text.h"
#include "update/local_path.h"
#include "update/redirect_probe.h"
#include "update/url_text.h"

namespace porvan {
namespace {

TEST(UrlTextTest, RootDirAndFileNameOfAUrl) {
  struct {
    const char* url;
    const char* root;
    const char* dir;
    const char* fileName;
  } const cases[] = {
      {.url = "http://host/a/b.exe",
       .root = "http://host/",
       .dir = "http://host/a/",
       .fileName = "b.exe"},
      {.url = "http://host", .root = "http://host/", .dir = "http://", .fileName = "host"},
      {.url = "http://host/get.php?id=7&file=setup.exe",
       .root = "http://host/",
       .dir = "http://host/",
       .fileName = "setup.exe"},
      {.url = "http://host/a/", .root = "http://host/", .dir = "http://host/a/", .fileName = ""},
      {.url = "http://host:8080/x/y?z=/w",
       .root = "http://host:8080/",
       .dir = "http://host:8080/x/y?z=/",
       .fileName = "w"},
      {.url = "HTTP://Other/x.exe",
       .root = "HTTP://Other/",
       .dir = "HTTP://Other/",
       .fileName = "x.exe"},
      {.url = "setup.exe", .root = "setup.exe/", .dir = "setup.exe/", .fileName = "setup.exe"},
      {.url = "/lead", .root = "/lead/", .dir = "/", .fileName = "lead"},
      {.url = "a\\b=c", .root = "a\\b=c/", .dir = "a\\b=c/", .fileName = "c"},
      {.url = "", .root = "", .dir = "", .fileName = ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    EXPECT_EQ(GetURLRoot(c.url), c.root);
    EXPECT_EQ(GetURLDir(c.url), c.dir);
    EXPECT_EQ(GetURLFileName(c.url), c.fileName);
  }
}

TEST(UrlTextTest, LocalPathIsTheFolderASeparatorAndTheName) {
  struct {
    const char* name;
    const char* saveDir;
    const char* filename;
    const char* url;
    const char* savedAs;  // after the folder and the separator
  } const cases[] = {
      {.name = "folder ending in a separator keeps both",
       .saveDir = "C:\\Temp\\",
       .filename = "",
       .url = "http://host/setup.exe",
       .savedAs = "setup.exe"},
      {.name = "only the name part of a given file name",
       .saveDir = "C:\\T",
       .filename = "D:\\x\\my.exe",
       .url = "http://host/setup.exe",
       .savedAs = "my.exe"},
      {.name = "a drive-relative name",
       .saveDir = "C:\\T",
       .filename = "D:my.exe",
       .url = "http://host/setup.exe",
       .savedAs = "my.exe"},
      {.name = "blanks only count as empty",
       .saveDir = "C:\\T",
       .filename = " \t\r\n ",
       .url = "http://host/setup.exe",
       .savedAs = "setup.exe"},
      {.name = "the name part is not trimmed",
       .saveDir = "C:\\T",
       .filename = "C:\\a\\ b.exe ",
       .url = "http://host/setup.exe",
       .savedAs = " b.exe "},
      {.name = "the name after the query's last separator",
       .saveDir = "C:\\T",
       .filename = "",
       .url = "http://host/get.php?id=7&file=setup.exe",
       .savedAs = "setup.exe"},
      {.name = "a URL ending in a slash gives no name",
       .saveDir = "C:\\T",
       .filename = "",
       .url = "http://host/a/",
       .savedAs = ""},
      {.name = "Korean folder bytes pass unchanged",
       .saveDir = "C:\\\xC0\xD3\xBD\xC3",
       .filename = "",
       .url = "http://host/s.exe",
       .savedAs = "s.exe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PathToUtf8(LocalDownloadPath(c.saveDir, c.filename, c.url)),
              std::string(c.saveDir) + kPathSeparator + c.savedAs);
  }
}

TEST(UrlTextTest, RedirectTargetIsAbsoluteOnlyForHttpAndHttps) {
  struct {
    const char* location;
    const char* target;
  } const cases[] = {
      {.location = "/files/s.exe", .target = "http://host/dl/files/s.exe"},
      {.location = "s2.exe", .target = "http://host/dl/s2.exe"},
      {.location = "HTTP://Other/x.exe", .target = "HTTP://Other/x.exe"},
      {.location = "http://other/y.exe", .target = "http://other/y.exe"},
      {.location = "https://other/x.exe", .target = "https://other/x.exe"},
      {.location = "HTTPS://Other/x.exe", .target = "HTTPS://Other/x.exe"},
      {.location = "hTtPs://other/z.exe", .target = "hTtPs://other/z.exe"},
      {.location = "https:/x", .target = "http://host/dl/https:/x"},
      {.location = "httpsx://other/x", .target = "http://host/dl/httpsx://other/x"},
      {.location = "//cdn/x.exe", .target = "http://host/dl//cdn/x.exe"},
      {.location = "http:/x", .target = "http://host/dl/http:/x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.location);
    EXPECT_EQ(RedirectTarget("http://host/dl/setup.exe", c.location), c.target);
  }
}

}  // namespace
}  // namespace porvan
