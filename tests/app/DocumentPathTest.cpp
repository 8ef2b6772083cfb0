#include "app/DocumentPath.h"

#include <gtest/gtest.h>

#include "app/InOutError.h"
#include "toolkit/Cp1251.h"

namespace {

TEST(DocumentPathTest, PartsOfAPath) {
  struct Case {
    const wchar_t* path;
    const wchar_t* name;
    const wchar_t* folder;
    const wchar_t* extension;
    const wchar_t* sidecar;
  };
  const Case cases[] = {
      {L"C:\\docs\\notes.pdf", L"notes.pdf", L"C:\\docs\\", L".pdf", L"notes.txt"},
      {L"C:\\a.b\\report", L"report", L"C:\\a.b\\", L"", L"report.txt"},
      {L"C:report.PDF", L"report.PDF", L"C:", L".PDF", L"report.txt"},
      {L"x.tar.gz", L"x.tar.gz", L"", L".gz", L"x.tar.txt"},
      {L"C:\\\u4e2d\u6587\\\u0444\u0430\u0439\u043b.pdf", L"\u0444\u0430\u0439\u043b.pdf", L"C:\\\u4e2d\u6587\\",
       L".pdf", L"\u0444\u0430\u0439\u043b.txt"},
  };
  for (const Case& c : cases) {
    std::wstring name = FileNamePart(c.path);
    EXPECT_EQ(name, c.name);
    EXPECT_EQ(FolderPart(c.path), c.folder);
    EXPECT_EQ(ExtensionOf(name), c.extension);
    EXPECT_EQ(SidecarNameFor(name), c.sidecar);
  }
  EXPECT_EQ(ExtensionOf(L"a.b\\c"), L"");
}

TEST(InOutErrorTest, RuntimeTexts) {
  const std::pair<int, const char*> cases[] = {{2, "File not found"},      {3, "Invalid filename"},
                                               {4, "Too many open files"}, {5, "File access denied"},
                                               {101, "Disk full"},         {32, "I/O error 32"}};
  for (auto [code, text] : cases) EXPECT_STREQ(EInOutError(code).what(), text);
}

TEST(Cp1251Test, ExactBytesBothWays) {
  EXPECT_EQ(Ru("Выход"), "\xC2\xFB\xF5\xEE\xE4");
  EXPECT_EQ(Ru("№ Ёё"), "\xB9 \xA8\xB8");
  EXPECT_EQ(Cp1251::FromWide(L"\u4e2d\U0001F600a"), "??a");
  std::string all;
  for (int b = 1; b < 256; ++b) all += char(b);
  EXPECT_EQ(Cp1251::FromWide(Cp1251::ToWide(all)), all);
  EXPECT_EQ(Cp1251::FromUtf8(Cp1251::ToUtf8(all)), all);
  EXPECT_EQ(Cp1251::FromUtf8("\xD0"), "?");          // cut sequence
  EXPECT_EQ(Cp1251::FromUtf8("\xD0\x41"), "?A");     // bad continuation
  EXPECT_EQ(Cp1251::FromUtf8("\xFF\xE2\x82\xAC"), "?\x88");  // euro sign
}

}  // namespace
