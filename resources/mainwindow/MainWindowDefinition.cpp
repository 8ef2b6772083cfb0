#include "resources/mainwindow/MainWindowDefinition.h"

#include "resources/mainwindow/FolderGlyph.h"
#include "toolkit/Buttons.h"
#include "toolkit/Dialogs.h"
#include "toolkit/StdCtrls.h"

namespace {

TStoredMethod On(const char* handler) { return {handler}; }
int64_t Enum(auto value) { return int64_t(value); }

// Settings every field shares: white, black text, no three-dimensional border.
std::vector<TStoredProperty> Field(std::vector<TStoredProperty> own) {
  own.insert(own.begin(), {{"Color", int64_t(clWhite)}, {"Ctl3D", false}});
  return own;
}

TFormDefinition Build() {
  TFormDefinition d;
  d.FormProperties = {
      {"Caption", std::string("Подготовка документов в портфолио обучающегося")},
      {"BorderStyle", Enum(TFormBorderStyle::bsDialog)},
      {"BorderIcons", std::vector<std::string>{"biSystemMenu"}},
      {"ClientWidth", int64_t(358)},
      {"ClientHeight", int64_t(288)},
      {"Color", int64_t(clBtnFace)},
      {"Font.Charset", int64_t(DEFAULT_CHARSET)},
      {"Font.Color", int64_t(clWindowText)},
      {"Font.Height", int64_t(-11)},
      {"Font.Name", std::string("MS Sans Serif")},
      {"KeyPreview", true},
      {"Position", Enum(TPosition::poDesktopCenter)},
      {"AlphaBlend", true},
      {"AlphaBlendValue", int64_t(255)},
      {"ActiveControl", std::string("workType")},
      {"OnCreate", On("FormCreate")},
      {"OnKeyPress", On("FormKeyPress")},
      {"OnMouseDown", On("FormMouseDown")},
  };
  d.Components = {
      {"TsSpeedButton", "SpeedButton1",
       {{"Left", int64_t(312)}, {"Top", int64_t(160)}, {"Width", int64_t(25)}, {"Height", int64_t(25)},
        {"Glyph", std::string("FOLDER")}, {"Transparent", false}, {"OnClick", On("fileOpen")}}},
      {"TsSpeedButton", "btnExit",
       {{"Left", int64_t(264)}, {"Top", int64_t(248)}, {"Width", int64_t(73)}, {"Height", int64_t(25)},
        {"Caption", std::string("Выход")}, {"ShowHint", false}, {"OnClick", On("btnExitClick")}}},
      {"TsSpeedButton", "btnRename",
       {{"Left", int64_t(16)}, {"Top", int64_t(248)}, {"Width", int64_t(113)}, {"Height", int64_t(25)},
        {"Caption", std::string("Переименовать")}, {"OnClick", On("btnRenameClick")}}},
      {"TsLabel", "Label2",
       {{"Left", int64_t(16)}, {"Top", int64_t(200)}, {"Width", int64_t(121)}, {"Height", int64_t(13)},
        {"Caption", std::string("Новое название файла:")}, {"Transparent", true}}},
      {"TsSpeedButton", "SpeedButton2",
       {{"Left", int64_t(144)}, {"Top", int64_t(248)}, {"Width", int64_t(105)}, {"Height", int64_t(25)},
        {"Caption", std::string("Открыть папку")}, {"OnClick", On("SpeedButton2Click")}}},
      {"TsEdit", "n_knigi",
       Field({{"Tag", int64_t(0)}, {"Left", int64_t(16)}, {"Top", int64_t(16)}, {"Width", int64_t(129)},
              {"Height", int64_t(19)}, {"TabOrder", int64_t(0)}, {"MaxLength", int64_t(6)},
              {"Font.Color", int64_t(clBlack)}, {"SkinData.CustomFont", true}, {"AutoSelect", false},
              {"OnChange", On("changeText")},
              {"OnEnter", On("textGreyOn")}, {"OnExit", On("textGreyOff")}, {"OnKeyPress", On("n_knigiKeyPress")}})},
      {"TsComboBox", "years",
       Field({{"Left", int64_t(256)}, {"Top", int64_t(60)}, {"Width", int64_t(81)}, {"Height", int64_t(21)},
              {"TabOrder", int64_t(2)}, {"Style", Enum(TComboBoxStyle::csDropDownList)},
              {"Font.Color", int64_t(clBlack)}, {"ItemHeight", int64_t(15)}, {"OnChange", On("changeText")}})},
      {"TsEdit", "workName",
       Field({{"Tag", int64_t(1)}, {"Left", int64_t(16)}, {"Top", int64_t(288)}, {"Width", int64_t(321)},
              {"Height", int64_t(19)}, {"TabOrder", int64_t(4)}, {"TabStop", false}, {"Visible", false},
              {"Font.Color", int64_t(clBlack)}, {"SkinData.CustomFont", true}, {"OnChange", On("changeText")}})},
      {"TsEdit", "fileTransl",
       Field({{"Tag", int64_t(3)}, {"Left", int64_t(16)}, {"Top", int64_t(216)}, {"Width", int64_t(321)},
              {"Height", int64_t(19)}, {"TabOrder", int64_t(6)}, {"TabStop", false}, {"Enabled", false},
              {"ReadOnly", true}})},
      {"TsEdit", "fileAdded",
       Field({{"Tag", int64_t(2)}, {"Left", int64_t(16)}, {"Top", int64_t(164)}, {"Width", int64_t(289)},
              {"Height", int64_t(19)}, {"TabOrder", int64_t(5)}, {"TabStop", false}, {"Enabled", false},
              {"ReadOnly", true}, {"Font.Color", int64_t(clBlack)}, {"OnChange", On("changeText")}})},
      {"TsComboBox", "workType",
       Field({{"Left", int64_t(16)}, {"Top", int64_t(60)}, {"Width", int64_t(233)}, {"Height", int64_t(21)},
              {"TabOrder", int64_t(1)}, {"Style", Enum(TComboBoxStyle::csDropDownList)},
              {"Font.Color", int64_t(clBlack)}, {"ItemHeight", int64_t(15)}, {"AutoComplete", false},
              {"Items", std::vector<std::string>{"Выпускная квалификационная работа", "Курсовая работа / проект",
                                                 "Отчет (по практике и др.)", "Отзыв ", "Рецензия", "Реферат",
                                                 "Статья", "Патент", "Сертификат, диплом, грамота ", "Резюме",
                                                 "Другой документ"}},
              {"ItemIndex", int64_t(0)}, {"OnChange", On("changeText")}})},
      {"TsMemo", "Memo1",
       Field({{"Tag", int64_t(1)}, {"Left", int64_t(16)}, {"Top", int64_t(96)}, {"Width", int64_t(321)},
              {"Height", int64_t(57)}, {"TabOrder", int64_t(3)}, {"Font.Color", int64_t(clBlack)},
              {"SkinData.CustomColor", true}, {"SkinData.CustomFont", true},
              {"WordWrap", true}, {"OnChange", On("Memo1Change")}, {"OnEnter", On("Memo1Enter")},
              {"OnExit", On("Memo1Exit")}})},
      {"TOpenDialog", "OpenDialog", {}},
      // The skin is found and loaded when SkinName is read, so the internal skin and
      // the folder come before it; the announcement waits for the end of loading.
      {"TsSkinManager", "sSkinManager1",
       {{"ExtendedBorders", true},
        {"InternalSkins", TStoredItems{{{"Name", std::string("windows 10 (internal)")},
                                        {"Shadow1Color", int64_t(0)},
                                        {"Shadow1Offset", int64_t(0)},
                                        {"Shadow1Transparency", int64_t(0)},
                                        {"Data", std::string("BUILTINSKIN")}}}},
        {"MenuSupport.IcoLineSkin", std::string("ICOLINE")},
        {"MenuSupport.UseExtraLine", true},
        {"MenuSupport.ExtraLineFont.Name", std::string("MS Sans Serif")},
        {"MenuSupport.ExtraLineFont.Height", int64_t(-11)},
        {"MenuSupport.ExtraLineFont.Color", int64_t(clBlack)},
        {"SkinDirectory", std::string("c:\\Skins")},
        {"SkinName", std::string("windows 10 (internal)")},
        {"ThirdParty.ThirdEdits",
         std::string("TEdit\r\nTMemo\r\nTMaskEdit\r\nTLabeledEdit\r\nTHotKey\r\nTListBox\r\nTCheckListBox\r\n"
                     "TRichEdit\r\nTDateTimePicker")},
        {"ThirdParty.ThirdButtons", std::string("TButton")},
        {"ThirdParty.ThirdBitBtns", std::string("TBitBtn")},
        {"ThirdParty.ThirdCheckBoxes", std::string("TCheckBox\r\nTRadioButton\r\nTGroupButton")},
        {"ThirdParty.ThirdComboBoxes", std::string("TComboBox\r\nTColorBox")},
        {"ThirdParty.ThirdGrids", std::string("TStringGrid\r\nTDrawGrid")},
        {"ThirdParty.ThirdGroupBoxes", std::string("TGroupBox\r\nTRadioGroup")},
        {"ThirdParty.ThirdListViews", std::string("TListView")},
        {"ThirdParty.ThirdPanels", std::string("TPanel")},
        {"ThirdParty.ThirdTreeViews", std::string("TTreeView")},
        {"ThirdParty.ThirdWWEdits", std::string(" ")},  // a single blank: an empty list
        {"ThirdParty.ThirdGridEh", std::string(" ")},
        {"ThirdParty.ThirdVirtualTrees", std::string(" ")},
        {"ThirdParty.ThirdPageControl", std::string("TPageControl")},
        {"ThirdParty.ThirdTabControl", std::string("TTabControl")},
        {"ThirdParty.ThirdToolBar", std::string("TToolBar")},
        {"ThirdParty.ThirdStatusBar", std::string("TStatusBar")},
        {"ThirdParty.ThirdSpeedButton", std::string("TSpeedButton")},
        {"ThirdParty.ThirdScrollControl", std::string("TScrollBox")},
        {"ThirdParty.ThirdUpDown", std::string("TUpDown")},
        {"ThirdParty.ThirdScrollBar", std::string("TScrollBar")},
        {"ThirdParty.ThirdStaticText", std::string("TStaticText")},
        {"ThirdParty.ThirdNativePaint", std::string(" ")}}},
      // The frame and client area: section "FORM", no title buttons of its own, no added header height.
      {"TsSkinProvider", "sSkinProvider1",
       {{"SkinData.SkinSection", std::string("FORM")}, {"FormHeader.AdditionalHeight", int64_t(0)}}},
  };
  return d;
}

}  // namespace

const TFormDefinition& MainWindowDefinition() {
  static const TFormDefinition definition = Build();
  return definition;
}

void RegisterBuiltinGlyphs() {
  RegisterPropertyHook([](TComponent& c, const std::string& name, const TStoredValue& value) {
    auto* button = dynamic_cast<TSpeedButton*>(&c);
    auto* picture = std::get_if<std::string>(&value);
    if (!button || name != "Glyph" || !picture) return false;
    if (*picture != "FOLDER") throw std::runtime_error("No built-in picture " + *picture);
    button->Glyph = FolderGlyph();
    return true;
  });
}
