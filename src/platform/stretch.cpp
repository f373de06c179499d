// stretch.cpp: scaling a rectangle of one surface into a rectangle of another.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/raster.h"

namespace platform {
namespace {

__extension__ typedef __int128 Wide;

// Weights are 16.16 fixed point; the weights of one destination pixel add up
// to exactly kOne, so a uniform area stays exactly uniform.
constexpr int kShift = 16;
constexpr std::int64_t kOne = std::int64_t{1} << kShift;
constexpr std::size_t kMaxRun = std::size_t{1} << 24;

struct Tap {
  int Index;  // absolute source index, inside the source surface
  std::uint32_t Weight;
};

// The source pixels that feed each visible destination pixel along one axis.
class AxisTaps {
 public:
  // srcStart/srcLength: the source rectangle on this axis; srcLimit: the source
  // surface's size; dstLength: the destination rectangle's size, of which the
  // pixels [first, last) (relative to its start) are visible.
  AxisTaps(int srcStart, int srcLength, int srcLimit, int dstLength, int first, int last)
      : start_(srcStart), limit_(srcLimit) {
    offsets_.reserve(static_cast<std::size_t>(last - first) + 1);
    for (int d = first; d < last; ++d) {
      offsets_.push_back(taps_.size());
      if (dstLength <= srcLength) {
        AddAreaTaps(d, srcLength, dstLength);
      } else {
        AddBilinearTaps(d, srcLength, dstLength);
      }
    }
    offsets_.push_back(taps_.size());
  }

  std::span<const Tap> For(int visibleIndex) const {
    const std::size_t i = static_cast<std::size_t>(visibleIndex);
    return {taps_.data() + offsets_[i], offsets_[i + 1] - offsets_[i]};
  }
  int MinIndex() const {
    int lowest = static_cast<int>(limit_ - 1);
    for (const Tap& t : taps_) lowest = std::min(lowest, t.Index);
    return lowest;
  }
  int MaxIndex() const {
    int highest = 0;
    for (const Tap& t : taps_) highest = std::max(highest, t.Index);
    return highest;
  }

 private:
  int Absolute(std::int64_t relative) const {
    return static_cast<int>(std::clamp<std::int64_t>(start_ + relative, 0, limit_ - 1));
  }

  // Shrinking: destination pixel d covers source [d*S/D, (d+1)*S/D); each
  // source pixel weighs by the length it shares with that span. Lengths are
  // counted in units of 1/D source pixel, so they are exact integers.
  void AddAreaTaps(std::int64_t d, std::int64_t s, std::int64_t dl) {
    const std::int64_t spanStart = d * s;
    const std::int64_t spanEnd = (d + 1) * s;
    const std::size_t firstTap = taps_.size();
    std::int64_t total = 0;
    for (std::int64_t i = spanStart / dl; i * dl < spanEnd; ++i) {
      const std::int64_t overlap = std::min((i + 1) * dl, spanEnd) - std::max(i * dl, spanStart);
      const std::int64_t weight = (overlap * kOne + s / 2) / s;
      taps_.push_back({Absolute(i), static_cast<std::uint32_t>(weight)});
      total += weight;
    }
    // Rounding may miss kOne by a little; the heaviest tap takes the difference.
    auto heaviest = std::max_element(taps_.begin() + static_cast<std::ptrdiff_t>(firstTap), taps_.end(),
                                     [](const Tap& a, const Tap& b) { return a.Weight < b.Weight; });
    heaviest->Weight = static_cast<std::uint32_t>(heaviest->Weight + (kOne - total));
  }

  // Enlarging: the centre of destination pixel d lies at source position
  // (d + 1/2) * S/D - 1/2; the two nearest source pixels share it linearly.
  // Positions beyond the first or last source centre take that pixel alone.
  void AddBilinearTaps(std::int64_t d, std::int64_t s, std::int64_t dl) {
    const Wide scaled = (Wide{2 * d + 1} * s - dl) * kOne;
    const Wide pos = std::clamp<Wide>(scaled / (2 * dl), 0, Wide{s - 1} * kOne);
    const std::int64_t whole = static_cast<std::int64_t>(pos >> kShift);
    const std::int64_t frac = static_cast<std::int64_t>(pos & (kOne - 1));
    taps_.push_back({Absolute(whole), static_cast<std::uint32_t>(kOne - frac)});
    if (frac != 0) taps_.push_back({Absolute(whole + 1), static_cast<std::uint32_t>(frac)});
  }

  std::int64_t start_;
  std::int64_t limit_;
  std::vector<std::size_t> offsets_;
  std::vector<Tap> taps_;
};

// The source rows of one destination row, added up as the weights require,
// four lanes per pixel (blue, green, red, alpha: a pixel's bytes in memory
// order). The alpha lane wraps harmlessly and is never read.
class RowAccumulator {
 public:
  RowAccumulator(const Surface& src, int colLo, int cols)
      : src_(src), colLo_(colLo), lanes_(static_cast<std::size_t>(cols) * 4),
        acc_(lanes_), sum_(lanes_), zeros_(lanes_) {}

  const std::uint32_t* Lanes() const { return acc_.data(); }

