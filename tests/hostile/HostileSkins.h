#pragma once
// Hostile skins: packages made to break a loader or a painter (lying sizes,
// huge counts, damaged streams, parent loops and long chains, absurd
// integers, image records outside their picture, pictures with absurd
// dimensions, member names that leave a folder). Each is small; the corpus
// in tests/fixtures/hostile-skins is written from this list by
// hostile_skin_writer, and the tests read the committed files. The writer
// also makes the seeds of the paint fuzzer from it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct HostileSkin {
  std::string Name;  // the file name without ".asz"; says what is wrong
  std::vector<uint8_t> Package;
  // For skins made of an options text and the corpus pictures: that text.
  std::string Options;
};

std::vector<HostileSkin> HostileSkins();

// A package of the given options text with the pictures the corpus skins use
// ("MASTER.BMP", a 48 x 24 bitmap with key-colour corner pixels, and
// "SHADOW.PNG", 12 x 6 with alpha).
std::vector<uint8_t> PackageWithCorpusPictures(std::string_view options);
