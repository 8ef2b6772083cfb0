#include "tests/hostile/HostileSkins.h"

#include <zlib.h>

#include <string_view>

#include "skin/data/SkinPackage.h"
#include "tests/render/ImageFiles.h"
#include "tests/render/PngTestSupport.h"
#include "tests/render/TestPictures.h"
#include "tools/PngWriter.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Text(std::string_view s) { return Bytes(s.begin(), s.end()); }

Bytes Zlib(const Bytes& data) {
  uLongf size = compressBound(uLong(data.size()));
  Bytes out(size);
  compress2(out.data(), &size, data.data(), uLong(data.size()), 9);
  out.resize(size);
  return out;
}

void Put32(Bytes& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

// A package written field by field, so that every field can lie.
class RawPackage {
 public:
  explicit RawPackage(uint32_t count) : bytes_(Text("ASzf")) { Put32(bytes_, count); }
  RawPackage& Member(std::string_view name, uint32_t claimedSize, const Bytes& stream) {
    Put32(bytes_, uint32_t(name.size()));
    bytes_.insert(bytes_.end(), name.begin(), name.end());
    Put32(bytes_, claimedSize);
    bytes_.insert(bytes_.end(), stream.begin(), stream.end());
    return *this;
  }
  RawPackage& Raw(const Bytes& bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
  }
  Bytes Take() { return std::move(bytes_); }

 private:
  Bytes bytes_;
};

Bytes Package(std::initializer_list<TacPackageMember> members) { return WriteSkinPackage(std::vector(members)); }

// A master bitmap of 48 x 24 with a key-colour corner, as skins draw them.
Bytes MasterBmp() {
  BmpLayout s;
  s.width = 48;
  s.height = 24;
  s.pixel = [](int32_t x, int32_t y) -> uint32_t {
    if (x < 2 && y < 2) return 0xFFFF00FFu;
    return 0xFF000000u | uint32_t(x * 5) << 16 | uint32_t(y * 9) << 8 | uint32_t((x + y) * 3);
  };
  return MakeBmp(s);
}

Bytes SmallPng() {
  PixelBuffer p = Filled(12, 6, Bgra(40, 90, 200, 160));
  return EncodePng(p);
}

// A plain skin that uses every image form; the variants below break one thing each.
constexpr std::string_view kPlainOptions =
    "[GLOBALINFO]\nVERSION=10.00\nMASTERBITMAP=MASTER.BMP\nBORDERWIDTH=4\nTITLEHEIGHT=24\n"
    "BICONCLOSE=@0000@0012@0036@0024@3@0\nEXBORDER=!SHADOW.PNG!2!0!3!0002!0002!0002!0002!1\n"
    "[BUTTON]\nSTATES=3\nCOLOR=12632256\nHOTCOLOR=16744448\n"
    "BORDERSMASK=^0000^0000^0036^0012^0002^0002^0002^0002^3^1^0^0\n"
    "PATTERN=~0036~0000~0048~0012~00~0\nGRADIENTDATA=255;16711680;50;0;0;16711680;65280;50;0;0\n"
    "GRADIENTPERCENT=50\n"
    "[EDIT]\nPARENTCLASS=BUTTON\nSTATES=2\nIMGTOPLEFT=@0000@0000@0004@0004@1@0\n"
    "[FORM]\nBORDERSMASK=!SHADOW.PNG!1!0!0\nUSESTATE2=1\nGRADIENTDATA2=0;255;100;1;0\nGRADIENTPERCENT2=100\n"
    "[FORMTITLE]\nPARENTCLASS=FORM\nGLOW=8\nGLOWMARGIN=2\nOUTERMASK=^0000^0000^0012^0012^0000^0000^0000^0000^1^0^0^0\n";


// The plain options with extra lines appended to its text.
std::string PlainWith(std::string_view extra) { return std::string(kPlainOptions) + std::string(extra); }

// Every form an integer can be written in, at the edges of 32 bits and beyond.
constexpr std::string_view kAbsurdIntegers[] = {"-2147483648", "2147483647", "$FFFFFFFF", "0x80000000",
                                                "$7FFFFFFF",   "99999999999", "-99999999999", "0X7fffffff"};

std::string AbsurdGlobalInfo(std::string_view value) {
  std::string text = "[GLOBALINFO]\nVERSION=10.00\nMASTERBITMAP=MASTER.BMP\n";
  for (const char* key :
       {"SHADOW1OFFSET", "SHADOW1BLUR", "SHADOW1TRANSPARENCY", "BORDERWIDTH", "TITLEHEIGHT", "MAXHEIGHT",
        "FORMOFFSET", "CENTEROFFSET", "BORDERMODE", "ALIGNOFFSET", "ALIGNOFFSETR", "ALIGNOFFSETT", "ALIGNOFFSETB",
        "BISPACE", "BIVALIGN", "BIRIGHT", "BILEFT", "BITOP", "BIKEEPHUE", "BICONCLOSEGLOW", "BICONCLOSEGLOWMARGIN",
        "BICONMAXGLOW", "BICONMAXGLOWMARGIN", "BICONMINGLOW", "BICONMINGLOWMARGIN", "COMBOMARGIN", "BRIGHTMIN",
        "BRIGHTMAX", "SHADOW1COLOR", "LO_OFFSETL", "LO_OFFSETT", "LO_OFFSETR", "LO_OFFSETB", "LO_WIDTHL",
        "LO_WIDTHT", "LO_WIDTHR", "LO_WIDTHB", "LO_OPACITY", "SH_OFFSETL", "SH_WIDTHB", "SH_OPACITY", "SH_COLORL"})
    text += std::string(key) + "=" + std::string(value) + "\n";
  text += "BICONCLOSE=@0000@0012@0036@0024@3@0\nEXBORDER=!SHADOW.PNG!2!0!3!0002!0002!0002!0002!1\n";
  return text;
}

std::string AbsurdSection(std::string_view name, std::string_view value) {
  std::string text = "[" + std::string(name) + "]\n";
  for (const char* key :
       {"STATES", "GLOW", "GLOWMARGIN", "OUTOFFSL", "OUTOFFST", "OUTOFFSR", "OUTOFFSB", "OUTOPACITY", "OUTERMODE",
        "USESTATE2", "GSIZE", "HGSIZE", "GSIZE2", "IMAGEPERCENT", "HOTIMAGEPERCENT", "TRANSPARENCY",
        "HOTTRANSPARENCY", "TRANSPARENCY2", "GRADIENTPERCENT", "HOTGRADIENTPERCENT", "COLOR", "HOTCOLOR", "FONTCOLOR",
        "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM", "TABSCOVERING"})
    text += std::string(key) + "=" + std::string(value) + "\n";
  const std::string v(value);
  // Gradient fields are plain decimal numbers (anything else is an error of its own): the extreme one nearest.
  const std::string g = value.front() == '-' ? "-2147483648" : "2147483647";
  text += "GRADIENTDATA=" + g + ";" + g + ";" + g + ";" + g + ";" + g + "\n";
  text += "HOTGRADIENTDATA=0;255;" + g + ";1;0;255;0;" + g + ";2;0\n";
  text += "BORDERSMASK=!SHADOW.PNG!" + v + "!" + v + "!" + v + "!" + v + "!" + v + "!" + v + "!" + v + "!" + v + "\n";
  text += "PATTERN=!MASTER.BMP!" + v + "!" + v + "!1!" + v + "\n";
  return text;
}

std::string AbsurdIntegersSkin(std::string_view value) {
  std::string text = AbsurdGlobalInfo(value);
  for (const char* section : {"FORM", "FORMTITLE", "BUTTON", "EDIT", "TABTOP", "RIBBONTAB"})
    text += AbsurdSection(section, value);
  return text;
}

// Fixed-column values at their extremes: four digits, a sign, nines everywhere.
constexpr std::string_view kExtremeColumns =
    "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n"
    "BICONCLOSE=@9999@9999@-999@-999@9@9\nBICONMAX=@-999@-999@9999@9999@9@0\n"
    "BICONMIN=@0000@0000@9999@0024@0@9\nLO_MASK=^9999^9999^9999^9999^9999^9999^9999^9999^9^9^9^9\n"
    "LO_SOURCE=1\nSH_MASK=^-999^-999^9999^9999^0000^0000^0000^0000^0^0^0^0\nSH_SOURCE=1\n"
    "[BUTTON]\nBORDERSMASK=^9999^9999^-999^-999^9999^9999^9999^9999^9^9^9^9\n"
    "PATTERN=~-999~-999~9999~9999~99~9\nHOTPATTERN=~9000~9000~9999~9999~10~1\n"
    "IMGTOPLEFT=@0040@0020@9999@9999@9@9\nIMGBTMRIGHT=@-999@0000@0000@0024@1@0\n"
    "[EDIT]\nBORDERSMASK=^0000^0000^0001^0001^0000^0000^0000^0000^0^9^0^0\nSTATES=255\n"
    "[COMBOBOX]\nGLYPHMASK=@0000@0000@0048@0024@0@0\nBORDERSMASK=^0040^0020^0048^0024^0000^0000^0000^0000^9^0^1^0\n";

// Image records that point outside their picture or turn it inside out.
constexpr std::string_view kOutsidePicture =
    "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\nEXBORDER=!SHADOW.PNG!9!9!3!9999!9999!9999!9999!1\n"
    "BOXCHECKED=@0047@0023@0100@0100@1@0\n"
    "[BUTTON]\nBORDERSMASK=^0040^0020^0090^0060^0020^0020^0020^0020^1^0^0^0\n"
    "[PANEL]\nBORDERSMASK=^0030^0010^0010^0005^0001^0001^0001^0001^1^0^0^0\n"
    "PATTERN=~0100~0100~0200~0200~00~0\n"
    "[EDIT]\nBORDERSMASK=^0000^0000^0048^0024^0030^0030^0030^0030^2^1^1^0\nIMGTOPRIGHT=@0044@0000@0060@0010@2@0\n";

// Parent loops of every length, a self-parent, a parent that does not exist.
constexpr std::string_view kParentLoops =
    "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n"
    "[A]\nPARENTCLASS=C\n[B]\nPARENTCLASS=A\n[C]\nPARENTCLASS=B\nBORDERSMASK=^0000^0000^0012^0012^0002^0002^0002^0002^1^0^0^0\n"
    "[SELF]\nPARENTCLASS=SELF\n[X]\nPARENTCLASS=Y\nHOTPATTERN=~0000~0000~0004~0004~00~0\n[Y]\nPARENTCLASS=X\nSTATES=2\n"
    "[ORPHAN]\nPARENTCLASS=NOSUCHSECTION\n[Q]\nPARENTCLASS=?\n[EMPTY]\nPARENTCLASS=\n"
    "[BUTTON]\nPARENTCLASS=BUTTON\n[BUTTON]\nPARENTCLASS=A\nCOLOR=255\n";

std::string LongChain(int length, bool loop) {
  std::string text = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[S0]\nCOLOR=255\nPARENTCLASS=" +
                     (loop ? "S" + std::to_string(length - 1) : std::string()) +
                     "\nBORDERSMASK=^0000^0000^0012^0012^0002^0002^0002^0002^1^0^0^0\n";
  for (int i = 1; i < length; ++i) text += "[S" + std::to_string(i) + "]\nPARENTCLASS=S" + std::to_string(i - 1) + "\n";
  return text;
}

std::string ManyNames(int sections, int keysPerSection) {
  std::string text = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n";
  for (int s = 0; s < sections; ++s) {
    text += "[N" + std::to_string(s) + "]\n";
    for (int k = 0; k < keysPerSection; ++k) text += "K" + std::to_string(k) + "=" + std::to_string(s ^ k) + "\n";
  }
  return text;
}

// PNG pictures whose header or chunks lie.
Bytes PngWithHeader(uint32_t w, uint32_t h) {
  return pngtest::Stream({{"IHDR", pngtest::IhdrData(w, h, 8, 6)}, {"IDAT", pngtest::Deflate(Bytes(64, 0))}, {"IEND", {}}});
}

Bytes PngChunkLengthLies() {
  Bytes png = SmallPng();
  const size_t idat = pngtest::FindChunk(png, "IDAT");
  png[idat] = 0x7F;
  png[idat + 1] = png[idat + 2] = png[idat + 3] = 0xFF;
  return png;
}

Bytes BmpWithHeader(int32_t w, int32_t h) {
  BmpLayout s;
  s.width = 2;
  s.height = 2;
  s.pixel = [](int32_t, int32_t) { return 0xFF102030u; };
  Bytes bmp = MakeBmp(s);
  for (int i = 0; i < 4; ++i) {
    bmp[18 + i] = uint8_t(uint32_t(w) >> (8 * i));
    bmp[22 + i] = uint8_t(uint32_t(h) >> (8 * i));
  }
  return bmp;
}

Bytes JpegWithHeader(uint16_t w, uint16_t h) {
  Bytes jpeg = imagefiles::EncodeJpeg(8, 8, 3, [](int x, int y, int c) { return uint8_t(x * 30 + y * 7 + c); });
  for (size_t i = 0; i + 9 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {  // start of frame: length, precision, height, width
      jpeg[i + 5] = uint8_t(h >> 8);
      jpeg[i + 6] = uint8_t(h);
      jpeg[i + 7] = uint8_t(w >> 8);
      jpeg[i + 8] = uint8_t(w);
      break;
    }
  }
  return jpeg;
}

// A skin whose pictures are all the given bytes, used as master, external and pattern images.
Bytes PicturesSkin(std::string_view file, const Bytes& picture) {
  const std::string f(file);
  const std::string options = "[GLOBALINFO]\nMASTERBITMAP=" + f + "\nEXBORDER=!" + f + "!2!0!3!0004!0004!0004!0004!1\n" +
                              "[BUTTON]\nBORDERSMASK=^0000^0000^0012^0012^0002^0002^0002^0002^1^0^0^0\n" +
                              "PATTERN=~0000~0000~0010~0010~00~0~" + f + "\n[PANEL]\nBORDERSMASK=!" + f + "!1!1!0\n" +
                              "[EDIT]\nPATTERN=" + f + "\n";
  return Package({{"Options.dat", Text(options)}, {f, picture}});
}

Bytes Flipped(Bytes bytes, size_t at, uint8_t mask) {
  bytes[at % bytes.size()] ^= mask;
  return bytes;
}

Bytes Cut(const Bytes& bytes, size_t length) { return Bytes(bytes.begin(), bytes.begin() + std::min(length, bytes.size())); }

}  // namespace

