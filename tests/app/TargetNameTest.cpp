#include "app/TargetName.h"

#include <gtest/gtest.h>

#include "toolkit/Cp1251.h"

namespace {

struct NameCase {
  const char* number;
  const char* year;
  int workType;  // index in the list of 11 kinds
  const char* title;  // UTF-8 here, 1251 in the program
  const char* expected;
};

class ComposeNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(ComposeNameTest, GivesTheNormalisedName) {
  const NameCase& c = GetParam();
  std::string name = ComposeName(c.number, c.year, WorkCodeFor(c.workType, 11), Ru(c.title));
  EXPECT_EQ(name + ".pdf", c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ComposeNameTest,
    testing::Values(
        NameCase{"123456", "2024", 1, "Анализ данных", "123456_2024_02_analiz_dannykh.pdf"},
        NameCase{"123456", "2024", 10, "Ёлка и Щука, подъезд / мальчик",
                 "123456_2024_99_yolka_i_shuka_podjezd_malchik.pdf"},
        NameCase{"987", "2021", 9, "  Отчёт PDF  по практике №5 ", "987_2021_10_otchyot_po_praktike_5_.pdf"},
        NameCase{"123456", "2024", 0, "Разработка информационной системы учёта успеваемости студентов колледжа",
                 "123456_2024_01_razrabotka_informacionnojj_sistemy_.pdf"},
        NameCase{"1", "2020", 3, "!!!", "1_2020_04_.pdf"},
        // Blanks and underscores in the number collapse with the separators.
        NameCase{"1 _2", "2024", 5, "_x_", "1_2_2024_06_x_.pdf"},
        // The cut falls inside a word: exactly 50 characters.
        NameCase{"123456", "2024", 6, "абвгдежзийклмнопрстуфхцчшщъыьэюяабвгдежзий",
                 "123456_2024_07_abvgdezhzijjklmnoprstufkhcchshshjye.pdf"}));

TEST(WorkCodeTest, CodesFollowTheListPosition) {
  const std::pair<int, const char*> cases[] = {{0, "01"}, {7, "08"}, {8, "09"}, {9, "10"}, {10, "99"}};
  for (auto [index, code] : cases) EXPECT_EQ(WorkCodeFor(index, 11), code) << index;
}

TEST(TransliterateTest, LettersAndSigns) {
  const std::pair<const char*, const char*> cases[] = {
      {"Ёё", "yoyo"},            {"ЬьЪъ", "jj"},       {"Щщ", "shsh"},
      {"ABC def", "_def"},       {"Жж Йй Ээ", "zhzh_jjjj_eheh"},
      {"a-b.c/d(e)\"f\"", "abcdef"}, {"№1", "1"},        {"ЮЯюя", "jujajuja"},
      {"x   y___z", "x_y_z"},    {"\t\r\n\x7f", ""},
  };
  for (auto [input, expected] : cases) EXPECT_EQ(transliterate(Ru(input)), expected) << input;
}

TEST(TransliterateTest, BytesOutsideTheLettersAreDropped) {
  std::string all;
  for (int b = 128; b < 192; ++b) all += char(b);
  EXPECT_EQ(transliterate(all), "yoyo");  // only Ё (168) and ё (184) survive
}

TEST(ComposeNameTest, CutKeepsATrailingUnderscoreAtFifty) {
  // 15 characters of number, year and code, then 34 letters and a blank at the 50th.
  std::string title(34, 'a');
  title += " bbbb";
  std::string name = ComposeName("123456", "2024", "01", title);
  EXPECT_EQ(name.size(), kMaxNameLength);
  EXPECT_EQ(name.back(), '_');
}

TEST(FieldTest, EmptyOrPlaceholder) {
  const std::string placeholder = Ru("№ зач. книжки");
  EXPECT_TRUE(IsFieldEmpty("", placeholder));
  EXPECT_TRUE(IsFieldEmpty(placeholder, placeholder));
  EXPECT_FALSE(IsFieldEmpty(placeholder + " ", placeholder));
  EXPECT_FALSE(IsFieldEmpty("1", placeholder));
}

}  // namespace
