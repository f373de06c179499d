// bmp_bytes.h: BMP files built byte by byte for tests, and the generated
// corpus of valid and hostile files.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/raster.h"
#include "platform/surface.h"


namespace testsupport {

using Bytes = std::vector<std::uint8_t>;

inline void PutLE(Bytes& b, std::uint64_t v, int size) {
  for (int i = 0; i < size; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A file's fields; Build() lays them out as a writer would, with Offset and
// FileSize overridable to make broken files.
struct BmpSpec {
  std::uint32_t InfoSize = 40;
  std::int32_t Width = 2;
  std::int32_t Height = 2;
  std::uint16_t Planes = 1;
  std::uint16_t Bits = 24;
  std::uint32_t Compression = 0;
  std::uint32_t ColoursUsed = 0;
  std::array<std::uint32_t, 3> Masks{};  // written after a 40-byte header when Compression is 3
  std::vector<std::array<std::uint8_t, 3>> Palette;  // r, g, b
  Bytes Pixels;                                      // as stored in the file
  std::optional<std::uint32_t> Offset;

  Bytes Build() const {
    Bytes info;
    PutLE(info, InfoSize, 4);
    // The 12-byte header keeps its sides in 16 bits.
    PutLE(info, static_cast<std::uint32_t>(Width), InfoSize == 12 ? 2 : 4);
    PutLE(info, static_cast<std::uint32_t>(Height), InfoSize == 12 ? 2 : 4);
    PutLE(info, Planes, 2);
    PutLE(info, Bits, 2);
    if (InfoSize != 12) {
      PutLE(info, Compression, 4);
      PutLE(info, Pixels.size(), 4);
      PutLE(info, 0, 8);
      PutLE(info, ColoursUsed, 4);
      PutLE(info, 0, 4);
      for (std::uint32_t m : Masks) PutLE(info, m, 4);  // masks here, or in the extra 12 bytes
      info.resize(InfoSize == 40 && Compression == 3 ? 52 : std::max<std::size_t>(InfoSize, 40), 0);
    }
    for (const auto& c : Palette) {
      info.insert(info.end(), {c[2], c[1], c[0]});
      if (InfoSize != 12) info.push_back(0);
    }
    Bytes file{'B', 'M'};
    const std::uint32_t offset = Offset.value_or(static_cast<std::uint32_t>(14 + info.size()));
    PutLE(file, 14 + info.size() + Pixels.size(), 4);
    PutLE(file, 0, 4);
    PutLE(file, offset, 4);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), Pixels.begin(), Pixels.end());
    return file;
  }
};

// A 24-bit picture of the surface's pixels, bottom row first, rows padded
// to four bytes.
inline BmpSpec Bmp24(const platform::Surface& surface) {
  BmpSpec file;
  file.Width = surface.Width();
  file.Height = surface.Height();
  file.Pixels.clear();
  const int padding = (4 - surface.Width() * 3 % 4) % 4;
  for (int y = surface.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < surface.Width(); ++x) {
      const platform::Color c = surface.Pixel(x, y);
      file.Pixels.insert(file.Pixels.end(), {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
                                             static_cast<std::uint8_t>(c >> 16)});
    }
    file.Pixels.insert(file.Pixels.end(), static_cast<std::size_t>(padding), 0);
  }
  return file;
}

// A binary PPM file (P6, 8 bits a channel) as a surface; empty when it is
// none.
inline platform::Surface ReadPpm(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int width = 0, height = 0, maximum = 0;
  in >> magic >> width >> height >> maximum;
  in.get();
  if (!in || magic != "P6" || maximum != 255 || width <= 0 || height <= 0) return {};
  platform::Surface s(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      unsigned char rgb[3] = {};
      in.read(reinterpret_cast<char*>(rgb), 3);
      s.SetPixel(x, y, platform::Rgb(rgb[0], rgb[1], rgb[2]));
    }
  }
  return in ? s : platform::Surface();
}

// A w x h picture of 8-bit runs: `stream` as its pixels, `colours` black
// palette entries.
inline BmpSpec Rle8(std::int32_t w, std::int32_t h, Bytes stream, std::uint32_t colours = 2) {
  BmpSpec s;
  s.Width = w, s.Height = h, s.Bits = 8, s.Compression = 1, s.ColoursUsed = colours;
  s.Palette.assign(colours, {0, 0, 0});
  s.Pixels = std::move(stream);
  return s;
}

inline void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct CorpusEntry {
  std::string Name;
  std::string Verdict;  // "ok" or the reason the file must be refused
  int Width = 0;
  int Height = 0;
};

// Writes the corpus with tools/make_corpus.py into `dir` (emptied first; tests
// run as parallel processes, so each uses a folder of its own), its valid
// pictures drawn at width x height (the script's own size when 0). Returns
// the manifest's entries, none when python3 or the script failed.
inline std::vector<CorpusEntry> MakeCorpus(const std::filesystem::path& dir, int width = 0,
                                           int height = 0) {
  std::filesystem::remove_all(dir);
  std::ostringstream command;
  command << "python3 '" TESSRA_SOURCE_DIR "/tools/make_corpus.py' '" << dir.string() << "'";
  if (width > 0) command << ' ' << width << ' ' << height;
  std::vector<CorpusEntry> entries;
  if (std::system(command.str().c_str()) != 0) return entries;
  std::ifstream manifest(dir / "MANIFEST.txt");
  for (std::string line; std::getline(manifest, line);) {
    std::istringstream fields(line);
    CorpusEntry e;
    fields >> e.Name >> e.Verdict >> e.Width >> e.Height;
    if (!e.Name.empty()) entries.push_back(e);
  }
  return entries;
}

}  // namespace testsupport
