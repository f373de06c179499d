// panel.h: panels that hold and align other controls, and bevel lines.
#pragma once

#include <optional>

#include "classlib/colors.h"
#include "classlib/controls.h"

namespace classlib {

enum class TBevelCut { bvNone, bvLowered, bvRaised };

// A container with up to two 1-pixel 3-D edges and a background colour. With
// no colour set it has the button face of the system.
class TPanel : public TWinControl {
 public:
  explicit TPanel(TWinControl* parent);

  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut cut);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut cut);
  void SetColor(TColor color);
  TColor Color() const;

  // The area inside the edges, where aligned children are placed.
  TRect ClientRect() const override;

 private:
  int BevelWidth() const;

  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  TBevelCut bevelInner_ = TBevelCut::bvNone;
  std::optional<TColor> color_;
};

// bsLeftLine: an etched line along the left edge, grey with white beside it.
enum class TBevelShape { bsNone, bsLeftLine };

// An etched shape; a bevel whose shape is not set draws nothing.
class TBevel : public TGraphicControl {
 public:
  explicit TBevel(TWinControl* parent);
  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape shape);

 private:
  TBevelShape shape_ = TBevelShape::bsNone;
};

}  // namespace classlib
