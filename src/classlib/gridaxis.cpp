// gridaxis.cpp: cell offsets, hit testing and scroll limits along one grid axis.
#include "classlib/gridaxis.h"

#include <algorithm>
#include <numeric>

namespace classlib {

TGridAxis::TGridAxis(int count, int defaultSize)
    : sizes_(static_cast<std::size_t>(std::max(count, 1)), std::max(defaultSize, 0)),
      defaultSize_(std::max(defaultSize, 0)) {}

void TGridAxis::SetDefaultSize(int size) {
  defaultSize_ = std::max(size, 0);
  std::fill(sizes_.begin(), sizes_.end(), defaultSize_);
}

void TGridAxis::SetSize(int index, int size) {
  sizes_[static_cast<std::size_t>(index)] = std::max(size, 0);
}

int TGridAxis::Total() const { return std::accumulate(sizes_.begin(), sizes_.end(), 0); }

int TGridAxis::Start(int first, int index) const {
  int offset = 0;
  for (int i = first; i < index; ++i) offset += Size(i);
  for (int i = index; i < first; ++i) offset -= Size(i);
  return offset;
}

int TGridAxis::IndexAt(int first, int extent, int pos) const {
  if (pos < 0 || pos >= extent) return -1;
  int edge = 0;
  for (int i = first; i < Count(); ++i) {
    edge += Size(i);
    if (pos < edge) return i;
  }
  return -1;
}

int TGridAxis::LastShown(int first, int extent) const {
  int last = first - 1;
  int offset = 0;
  for (int i = first; i < Count() && offset < extent; ++i) {
    if (Size(i) > 0) last = i;
    offset += Size(i);
  }
  return last;
}

int TGridAxis::FullyShown(int first, int extent) const {
  int count = 0;
  int edge = 0;
  for (int i = first; i < Count(); ++i) {
    edge += Size(i);
    if (edge > extent) break;
    ++count;
  }
  return count;
}

int TGridAxis::MaxFirst(int extent) const {
  int first = Count() - 1;
  int tail = Size(first);
  while (first > 0 && tail + Size(first - 1) <= extent) {
    --first;
    tail += Size(first);
  }
  return first;
}

int TGridAxis::FirstToShow(int first, int extent, int index) const {
  if (index <= first) return index;
  int newFirst = first;
  // Move the first cell on until the cell's right edge is inside the extent,
  // but never past the cell itself.
  while (newFirst < index && Start(newFirst, index) + Size(index) > extent) ++newFirst;
  return newFirst;
}

}  // namespace classlib
