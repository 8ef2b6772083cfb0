// What the program's resource script gives the module, read back through the
// system's own loaders: the icon at the sizes windows ask for, the version
// text, and the manifest's choice of the version 6 common controls.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

// The icon's pixel at a point of its 32 x 32 layout grid, as 0x00RRGGBB.
COLORREF IconPixel(HICON icon, int side, int gridX, int gridY) {
  ICONINFO info{};
  EXPECT_TRUE(GetIconInfo(icon, &info));
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = side;
  bi.bmiHeader.biHeight = -side;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  std::vector<uint32_t> pixels(size_t(side) * size_t(side));
  HDC dc = GetDC(nullptr);
  const int rows = GetDIBits(dc, info.hbmColor, 0, UINT(side), pixels.data(), &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_EQ(rows, side);
  return pixels[size_t(gridY * side / 32) * size_t(side) + size_t(gridX * side / 32)] & 0xFFFFFF;
}

TEST(ProgramResources, IconLoadsAtTheSizesWindowsUse) {
  for (int side : {16, 32, 48, 256}) {
    SCOPED_TRACE(side);
    HICON icon = HICON(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, side, side, 0));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(IconPixel(icon, side, 19, 19), 0x0078D7u);  // the badge in the skin's accent blue
    EXPECT_EQ(IconPixel(icon, side, 6, 26), 0xFFFFFFu);   // the page
    DestroyIcon(icon);
  }
}

TEST(ProgramResources, VersionTextIsRussianInCodePage1251) {
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));  // RT_VERSION
  ASSERT_NE(found, nullptr);
  // VerQueryValue wants a writable copy of the block.
  const auto* block = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
  std::vector<char> copy(block, block + SizeofResource(nullptr, found));
  struct Translation {
    WORD Language, CodePage;
  }* translation = nullptr;
  UINT size = 0;
  ASSERT_TRUE(
      VerQueryValueW(copy.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size));
  EXPECT_EQ(translation->Language, 0x0419);
  EXPECT_EQ(translation->CodePage, 1251);
  wchar_t* description = nullptr;
  ASSERT_TRUE(VerQueryValueW(copy.data(), L"\\StringFileInfo\\041904E3\\FileDescription",
                             reinterpret_cast<void**>(&description), &size));
  EXPECT_EQ(std::wstring(description), L"Переименование документов для портфолио");
}

// Without the manifest the loader takes the system folder's version 5 library;
// with it, the side-by-side assembly of version 6 (whose DllGetVersion says 5.81 under Wine).
TEST(ProgramResources, ManifestSelectsCommonControls6) {
  HMODULE controls = LoadLibraryW(L"comctl32.dll");
  ASSERT_NE(controls, nullptr);
  wchar_t path[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameW(controls, path, MAX_PATH), 0u);
  FreeLibrary(controls);
  std::wstring folder = path;
  CharLowerW(folder.data());
  EXPECT_NE(folder.find(L"\\winsxs\\"), std::wstring::npos) << testing::PrintToString(folder);
  EXPECT_NE(folder.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::wstring::npos)
      << testing::PrintToString(folder);
}

}  // namespace
