// The main window driven through window messages, as a user would drive it.
#include <gtest/gtest.h>

#include <windowsx.h>

#include "app/DocumentPath.h"
#include "skin/data/ProgramResources.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/sSkinManagerWin.h"
#include "tests/gui/GuiDriver.h"
#include "toolkit/Application.h"
#include "toolkit/Cp1251.h"

namespace {

constexpr TColor kGrey = 8421504;

std::vector<std::pair<HWND, std::wstring>> openedFolders;

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    Unit1Seams().CurrentYear = [] { return 2024; };
    Unit1Seams().OpenFolder = [](HWND owner, const std::wstring& folder) { openedFolders.push_back({owner, folder}); };
    openedFolders.clear();
    systemMove_ = Unit1Seams().Move;
    driver = std::make_unique<GuiDriver>();
  }
  void TearDown() override {
    driver.reset();
    Unit1Seams().Move = systemMove_;
  }

  TForm1& F() { return driver->Form(); }

  // Number, title and a dropped document: everything a rename needs.
  void FillIn(const std::wstring& number, const std::wstring& title, const std::wstring& pdf) {
    F().n_knigi->SetFocus();
    driver->Pump();
    driver->Type(F().n_knigi->WindowHandle(), number);
    F().Memo1->SetFocus();
    driver->Pump();
    driver->Type(F().Memo1->WindowHandle(), title);
    driver->Drop({pdf});
  }

  std::unique_ptr<GuiDriver> driver;

 private:
  std::function<bool(const std::wstring&, const std::wstring&)> systemMove_;
};

