// Writes the seed corpora of the fuzz targets (tests/fuzz/seeds/<target>/):
// a few small valid inputs each, made with our own writers, so that a short
// run starts deep inside every reader. Run it again when an input format or
// a target's input layout changes:
//   fuzz_seed_writer <source folder> <built-in skin package>
// (the package is <native build>/builtin-skin/windows10.asz).
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/PushedSkin.h"
#include "skin/data/SkinPackage.h"
#include "tests/render/ImageFiles.h"
#include "tests/render/PngTestSupport.h"
#include "tests/render/TestPictures.h"
#include "tools/PngWriter.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

class Corpus {
 public:
  Corpus(const fs::path& root, const std::string& target) : dir_(root / target) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void Add(const std::string& name, const Bytes& bytes) {
    std::ofstream(dir_ / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }

 private:
  fs::path dir_;
};

// A picture with a colour ramp and a few alpha levels.
PixelBuffer Ramp(int32_t w, int32_t h) {
  PixelBuffer p(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) p.At(x, y) = Bgra(x * 40, y * 60, 200 - x * 20, (x + y) % 3 == 0 ? 255 : 64 * (x % 4));
  return p;
}

PngRawImage RawPicture(int32_t w, int32_t h, int depth, int colorType) {
  const uint32_t max = depth == 16 ? 0xFFFF : (1u << depth) - 1;
  return pngtest::MakeRaw(w, h, depth, colorType,
                          [=](int32_t x, int32_t y, int c) { return uint32_t(x * 5 + y * 3 + c * 7) * 2749u % (max + 1); });
}

// The chunk layer: pictures of several formats and every ancillary chunk the decoder reads.
void PngSeeds(Corpus& corpus) {
  const Bytes plain{0}, fixCrcs{1};
  corpus.Add("rgba", Join({plain, EncodePng(Ramp(5, 4))}));
  PngWriteOptions interlaced;
  interlaced.Interlaced = true;
  interlaced.MaxIdatBytes = 24;
  corpus.Add("rgba-interlaced-split", Join({plain, EncodePng(Ramp(9, 7), interlaced)}));
  PngRawImage palette = RawPicture(6, 3, 2, 3);
  palette.ChunksBeforeData = {{"PLTE", {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255}},
                              {"tRNS", {0, 128}},
                              {"bKGD", {2}}};
  corpus.Add("palette-2bit", Join({fixCrcs, EncodePngRaw(palette)}));
  PngRawImage grey = RawPicture(4, 4, 16, 0);
  grey.ChunksBeforeData = {{"gAMA", pngtest::Be32(45455)}, {"tRNS", {0x12, 0x34}}, {"bKGD", {0x80, 0x80}}};
  corpus.Add("grey-16bit-interlaced", Join({plain, EncodePngRaw(grey, interlaced)}));
  PngRawImage rgb = RawPicture(3, 2, 8, 2);
  rgb.ChunksBeforeData = {{"tRNS", {0, 5, 0, 10, 0, 15}}};
  rgb.ChunksAfterData = {{"tEXt", Text(std::string("Comment\0seed", 12))}};
  corpus.Add("rgb-trns-text", Join({fixCrcs, EncodePngRaw(rgb)}));
  corpus.Add("grey-alpha", Join({plain, EncodePngRaw(RawPicture(3, 3, 8, 4))}));
  corpus.Add("grey-1bit", Join({plain, EncodePngRaw(RawPicture(11, 2, 1, 0))}));

  // Raw rows: width - 1, height - 1, depth and colour type index, interlace; then filter byte and row bytes.
  auto rows = [](int w, int h, int depthIndex, int typeIndex, int rowBytes) {
    Bytes b{3, uint8_t(w - 1), uint8_t(h - 1), uint8_t(depthIndex + 5 * typeIndex), 0};
    for (int y = 0; y < h; ++y) {
      b.push_back(uint8_t(y % 5));  // every filter in turn
      for (int i = 0; i < rowBytes; ++i) b.push_back(uint8_t(i * 31 + y * 17));
    }
    return b;
  };
  corpus.Add("rows-rgba8", rows(4, 5, 3, 4, 16));
  corpus.Add("rows-palette4", rows(7, 5, 2, 2, 4));
  corpus.Add("rows-rgb16", rows(2, 5, 4, 1, 12));
}

void BmpSeeds(Corpus& corpus) {
  const auto ramp = [](int32_t x, int32_t y) { return uint32_t(0x80000000u | x * 0x301020u | y * 0x000840u); };
  const auto index = [](uint32_t colours) { return [=](int32_t x, int32_t y) { return uint32_t(x + 2 * y) % colours; }; };
  BmpLayout s;
  s.width = 5;
  s.height = 3;
  s.pixel = ramp;
  corpus.Add("24bit.bmp", MakeBmp(s));
  s.bpp = 32;
  s.topDown = true;
  corpus.Add("32bit-top-down.bmp", MakeBmp(s));
  s.compression = 3;
  s.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
  corpus.Add("32bit-bitfields.bmp", MakeBmp(s));
  BmpLayout indexed;
  indexed.width = 9;
  indexed.height = 2;
  indexed.bpp = 8;
  indexed.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  indexed.pixel = index(5);
  corpus.Add("8bit.bmp", MakeBmp(indexed));
  indexed.bpp = 4;
  corpus.Add("4bit.bmp", MakeBmp(indexed));
  indexed.bpp = 1;
  indexed.palette = {0x000000, 0xFFFFFF};
  indexed.pixel = index(2);
  corpus.Add("1bit.bmp", MakeBmp(indexed));
  indexed.bpp = 4;
  indexed.coreHeader = true;
  indexed.palette.resize(16);
  for (uint32_t i = 0; i < 16; ++i) indexed.palette[i] = i * 0x0F0D0B;
  indexed.pixel = index(16);
  corpus.Add("4bit-core-header.bmp", MakeBmp(indexed));
}

void JpegSeeds(Corpus& corpus) {
  const auto smooth = [](int x, int y, int c) { return uint8_t(30 + x * 9 + y * 5 + c * 50); };
  corpus.Add("rgb.jpg", imagefiles::EncodeJpeg(16, 9, 3, smooth));
  corpus.Add("grey.jpg", imagefiles::EncodeJpeg(7, 5, 1, smooth));
  corpus.Add("rgb-progressive.jpg", imagefiles::EncodeJpeg(12, 12, 3, smooth, true));
}

// Values of every image form, the first ones as the built-in skin writes them.
void ImageValueSeeds(Corpus& corpus) {
  const char* const values[] = {
      "!EXBORDER.PNG!2!0!3!0034!0034!0034!0034!1",
      "!BOXCHECKED.BMP!3!1!2",
      "^0000^0000^0012^0006^0002^0002^0002^0002^2^0^1^0",
      "@0012@0000@0024@0006@2@1",
      "~0000~0000~0004~0004~01~0~TILE.BMP",
      "BACKGROUND.JPG",
  };
  int n = 0;
  for (const char* v : values) corpus.Add("value" + std::to_string(n++), Text(v));
}

void GradientSeeds(Corpus& corpus) {
  corpus.Add("vertical-two-steps", Text("16777215;15790320;50;0;0;15790320;14120960;100;0;0"));
  corpus.Add("horizontal", Text("255;65280;100;1;0"));
  corpus.Add("triangles", Text("0;16777215;0;2;0;8421504;255;0;0;0;65535;16711680;0;0;0"));
  corpus.Add("separators", Text("8421504;;16777215;;;30;;0;;0;1;2;70;0;0"));
}

// A tiny skin with a master picture, border, pattern and glyph cuts, a glow
// picture, a whole-file background and inherited and common-section values.
const char kTinyOptions[] =
    "[GLOBALINFO]\r\nVERSION=10.00\r\nMASTERBITMAP=MASTER.BMP\r\nCOLOR=15790320\r\nFONTCOLOR=0\r\n"
    "EXBORDER=!GLOW.PNG!1!0!3!0002!0002!0002!0002!1\r\n"
    "[BUTTON]\r\nSTATES=3\r\nCOLOR=16777215\r\nHOTCOLOR=16238993\r\nGRADIENTDATA=16777215;15790320;100;0;0\r\n"
    "BORDERSMASK=^0000^0000^0012^0006^0002^0002^0002^0002^2^0^1^0\r\nPATTERN=~0000~0000~0004~0004~01~0\r\n"
    "GLYPH=@0012@0000@0024@0006@2@1\r\nGLOW0=!GLOW.PNG!1!0!3\r\nBACK=BACK.JPG\r\n"
    "[SPEEDBUTTON]\r\nPARENTCLASS=BUTTON\r\nSTATES=2\r\n";

std::vector<TacPackageMember> TinySkinMembers() {
  BmpLayout master;
  master.width = 24;
  master.height = 6;
  master.pixel = [](int32_t x, int32_t y) { return x == 5 && y == 5 ? 0xFF00FFu : 0x3060A0u + uint32_t(x * 4); };
  return {{"Options.dat", Text(kTinyOptions)},
          {"MASTER.BMP", MakeBmp(master)},
          {"GLOW.PNG", EncodePng(Ramp(6, 6))},
          {"BACK.JPG", imagefiles::EncodeJpeg(8, 8, 3, [](int x, int y, int c) { return uint8_t(x * 20 + y * 9 + c); })}};
}

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

// First byte: the area width in its low 6 bits (0 measures without wrapping)
// and the hot link in its top 2; then the label text.
void HtmlSeeds(Corpus& corpus) {
  corpus.Add("tags", Join({{40}, Text("a<B>bold</B> <i>it</I> <u>u</u><br>line<p>end<br/>")}));
  corpus.Add("entities", Join({{0}, Text("&amp; &copy;&#8211;&Eacute;&39;&#180; &nosuch; &a b; << a<b")}));
  corpus.Add("fonts", Join({{25}, Text("<FONT SIZE=+2 COLOR=RED FACE=\"Arial\">big</FONT><font size=-1 color=#00FF00>g</font></font>")}));
  corpus.Add("links", Join({{0x45}, Text("go <a href=\"http://x.org\">here</a> and <A HREF='b'>there</A></a>")}));
  corpus.Add("wrap", Join({{12}, Text("a long unbroken wordthatdoesnotfit and more words <b> to wrap</b>")}));
  corpus.Add("unknown", Join({{30}, Text("<TABLE><basefont size=9>x</TABLE><unclosed")}));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fuzz_seed_writer <source folder> <built-in skin package>\n");
    return 2;
  }
  const fs::path source = argv[1];
  const fs::path root = source / "tests" / "fuzz" / "seeds";
  const Bytes builtinOptions = ReadFile(source / "resources" / "skin" / "Options.dat");
  const Bytes builtinPackage = ReadFile(argv[2]);
  if (builtinOptions.empty() || builtinPackage.empty()) {
    std::fprintf(stderr, "fuzz_seed_writer: cannot read resources/skin/Options.dat below %s or %s\n", argv[1], argv[2]);
    return 1;
  }