  // Shrinking gives every source row wholly inside a destination pixel the
  // same weight, so each run of equal weights is added up first and weighted
  // once: the same integers as weighting row by row, with far fewer
  // multiplications and passes over the accumulator.
  void Accumulate(std::span<const Tap> taps) {
    for (std::size_t i = 0; i < taps.size();) {
      std::size_t end = i + 1;
      // 2^24 rows of 255 still fit the 32-bit sums.
      while (end < taps.size() && end - i < kMaxRun && taps[end].Weight == taps[i].Weight) ++end;
      AddRun(taps.subspan(i, end - i), taps[i].Weight, i == 0);
      i = end;
    }
  }

 private:
  static constexpr std::size_t kRowsPerPass = 4;
  using Rows = std::array<const std::uint8_t*, kRowsPerPass>;

  // Rows r to r + 3 of the run; rows of zeros stand in past its end.
  Rows Group(std::span<const Tap> run, std::size_t r) const {
    static_assert(std::endian::native == std::endian::little);
    Rows rows{};
    for (std::size_t i = 0; i < kRowsPerPass; ++i) {
      rows[i] = r + i < run.size()
                    ? reinterpret_cast<const std::uint8_t*>(src_.Row(run[r + i].Index) + colLo_)
                    : zeros_.data();
    }
    return rows;
  }

  // Four rows a pass, so that the sums are gone over once per four rows: a
  // long run's rows but the last four are added into `sum_`; the last pass
  // adds them, and the sum, into the accumulator with the run's weight. The
  // row's first run sets the accumulator instead of adding to it.
  void AddRun(std::span<const Tap> run, std::uint32_t weight, bool first) {
    std::size_t r = 0;
    for (; run.size() - r > kRowsPerPass; r += kRowsPerPass) {
      if (r == 0) {
        Pass<false, false, true>(Group(run, r), 1);
      } else {
        Pass<false, false, false>(Group(run, r), 1);
      }
    }
    const Rows last = Group(run, r);
    if (r > 0) {
      first ? Pass<true, true, true>(last, weight) : Pass<true, true, false>(last, weight);
    } else {
      first ? Pass<false, true, true>(last, weight) : Pass<false, true, false>(last, weight);
    }
  }

  // One pass over the lanes: the four rows' bytes added up, plus `sum_` when
  // kWithSum; then either weighted into the accumulator (kIntoAcc) or kept in
  // `sum_`; stored (kSet) or added.
  template <bool kWithSum, bool kIntoAcc, bool kSet>
  void Pass(const Rows& rows, std::uint32_t weight) {
    const std::uint32_t* sum = sum_.data();
    std::uint32_t* to = kIntoAcc ? acc_.data() : sum_.data();
    for (std::size_t k = 0; k < lanes_; ++k) {
      std::uint32_t v = rows[0][k] + rows[1][k] + rows[2][k] + rows[3][k];
      if constexpr (kWithSum) v += sum[k];
      if constexpr (kIntoAcc) v *= weight;
      if constexpr (kSet) {
        to[k] = v;
      } else {
        to[k] += v;
      }
    }
  }

  const Surface& src_;
  int colLo_;
  std::size_t lanes_;
  std::vector<std::uint32_t> acc_;
  std::vector<std::uint32_t> sum_;
  std::vector<std::uint8_t> zeros_;
};

// The horizontal pass, runs of equal weights again added up first.
Color ResolvePixel(const std::uint32_t* acc, std::span<const Tap> taps, int colLo) {
  std::uint64_t sum[3] = {0, 0, 0};
  for (std::size_t i = 0; i < taps.size();) {
    std::uint64_t run[3] = {0, 0, 0};
    std::size_t end = i;
    for (; end < taps.size() && taps[end].Weight == taps[i].Weight; ++end) {
      const std::uint32_t* a = acc + 4 * (taps[end].Index - colLo);
      for (int c = 0; c < 3; ++c) run[c] += a[c];
    }
    for (int c = 0; c < 3; ++c) sum[c] += run[c] * taps[i].Weight;
    i = end;
  }
  // Vertical and horizontal weights each add up to 2^16: the sums are 2^32
  // times the mean; round to nearest.
  const auto channel = [&](int c) { return static_cast<int>((sum[c] + (1ull << 31)) >> 32); };
  return Rgb(channel(2), channel(1), channel(0));
}

}  // namespace

// The vertical pass runs first over whole source rows (long contiguous loops),
// then the few accumulated rows are reduced horizontally.
void StretchBlt(Surface& dst, const Rect& dstRect, const Surface& src,
                const Rect& srcRect) {
  if (dstRect.IsEmpty() || srcRect.IsEmpty() || src.IsEmpty()) return;
  const int left = std::max(dstRect.Left, 0);
  const int right = std::min(dstRect.Right, dst.Width());
  const int top = std::max(dstRect.Top, 0);
  const int bottom = std::min(dstRect.Bottom, dst.Height());
  if (left >= right || top >= bottom) return;

  const AxisTaps across(srcRect.Left, srcRect.Width(), src.Width(), dstRect.Width(),
                        left - dstRect.Left, right - dstRect.Left);
  const AxisTaps down(srcRect.Top, srcRect.Height(), src.Height(), dstRect.Height(),
                      top - dstRect.Top, bottom - dstRect.Top);
  const int colLo = across.MinIndex();
  const int cols = across.MaxIndex() - colLo + 1;
  RowAccumulator rows(src, colLo, cols);
  for (int y = top; y < bottom; ++y) {
    rows.Accumulate(down.For(y - top));
    Color* out = dst.Row(y);
    for (int x = left; x < right; ++x) {
      out[x] = ResolvePixel(rows.Lanes(), across.For(x - left), colLo);
    }
  }
}

}  // namespace platform
