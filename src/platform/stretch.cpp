// stretch.cpp: scaling a rectangle of one surface into a rectangle of another.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/raster.h"

namespace platform {
namespace {

// The source pixels [First, First + Count) that feed one destination pixel
// along an axis: the first and last with weights of their own, those between
// all with one weight, so that they can be added up before weighting.
constexpr std::int64_t kFoldRows = std::int64_t{1} << 24;

struct Span {
  int First = 0;
  int Count = 1;
  double FirstWeight = 1;
  double MidWeight = 0;
  double LastWeight = 0;
};

// Destination pixel d of `dl` covers source [d*S/D, (d+1)*S/D) when shrinking,
// each source pixel weighing by the length it shares with that span; when
// enlarging, its centre (d + 1/2)*S/D - 1/2 lies between two source centres
// that share it linearly (beyond the first or last centre, that pixel alone).
// Lengths are in units of 1/D or 1/2D source pixel: exact in 64 bits, since
// both sizes are below 2^32.
Span SpanOf(std::int64_t d, std::int64_t s, std::int64_t dl) {
  Span span;
  if (dl <= s) {
    const std::int64_t start = d * s;
    const std::int64_t end = start + s;
    const std::int64_t first = start / dl;
    const std::int64_t last = (end - 1) / dl;
    span.First = static_cast<int>(first);
    span.Count = static_cast<int>(last - first + 1);
    const double whole = static_cast<double>(s);
    span.FirstWeight = static_cast<double>(std::min((first + 1) * dl, end) - start) / whole;
    if (span.Count > 1) {
      span.MidWeight = static_cast<double>(dl) / whole;
      span.LastWeight = static_cast<double>(end - last * dl) / whole;
    }
    return span;
  }
  const std::int64_t scaled = std::clamp<std::int64_t>((2 * d + 1) * s - dl, 0, 2 * dl * (s - 1));
  span.First = static_cast<int>(scaled / (2 * dl));
  const std::int64_t frac = scaled % (2 * dl);
  span.FirstWeight = static_cast<double>(2 * dl - frac) / static_cast<double>(2 * dl);
  if (frac != 0) {
    span.Count = 2;
    span.LastWeight = 1 - span.FirstWeight;
  }
  return span;
}

std::vector<Span> SpansOf(std::int64_t s, std::int64_t dl, std::int64_t from, std::int64_t to) {
  std::vector<Span> spans;
  spans.reserve(static_cast<std::size_t>(to - from));
  for (std::int64_t d = from; d < to; ++d) spans.push_back(SpanOf(d, s, dl));
  return spans;
}

// Applies a span's weights to values[i] (i relative to span.First), with the
// middle ones added up first.
template <typename ValueAt>
double Weighted(const Span& span, ValueAt valueAt) {
  if (span.Count == 1) return span.FirstWeight * valueAt(0);
  double mid = 0;
  for (int i = 1; i < span.Count - 1; ++i) mid += valueAt(i);
  return span.FirstWeight * valueAt(0) + span.MidWeight * mid +
         span.LastWeight * valueAt(span.Count - 1);
}

// Shrinking on both axes into at most 255 rows, the case of a preview, in
// integers: source pixel i covers [i*D, (i+1)*D) and destination pixel d
// covers [d*S, (d+1)*S), so every weight is a whole length and each
// destination pixel the rounded sum of its weighted pixels over S_h * S_v.
// Each destination row reads its source rows once: the whole ones added up
// in 16 bits (at most 256 of them), the two at its edges weighted in 16 bits
// (weights of at most 255), so that the bulk of the work is wide byte adds.
struct Cover {
  int First = 0;
  int Count = 1;
  std::uint32_t FirstWeight = 0;
  std::uint32_t LastWeight = 0;  // the middle ones weigh D each
};

Cover CoverOf(std::int64_t d, std::int64_t s, std::int64_t dl) {
  const std::int64_t start = d * s;
  const std::int64_t end = start + s;
  Cover c;
  c.First = static_cast<int>(start / dl);
  const std::int64_t last = (end - 1) / dl;
  c.Count = static_cast<int>(last - c.First + 1);
  c.FirstWeight = static_cast<std::uint32_t>(std::min<std::int64_t>((c.First + 1) * dl, end) - start);
  c.LastWeight = c.Count > 1 ? static_cast<std::uint32_t>(end - last * dl) : 0;
  return c;
}

bool ShrinksInIntegers(const Rect& to, const Rect& from) {
  return to.Height() <= 255 && to.Width() <= from.Width() && to.Height() <= from.Height() &&
         from.Width() <= 0xFFFF && from.Height() <= 256 * std::int64_t{to.Height()};
}

// Only the destination pixels inside `shown` (in dst's coordinates) are written.
void ShrinkInIntegers(Surface& dst, const Rect& to, const Rect& shown, const Surface& src,
                      const Rect& from) {
  const std::int64_t sw = from.Width(), sh = from.Height();
  const std::int64_t dw = to.Width(), dh = to.Height();
  std::vector<Cover> across(static_cast<std::size_t>(dw));
  for (std::int64_t d = 0; d < dw; ++d) across[static_cast<std::size_t>(d)] = CoverOf(d, sw, dw);
  const std::size_t lanes = static_cast<std::size_t>(sw) * 4;
  std::vector<std::uint16_t> mid(lanes);
  std::vector<std::uint32_t> edge(lanes);
  const auto bytes = [&](int row) {
    return reinterpret_cast<const std::uint8_t*>(src.Row(from.Top + row) + from.Left);
  };
  const std::uint64_t whole = static_cast<std::uint64_t>(sw) * static_cast<std::uint64_t>(sh);
  for (std::int64_t y = shown.Top - to.Top; y < shown.Bottom - to.Top; ++y) {
    const Cover v = CoverOf(y, sh, dh);
    std::fill(mid.begin(), mid.end(), 0);
    for (int i = 1; i < v.Count - 1; ++i) {
      const std::uint8_t* __restrict p = bytes(v.First + i);
      std::uint16_t* __restrict sum = mid.data();
      for (std::size_t k = 0; k < lanes; ++k) sum[k] = static_cast<std::uint16_t>(sum[k] + p[k]);
    }
    const std::uint8_t* __restrict first = bytes(v.First);
    const std::uint8_t* __restrict last = bytes(v.First + v.Count - 1);
    const auto fw = static_cast<std::uint16_t>(v.FirstWeight);
    const auto lw = static_cast<std::uint16_t>(v.LastWeight);
    for (std::size_t k = 0; k < lanes; ++k) {
      edge[k] = std::uint32_t{static_cast<std::uint16_t>(fw * first[k])} +
                static_cast<std::uint16_t>(lw * last[k]);
    }
    Color* out = dst.Row(to.Top + static_cast<int>(y));
    for (std::int64_t x = shown.Left - to.Left; x < shown.Right - to.Left; ++x) {
      const Cover& h = across[static_cast<std::size_t>(x)];
      std::uint64_t sum[3] = {0, 0, 0};
      for (int i = 0; i < h.Count; ++i) {
        const std::size_t at = static_cast<std::size_t>(h.First + i) * 4;
        const std::uint64_t weight = i == 0                ? h.FirstWeight
                                     : i == h.Count - 1 ? h.LastWeight
                                                        : static_cast<std::uint64_t>(dw);
        for (std::size_t c = 0; c < 3; ++c) {
          sum[c] += weight * (edge[at + c] + static_cast<std::uint64_t>(dh) * mid[at + c]);
        }
      }
      const auto channel = [&](std::size_t c) { return static_cast<int>((sum[c] + whole / 2) / whole); };
      out[to.Left + x] = Rgb(channel(2), channel(1), channel(0));
    }
  }
}

}  // namespace

// The vertical pass runs first over whole source rows, into one row of
// channel sums; each destination pixel then reduces that row horizontally.
void StretchBlt(Surface& dst, const Rect& dstRect, const Surface& src, const Rect& srcRect) {
  const Rect from{std::max(srcRect.Left, 0), std::max(srcRect.Top, 0),
                  std::min(srcRect.Right, src.Width()), std::min(srcRect.Bottom, src.Height())};
  if (dstRect.IsEmpty() || from.IsEmpty()) return;
  const std::int64_t left = std::max<std::int64_t>(dstRect.Left, 0);
  const std::int64_t right = std::min<std::int64_t>(dstRect.Right, dst.Width());
  const std::int64_t top = std::max<std::int64_t>(dstRect.Top, 0);
  const std::int64_t bottom = std::min<std::int64_t>(dstRect.Bottom, dst.Height());
  if (left >= right || top >= bottom) return;
  if (ShrinksInIntegers(dstRect, from)) {
    const Rect shown{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                     static_cast<int>(bottom)};
    ShrinkInIntegers(dst, dstRect, shown, src, from);
    return;
  }

  const std::int64_t dstWidth = std::int64_t{dstRect.Right} - dstRect.Left;
  const std::int64_t dstHeight = std::int64_t{dstRect.Bottom} - dstRect.Top;
  const std::vector<Span> across =
      SpansOf(from.Width(), dstWidth, left - dstRect.Left, right - dstRect.Left);
  const std::vector<Span> down =
      SpansOf(from.Height(), dstHeight, top - dstRect.Top, bottom - dstRect.Top);
  const int colLo = from.Left + across.front().First;
  const int colHi = from.Left + across.back().First + across.back().Count;
  // Four lanes a pixel, its bytes in memory order: blue, green, red, alpha.
  static_assert(std::endian::native == std::endian::little);
  const std::size_t lanes = static_cast<std::size_t>(colHi - colLo) * 4;
  std::vector<double> row(lanes);
  std::vector<std::uint32_t> mid(lanes);
  std::vector<double> folded(lanes);

  for (std::int64_t y = top; y < bottom; ++y) {
    const Span& v = down[static_cast<std::size_t>(y - top)];
    const auto source = [&](int i) {
      return reinterpret_cast<const std::uint8_t*>(src.Row(from.Top + v.First + i) + colLo);
    };
    // The middle rows weigh the same: their bytes are added up as 32-bit
    // integers, folded into doubles every 2^24 rows before they could wrap,
    // and weighted once.
    std::fill(folded.begin(), folded.end(), 0.0);
    for (int i = 1; i < v.Count - 1;) {
      const int end = static_cast<int>(std::min<std::int64_t>(v.Count - 1, std::int64_t{i} + kFoldRows));
      std::fill(mid.begin(), mid.end(), 0);
      for (; i < end; ++i) {
        const std::uint8_t* __restrict p = source(i);
        std::uint32_t* __restrict sum = mid.data();
        for (std::size_t k = 0; k < lanes; ++k) sum[k] += p[k];
      }
      for (std::size_t k = 0; k < lanes; ++k) folded[k] += mid[k];
    }
    const std::uint8_t* first = source(0);
    const std::uint8_t* last = source(v.Count - 1);
    for (std::size_t k = 0; k < lanes; ++k) {
      row[k] = v.FirstWeight * first[k] + v.MidWeight * folded[k] + v.LastWeight * last[k];
    }
    Color* out = dst.Row(static_cast<int>(y));
    for (std::int64_t x = left; x < right; ++x) {
      const Span& h = across[static_cast<std::size_t>(x - left)];
      const double* at = row.data() + static_cast<std::size_t>(from.Left + h.First - colLo) * 4;
      const auto channel = [&](std::size_t c) {
        const double value = Weighted(h, [&](int i) { return at[4 * static_cast<std::size_t>(i) + c]; });
        return static_cast<int>(std::clamp(std::lround(value), 0L, 255L));
      };
      out[x] = Rgb(channel(2), channel(1), channel(0));
    }
  }
}

}  // namespace platform