std::vector<uint8_t> PackageWithCorpusPictures(std::string_view options) {
  // Made once: the paint fuzzer packs a new options text at every run.
  static const Bytes master = MasterBmp(), shadow = SmallPng();
  return Package({{"Options.dat", Text(options)}, {"MASTER.BMP", master}, {"SHADOW.PNG", shadow}});
}

std::vector<HostileSkin> HostileSkins() {
  std::vector<HostileSkin> out;
  const auto add = [&out](std::string name, Bytes bytes) { out.push_back({std::move(name), std::move(bytes), {}}); };
  const auto addOptions = [&out](std::string name, const std::string& options) {
    out.push_back({std::move(name), PackageWithCorpusPictures(options), options});
  };
  const Bytes plain = PackageWithCorpusPictures(kPlainOptions);
  const Bytes options = Zlib(Text(kPlainOptions));
  addOptions("plain-control", std::string(kPlainOptions));

  // Sizes and counts in the package header that lie.
  add("member-size-claims-2gb", RawPackage(1).Member("Options.dat", 0x7FFFFFFFu, options).Take());
  add("member-size-claims-4gb", RawPackage(1).Member("Options.dat", 0xFFFFFFFFu, options).Take());
  add("member-size-too-small", RawPackage(1).Member("Options.dat", 10, options).Take());
  add("member-size-zero", RawPackage(1).Member("Options.dat", 0, options).Take());
  add("member-count-4g", RawPackage(0xFFFFFFFFu).Member("Options.dat", uint32_t(kPlainOptions.size()), options).Take());
  add("member-count-one-too-many",
      RawPackage(2).Member("Options.dat", uint32_t(kPlainOptions.size()), options).Take());
  add("name-length-4g", RawPackage(1).Raw({0xF0, 0xFF, 0xFF, 0xFF, 'O', 'p'}).Take());
  {
    RawPackage many(2000);
    many.Member("Options.dat", uint32_t(kPlainOptions.size()), options);
    const Bytes empty = Zlib({});
    for (int i = 1; i < 2000; ++i) many.Member("M" + std::to_string(i) + ".BMP", 0, empty);
    add("members-2000-empty", many.Take());
  }
  add("names-20000-keys", Package({{"Options.dat", Text(ManyNames(2000, 10))}, {"MASTER.BMP", MasterBmp()}}));
  add("names-40000-sections", Package({{"Options.dat", Text(ManyNames(40000, 0))}}));

  // Damaged streams: cut short at every layer, single bits flipped.
  for (size_t length : {size_t(3), size_t(7), size_t(12), size_t(40), plain.size() / 2, plain.size() - 1})
    add("truncated-at-" + std::to_string(length), Cut(plain, length));
  for (size_t at : {size_t(8), size_t(30), size_t(60), plain.size() / 3, plain.size() - 2})
    add("bit-flipped-at-" + std::to_string(at), Flipped(plain, at, 0x10));
  {
    Bytes badAdler = RawPackage(1).Member("Options.dat", uint32_t(kPlainOptions.size()), options).Take();
    badAdler.back() ^= 1;
    add("options-adler-wrong", std::move(badAdler));
  }

  // Parents: loops, a self-parent, a name twice, chains far longer than any skin's.
  addOptions("parent-loops", std::string(kParentLoops));
  addOptions("parent-chain-20000", LongChain(20000, false));
  addOptions("parent-loop-5000", LongChain(5000, true));

  // Absurd integers in every value form.
  for (size_t i = 0; i < std::size(kAbsurdIntegers); ++i)
    addOptions("integers-absurd-" + std::to_string(i), AbsurdIntegersSkin(kAbsurdIntegers[i]));
  addOptions("image-columns-extreme", std::string(kExtremeColumns));
  addOptions("image-value-not-a-number", PlainWith("[BAD]\nBORDERSMASK=^00x0^0000^0012^0012^0002\n"));
  addOptions("image-value-cut-short", PlainWith("[BAD]\nBORDERSMASK=^0000^00\nGLYPH=@\nPATTERN=~\nX=!\n"));
  addOptions("gradient-not-a-number", PlainWith("[BAD]\nGRADIENTDATA=1;2;x;4;5\n"));
  {
    std::string steps = "[STEPS]\nGRADIENTPERCENT=100\nGRADIENTDATA=";
    for (int i = 0; i < 5000; ++i) steps += "255;65280;1;0;0;";
    addOptions("gradient-5000-steps", PlainWith(steps + "\n"));
  }
  addOptions("images-outside-picture", std::string(kOutsidePicture));

  // Pictures with absurd dimensions or chunk lengths, as master, external and pattern images.
  add("png-1g-square", PicturesSkin("BIG.PNG", PngWithHeader(0x40000000u, 0x40000000u)));
  add("png-wide-line", PicturesSkin("WIDE.PNG", PngWithHeader(0x7FFFFFFFu, 1)));
  add("png-chunk-length-2g", PicturesSkin("LIES.PNG", PngChunkLengthLies()));
  add("bmp-height-min-int", PicturesSkin("TALL.BMP", BmpWithHeader(2, INT32_MIN)));
  add("bmp-65536-square", PicturesSkin("BIG.BMP", BmpWithHeader(65536, 65536)));
  add("bmp-width-negative", PicturesSkin("NEG.BMP", BmpWithHeader(-5, 2)));
  add("jpeg-65535-square", PicturesSkin("BIG.JPG", JpegWithHeader(65535, 65535)));
  add("jpeg-zero-width", PicturesSkin("ZERO.JPG", JpegWithHeader(0, 8)));

  // Member names that would leave a folder, and options that ask for them.
  add("member-names-escape",
      Package({{"Options.dat",
                Text("[GLOBALINFO]\nMASTERBITMAP=../MASTER.BMP\n[BUTTON]\nPATTERN=!/TMP/ABS.PNG!1!0!1\n"
                     "[EDIT]\nPATTERN=!..\\..\\UP.PNG!1!0!1\n")},
               {"../MASTER.BMP", MasterBmp()},
               {"/tmp/abs.png", SmallPng()},
               {"..\\..\\up.png", SmallPng()},
               {"C:\\Windows\\drive.png", SmallPng()},
               {"sub/../../deep.png", SmallPng()}}));
  add("member-names-not-files", Package({{"Options.dat", Text(kPlainOptions)},
                                         {"MASTER.BMP", MasterBmp()},
                                         {"..", SmallPng()},
                                         {"", SmallPng()},
                                         {"up/.", SmallPng()}}));
  return out;
}