  Corpus png(root, "png_fuzzer");
  PngSeeds(png);
  Corpus bmp(root, "bmp_fuzzer");
  BmpSeeds(bmp);
  Corpus jpeg(root, "jpeg_fuzzer");
  JpegSeeds(jpeg);
  Corpus values(root, "image_value_fuzzer");
  ImageValueSeeds(values);
  Corpus gradients(root, "gradient_fuzzer");
  GradientSeeds(gradients);

  // Options text, then after a NUL byte the common sections.
  Corpus options(root, "options_fuzzer");
  options.Add("builtin", builtinOptions);
  options.Add("tiny-with-common", Join({Text(kTinyOptions), {0}, Text("[BUTTON]\r\nCOLOR=255\r\n[NEWSECTION]\r\nSTATES=1\r\n")}));

  // Mode byte 0: the package itself; mode 1: members split at NUL, packed, then
  // cut at (u16) and one byte at (u16) flipped by a mask; the last header byte picks .bmp names.
  Corpus package(root, "package_fuzzer");
  package.Add("tiny-skin", Join({{0}, WriteSkinPackage(TinySkinMembers())}));
  package.Add("members", Join({{1, 0xFF, 0xFF, 0xFF, 0xFF, 0, 1}, Text("first member"), {0}, Text("second")}));
  package.Add("members-damaged", Join({{1, 0xFF, 0xFF, 30, 0, 0x10, 0}, Text("abcdefgh"), {0}, Text("ijkl")}));

  Corpus manager(root, "manager_load_fuzzer");
  manager.Add("tiny-skin", WriteSkinPackage(TinySkinMembers()));
  manager.Add("builtin", builtinPackage);

  // Kind 7, marker set, a whole block padded by the target: name, directory, options text.
  Corpus pushed(root, "pushed_skin_fuzzer");
  Bytes block(4 + kPushedSkinNameSize + kPushedSkinDirectorySize, 0);
  const std::string name = "Pushed", directory = "..\\Skins";
  std::copy(name.begin(), name.end(), block.begin() + 4);
  std::copy(directory.begin(), directory.end(), block.begin() + 4 + kPushedSkinNameSize);
  pushed.Add("tiny", Join({{7, 1, 1}, block, Text(kTinyOptions)}));
  pushed.Add("builtin", Join({{7, 1, 1}, block, builtinOptions}));

  Corpus html(root, "html_fuzzer");
  HtmlSeeds(html);
  return 0;
}