TEST_F(MainWindowTest, StartUpState) {
  EXPECT_EQ(F().n_knigi->Text(), Ru("№ зач. книжки"));
  EXPECT_EQ(F().Memo1->Lines[0], Ru("Название работы"));
  EXPECT_EQ(F().workName->Text(), Ru("Название работы"));
  EXPECT_EQ(F().fileAdded->Text(), Ru("Выберите файл PDF"));
  for (TControl* c : {static_cast<TControl*>(F().n_knigi), static_cast<TControl*>(F().Memo1),
                      static_cast<TControl*>(F().workName)})
    EXPECT_EQ(c->Font.Color, kGrey) << c->Name;
  // The file field does not keep its own font colour: the skin's edit section gives it (its
  // disabled picture shows the placeholder in that colour faded into the window).
  EXPECT_EQ(F().fileAdded->Font.Color, F().fileAdded->SkinData.StateRecord(0)->TextColor);
  EXPECT_EQ(F().fileTransl->Font.Color, clBlack);
  EXPECT_EQ(F().workType->ItemIndex(), 0);
  EXPECT_EQ(F().workType->Text(), Ru("Выпускная квалификационная работа"));
  EXPECT_EQ(F().workType->Items.Count(), 11);
  ASSERT_EQ(F().years->Items.Count(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(F().years->Items[i], std::to_string(2024 - i));
  EXPECT_EQ(F().years->ItemIndex(), 0);
  EXPECT_EQ(F().fileTransl->Text(), Ru("Введите все поля и выберите файл"));
  EXPECT_EQ(GetFocus(), F().workType->WindowHandle());
  EXPECT_EQ(Application->Title(), Ru("Переименование документов"));
  wchar_t taskbar[128];
  GetWindowTextW(Application->Handle(), taskbar, 128);
  EXPECT_EQ(Cp1251::FromWide(taskbar), Ru("Переименование документов"));
  EXPECT_EQ(GetWindow(F().WindowHandle(), GW_OWNER), Application->Handle());
  wchar_t caption[128];
  GetWindowTextW(F().WindowHandle(), caption, 128);
  EXPECT_EQ(Cp1251::FromWide(caption), Ru("Подготовка документов в портфолио обучающегося"));
}

TEST_F(MainWindowTest, LayoutFollowsTheScreenDensity) {
  wchar_t value[16] = {};
  int expectedPpi = GetEnvironmentVariableW(L"WINE_DPI", value, 16) ? _wtoi(value) : 96;
  int ppi = Screen::PixelsPerInch();
  EXPECT_EQ(ppi, expectedPpi);
  auto scaled = [ppi](int v) { return MulDiv(v, ppi, 96); };
  RECT client;
  GetClientRect(F().WindowHandle(), &client);
  EXPECT_EQ(client.right, scaled(358));
  EXPECT_EQ(client.bottom, scaled(288));
  EXPECT_EQ(F().n_knigi->BoundsRect(), MakeRect(scaled(16), scaled(16), scaled(129), scaled(19)));
  EXPECT_EQ(F().btnRename->BoundsRect(), MakeRect(scaled(16), scaled(248), scaled(113), scaled(25)));
  EXPECT_EQ(F().Memo1->BoundsRect(), MakeRect(scaled(16), scaled(96), scaled(321), scaled(57)));
  EXPECT_EQ(F().Font.Height, scaled(-11));
  // Centred on the desktop, framed as a dialog.
  TRect desk = Screen::DesktopRect();
  RECT frame;
  GetWindowRect(F().WindowHandle(), &frame);
  EXPECT_NEAR(frame.left + (frame.right - frame.left) / 2, desk.Left + desk.Width() / 2, 1);
  EXPECT_NEAR(frame.top + (frame.bottom - frame.top) / 2, desk.Top + desk.Height() / 2, 1);
  // The skinned frame draws the system menu's button itself and takes the system's
  // style bit off while it does, so the form's own setting is what says it has one.
  EXPECT_TRUE(F().BorderIcons.SystemMenu);
  LONG style = GetWindowLongW(F().WindowHandle(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(GetWindowLongW(F().WindowHandle(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(MainWindowTest, PlaceholdersComeAndGoWithTheFocus) {
  F().n_knigi->SetFocus();
  driver->Pump();
  EXPECT_EQ(F().n_knigi->Text(), "");
  EXPECT_EQ(F().n_knigi->Font.Color, clWindowText);
  F().workType->SetFocus();
  driver->Pump();
  EXPECT_EQ(F().n_knigi->Text(), Ru("№ зач. книжки"));
  EXPECT_EQ(F().n_knigi->Font.Color, kGrey);
  F().n_knigi->SetFocus();
  driver->Type(F().n_knigi->WindowHandle(), L"42");
  F().workType->SetFocus();
  driver->Pump();
  EXPECT_EQ(F().n_knigi->Text(), "42");
  EXPECT_EQ(F().n_knigi->Font.Color, clWindowText);

  F().Memo1->SetFocus();
  driver->Pump();
  EXPECT_EQ(F().Memo1->Text(), "");
  EXPECT_EQ(F().workName->Text(), "");
  EXPECT_EQ(F().Memo1->Font.Color, clWindowText);
  F().workType->SetFocus();
  driver->Pump();
  EXPECT_EQ(F().Memo1->Lines[0], Ru("Название работы"));
  EXPECT_EQ(F().workName->Text(), Ru("Название работы"));
  EXPECT_EQ(F().Memo1->Font.Color, kGrey);
}

TEST_F(MainWindowTest, PlaceholdersAreDrawnGreyAndTypedTextInTheWindowTextColour) {
  EXPECT_EQ(driver->DarkestPixel(F().n_knigi->WindowHandle()), RGB(128, 128, 128));
  EXPECT_EQ(driver->DarkestPixel(F().Memo1->WindowHandle()), RGB(128, 128, 128));
  F().n_knigi->SetFocus();
  driver->Type(F().n_knigi->WindowHandle(), L"12");
  EXPECT_EQ(driver->DarkestPixel(F().n_knigi->WindowHandle()), GetSysColor(COLOR_WINDOWTEXT));
}

TEST_F(MainWindowTest, NumberKeepsAtMostSixDigits) {
  F().n_knigi->SetFocus();
  driver->Type(F().n_knigi->WindowHandle(), L"1a 2-3.\u0436456789");
  EXPECT_EQ(F().n_knigi->Text(), "123456");
}

TEST_F(MainWindowTest, EnterCyclesTheFieldsAndNeverBreaksAMemoLine) {
  F().n_knigi->SetFocus();
  driver->Pump();
  TWinControl* expected[] = {F().workType, F().years, F().Memo1, F().n_knigi, F().workType};
  for (TWinControl* next : expected) {
    driver->Enter();
    EXPECT_EQ(GetFocus(), next->WindowHandle()) << next->Name;
  }
  F().Memo1->SetFocus();
  driver->Type(F().Memo1->WindowHandle(), L"ab");
  driver->Enter();
  EXPECT_EQ(F().Memo1->Text(), "ab");
  EXPECT_EQ(GetFocus(), F().n_knigi->WindowHandle());
}

TEST_F(MainWindowTest, DraggingTheClientAreaMovesTheWindow) {
  RECT before;
  GetWindowRect(F().WindowHandle(), &before);
  POINT start{200, 30};  // empty client area between the number and the year
  ClientToScreen(F().WindowHandle(), &start);
  SendMouseInput(0, start);
  driver->Pump();
  DragWithRealPointer(start, {start.x + 40, start.y + 30}, 30, [&] {
    driver->Pump();
    Sleep(10);
  });
  RECT after;
  GetWindowRect(F().WindowHandle(), &after);
  EXPECT_EQ(after.left - before.left, 40);
  EXPECT_EQ(after.top - before.top, 30);
}

TEST_F(MainWindowTest, DropTakesOnlyTheFirstPdf) {
  TempFolder folder(L"drop");
  for (const wchar_t* name : {L"a.pdf", L"b.pdf", L"c.pdf", L"report.PDF"}) folder.Write(name, "%PDF");
  driver->Drop({folder.Path() + L"report.PDF"});
  EXPECT_EQ(F().fileAdded->Text(), Ru("Выберите файл PDF"));
  EXPECT_TRUE(F().sourcePath.empty());
  driver->Drop({folder.Path() + L"a.pdf", folder.Path() + L"b.pdf", folder.Path() + L"c.pdf"});
  EXPECT_EQ(F().fileAdded->Text(), "a.pdf");
  EXPECT_EQ(F().sourcePath, folder.Path() + L"a.pdf");
  EXPECT_EQ(F().sourceFolder, folder.Path());
  EXPECT_EQ(F().staleSidecarName, L"a.txt");
}

TEST_F(MainWindowTest, RenameWritesTheSidecarAndOpensTheFolder) {
  TempFolder folder(L"rename");
  folder.Write(L"notes.pdf", "%PDF-1.4");
  folder.Write(L"notes.txt", "old");
  FillIn(L"123456", L"Анализ данных", folder.Path() + L"notes.pdf");
  driver->Select(*F().workType, 1);
  EXPECT_EQ(F().fileTransl->Text(), "123456_2024_02_analiz_dannykh.pdf");

  driver->Click(*F().btnRename);
  ASSERT_EQ(driver->Messages.size(), 1u);
  const SeenMessage& done = driver->Messages[0];
  EXPECT_EQ(done.ClassName, "TMessageForm");
  EXPECT_EQ(done.Text, Ru("Файл успешно переименован"));
  EXPECT_EQ(done.Caption, Ru("Переименование документов"));
  EXPECT_FALSE(done.HasIcon);
  EXPECT_EQ(done.Frame.left, F().Left() + 75);
  EXPECT_EQ(done.Frame.top, F().Top() + 80);
  EXPECT_FALSE(folder.Exists(L"notes.pdf"));
  EXPECT_FALSE(folder.Exists(L"notes.txt"));
  EXPECT_EQ(folder.Read(L"123456_2024_02_analiz_dannykh.pdf"), "%PDF-1.4");
  EXPECT_EQ(folder.Read(L"123456_2024_02_analiz_dannykh.txt"), Ru("Анализ данных") + "\r\n");
  EXPECT_EQ(F().fileAdded->Text(), "123456_2024_02_analiz_dannykh.pdf");

  // Edited fields rename the same document again and leave one sidecar.
  F().n_knigi->SetFocus();
  driver->Type(F().n_knigi->WindowHandle(), L"\b\b\b\b\b\b7");
  driver->Click(*F().btnRename);
  ASSERT_EQ(driver->Messages.size(), 2u);
  std::vector<std::wstring> files = folder.Files();
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::wstring>{L"7_2024_02_analiz_dannykh.pdf", L"7_2024_02_analiz_dannykh.txt"}));

  driver->Click(*F().SpeedButton2);
  ASSERT_EQ(openedFolders.size(), 1u);
  EXPECT_EQ(openedFolders[0].first, F().WindowHandle());
  EXPECT_EQ(openedFolders[0].second, folder.Path());
}

TEST_F(MainWindowTest, TitleOnTwoLinesIsJoined) {
  TempFolder folder(L"lines");
  folder.Write(L"x.pdf", "%PDF");
  FillIn(L"1", L"Анализ", folder.Path() + L"x.pdf");
  PostMessageW(F().Memo1->WindowHandle(), WM_CHAR, '\n', 1);  // a line break that arrives without Enter (ctrl+Enter)
  driver->Pump();
  driver->Type(F().Memo1->WindowHandle(), L"данных");
  ASSERT_EQ(F().Memo1->Lines.Count(), 2);
  EXPECT_EQ(F().workName->Text(), Ru("Анализданных"));
  driver->Click(*F().btnRename);
  EXPECT_EQ(folder.Read(L"1_2024_01_analizdannykh.txt"), Ru("Анализданных") + "\r\n");
}

TEST_F(MainWindowTest, ExistingTargetChangesNothing) {
  TempFolder folder(L"exists");
  folder.Write(L"doc.pdf", "mine");
  folder.Write(L"doc.txt", "side");
  folder.Write(L"5_2024_01_x.pdf", "other");
  FillIn(L"5", L"x", folder.Path() + L"doc.pdf");
  driver->Click(*F().btnRename);
  ASSERT_EQ(driver->Messages.size(), 1u);
  const SeenMessage& error = driver->Messages[0];
  EXPECT_EQ(error.Text, Ru("Произошла ошибка при переименовании, файл открыт или отсутствует."));
  EXPECT_EQ(error.Caption, "Error");
  EXPECT_TRUE(error.HasIcon);
  EXPECT_EQ(error.Frame.left, F().Left() - 70);
  EXPECT_EQ(error.Frame.top, F().Top() + 80);
  EXPECT_EQ(folder.Read(L"doc.pdf"), "mine");
  EXPECT_EQ(folder.Read(L"doc.txt"), "side");
  EXPECT_EQ(folder.Read(L"5_2024_01_x.pdf"), "other");
  EXPECT_FALSE(folder.Exists(L"5_2024_01_x.txt"));
  EXPECT_EQ(F().sourcePath, folder.Path() + L"doc.pdf");
  EXPECT_EQ(F().fileAdded->Text(), "doc.pdf");
  EXPECT_EQ(F().staleSidecarName, L"doc.txt");
}

TEST_F(MainWindowTest, ACaseOnlyRenameChangesTheLetterCase) {
  TempFolder folder(L"case");
  folder.Write(L"5_2024_01_X.pdf", "mine");
  FillIn(L"5", L"x", folder.Path() + L"5_2024_01_X.pdf");
  driver->Click(*F().btnRename);
  ASSERT_EQ(driver->Messages.size(), 1u);
  EXPECT_EQ(driver->Messages[0].Text, Ru("Файл успешно переименован"));
  std::vector<std::wstring> files = folder.Files();
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::wstring>{L"5_2024_01_x.pdf", L"5_2024_01_x.txt"}));
  EXPECT_EQ(folder.Read(L"5_2024_01_x.pdf"), "mine");
}

// The second of the two moves of a case-only rename fails: the first is undone,
// and the user is told that nothing was renamed.
TEST_F(MainWindowTest, ACaseOnlyRenameWhoseSecondMoveFailsLeavesEveryFileAsItWas) {
  TempFolder folder(L"case2");
  folder.Write(L"5_2024_01_X.pdf", "mine");
  folder.Write(L"5_2024_01_X.txt", "side");
  FillIn(L"5", L"x", folder.Path() + L"5_2024_01_X.pdf");
  std::vector<std::pair<std::wstring, std::wstring>> moves;
  const auto system = Unit1Seams().Move;
  Unit1Seams().Move = [&](const std::wstring& from, const std::wstring& to) {
    moves.push_back({FileNamePart(from), FileNamePart(to)});
    return moves.size() != 2 && system(from, to);
  };
  driver->Click(*F().btnRename);
  ASSERT_EQ(driver->Messages.size(), 1u);
  EXPECT_EQ(driver->Messages[0].Text, Ru("Произошла ошибка при переименовании, файл открыт или отсутствует."));
  EXPECT_EQ(driver->Messages[0].Caption, "Error");
  EXPECT_EQ(moves, (std::vector<std::pair<std::wstring, std::wstring>>{
                       {L"5_2024_01_X.pdf", L"5_2024_01_x.pdf.renaming"},
                       {L"5_2024_01_x.pdf.renaming", L"5_2024_01_x.pdf"},
                       {L"5_2024_01_x.pdf.renaming", L"5_2024_01_X.pdf"}}));
  std::vector<std::wstring> files = folder.Files();
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::wstring>{L"5_2024_01_X.pdf", L"5_2024_01_X.txt"}));
  EXPECT_EQ(folder.Read(L"5_2024_01_X.pdf"), "mine");
  EXPECT_EQ(folder.Read(L"5_2024_01_X.txt"), "side");
  EXPECT_EQ(F().sourcePath, folder.Path() + L"5_2024_01_X.pdf");
  EXPECT_EQ(F().fileAdded->Text(), "5_2024_01_X.pdf");
  EXPECT_EQ(F().staleSidecarName, L"5_2024_01_X.txt");
}

TEST_F(MainWindowTest, UnwritableSidecarShowsTheIoErrorAndKeepsTheRename) {
  TempFolder folder(L"sidecar");
  folder.Write(L"doc.pdf", "mine");
  CreateDirectoryW((folder.Path() + L"5_2024_01_x.txt").c_str(), nullptr);  // a folder stands in the sidecar's way
  FillIn(L"5", L"x", folder.Path() + L"doc.pdf");
  driver->Click(*F().btnRename);
  ASSERT_EQ(driver->Messages.size(), 2u);
  EXPECT_EQ(driver->Messages[0].Text, Ru("Файл успешно переименован"));
  EXPECT_EQ(driver->Messages[1].ClassName, "#32770");
  EXPECT_EQ(driver->Messages[1].Text, "File access denied");
  EXPECT_EQ(folder.Read(L"5_2024_01_x.pdf"), "mine");
  EXPECT_EQ(F().sourcePath, folder.Path() + L"5_2024_01_x.pdf");
}

TEST_F(MainWindowTest, IncompleteFieldsAreRefused) {
  driver->Click(*F().btnRename);
  ASSERT_EQ(driver->Messages.size(), 1u);
  EXPECT_EQ(driver->Messages[0].Text, Ru("Пожалуйста заполните все поля"));
  EXPECT_EQ(driver->Messages[0].Caption, Ru("Переименование документов"));
  EXPECT_EQ(driver->Messages[0].Frame.left, F().Left() + 75);
}

TEST_F(MainWindowTest, PathOutsideTheCodePageIsTakenAndRenamed) {
  TempFolder folder(L"\u6587\u6863");
  const std::wstring name = L"\u0444\u0430\u0439\u043b \u4e2d.pdf";
  folder.Write(name, "%PDF");
  FillIn(L"9", L"y", folder.Path() + name);
  EXPECT_EQ(F().sourcePath, folder.Path() + name);
  driver->Click(*F().btnRename);
  ASSERT_EQ(driver->Messages.size(), 1u);
  EXPECT_EQ(driver->Messages[0].Text, Ru("Файл успешно переименован"));
  EXPECT_FALSE(folder.Exists(name));
  EXPECT_EQ(folder.Read(L"9_2024_01_y.pdf"), "%PDF");
  EXPECT_EQ(folder.Read(L"9_2024_01_y.txt"), "y\r\n");
}

// The real entry path: the stored manager loads the internal skin, announces it and shows nothing.
TEST_F(MainWindowTest, StartsWithTheInternalSkinInForceAndNoMessage) {
  for (const SeenMessage& m : driver->Messages) ADD_FAILURE() << "message at start: " << m.Caption << ": " << m.Text;
  TsSkinManager* manager = F().sSkinManager1;
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(manager->Owner(), &F());
  EXPECT_TRUE(manager->IsDefault());
  EXPECT_TRUE(manager->Active());
  EXPECT_EQ(manager->SkinName(), "windows 10 (internal)");
  EXPECT_EQ(manager->SkinInfo(), "10");
  ASSERT_NE(manager->Skin(), nullptr);
  EXPECT_EQ(manager->Skin()->SkinData.SkinPath, "");  // the internal skin, not a file

  // The stored settings.
  EXPECT_TRUE(manager->ExtendedBorders());
  ASSERT_EQ(manager->InternalSkins().size(), 1u);
  const TsStoredSkin& stored = manager->InternalSkins()[0];
  EXPECT_EQ(stored.Name, "windows 10 (internal)");
  EXPECT_EQ(stored.Shadow1Color, 0u);
  EXPECT_EQ(stored.Shadow1Offset, 0);
  EXPECT_EQ(stored.Shadow1Transparency, 0);
  std::span<const uint8_t> package = ProgramResourceData("BUILTINSKIN");
  ASSERT_GT(package.size(), 4u);
  EXPECT_TRUE(std::equal(stored.Data.begin(), stored.Data.end(), package.begin(), package.end()));
  EXPECT_EQ(std::string(stored.Data.begin(), stored.Data.begin() + 4), "ASzf");
  EXPECT_EQ(manager->MenuSupport.IcoLineSkin, "ICOLINE");
  EXPECT_TRUE(manager->MenuSupport.UseExtraLine);
  EXPECT_EQ(manager->MenuSupport.ExtraLineFont.Name, "MS Sans Serif");
  EXPECT_EQ(manager->MenuSupport.ExtraLineFont.Height, -11);
  EXPECT_EQ(manager->MenuSupport.ExtraLineFont.Color, clBlack);
  EXPECT_EQ(manager->SkinDirectory(), "c:\\Skins");
  const ThirdPartyList& third = manager->ThirdParty;
  EXPECT_EQ(third.Names(TacThirdKind::ThirdEdits),
            (std::vector<std::string>{"TEdit", "TMemo", "TMaskEdit", "TLabeledEdit", "THotKey", "TListBox",
                                      "TCheckListBox", "TRichEdit", "TDateTimePicker"}));
  EXPECT_EQ(third.Names(TacThirdKind::ThirdCheckBoxes),
            (std::vector<std::string>{"TCheckBox", "TRadioButton", "TGroupButton"}));
  EXPECT_EQ(third.Names(TacThirdKind::ThirdScrollControl), std::vector<std::string>{"TScrollBox"});
  for (TacThirdKind empty : {TacThirdKind::ThirdWWEdits, TacThirdKind::ThirdGridEh, TacThirdKind::ThirdVirtualTrees,
                             TacThirdKind::ThirdNativePaint})
    EXPECT_TRUE(third.Names(empty).empty()) << int(empty);

  // The well-known elements the windows and controls look up.
  const TacSkinElements& elements = manager->Elements();
  EXPECT_GE(elements.GlobalInfo, 0);
  for (size_t i = 0; i < kWellKnownMaskKeys.size(); ++i) EXPECT_GE(elements.GlobalMasks[i], 0) << kWellKnownMaskKeys[i];
  for (std::string_view name : {"BUTTON", "EDIT", "COMBOBOX", "SPEEDBUTTON", "MENUITEM", "CHECKBOX", "PANEL"})
    EXPECT_GE(elements.Section(name), 0) << name;
  EXPECT_GE(elements.ComboBoxGlyph, 0);
  // Extended borders were known when the skin loaded: the skin's own shadow with its margins.
  EXPECT_FALSE(manager->BorderImages().Active.Empty());
  EXPECT_EQ(manager->BorderImages().MarginL, 34);

  // The engine's own pictures reached the window side.
  ASSERT_EQ(ProgramSkinHost().Builtins(), &ProgramPictures());
  for (std::string_view name : {"BLUR5", "acSHDA", "acSHDI", "acGLOW", "acHINT"}) {
    const PixelBuffer* picture = ProgramPictures().Picture(name);
    ASSERT_NE(picture, nullptr) << name;
    EXPECT_FALSE(picture->Empty()) << name;
  }
  for (std::string_view shadow : {"acSHDA", "acSHDI"}) {
    const PixelBuffer& picture = *ProgramPictures().Picture(shadow);
    int transparentWhite = 0;
    for (int32_t y = 0; y < picture.Height(); ++y)
      for (int32_t x = 0; x < picture.Width(); ++x) transparentWhite += picture.At(x, y) == 0x00FFFFFFu;
    EXPECT_EQ(transparentWhite, 0) << shadow;
  }
}

// Run on its own as "gui_tests ... x /AcVer": the engine version is shown once, at the
// centre of the desktop, and the program then starts as usual.
TEST(ProgramStartWithVersionArgument, ShowsTheEngineVersionFirst) {
  if (!ProgramAsksForVersion()) GTEST_SKIP() << "needs /acver on the command line";
  Unit1Seams().CurrentYear = [] { return 2024; };
  GuiDriver driver;
  ASSERT_EQ(driver.Messages.size(), 1u);
  const SeenMessage& seen = driver.Messages[0];
  EXPECT_EQ(seen.ClassName, "TMessageForm");
  EXPECT_EQ(seen.Text, "Veltrane v10.22");
  EXPECT_EQ(seen.Caption, Ru("Переименование документов"));
  EXPECT_FALSE(seen.HasIcon);
  RECT desktop;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0);
  EXPECT_NEAR((seen.Frame.left + seen.Frame.right) / 2, (desktop.left + desktop.right) / 2, 1);
  EXPECT_NEAR((seen.Frame.top + seen.Frame.bottom) / 2, (desktop.top + desktop.bottom) / 2, 1);
  EXPECT_TRUE(driver.Form().sSkinManager1->SkinInForce());
  EXPECT_TRUE(IsWindowVisible(driver.Form().WindowHandle()));
}

TEST_F(MainWindowTest, ExitClosesTheWindow) {
  driver->Click(*F().btnExit);
  EXPECT_TRUE(Application->Terminated());
  EXPECT_FALSE(IsWindowVisible(F().WindowHandle()));
}

}  // namespace
