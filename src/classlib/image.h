// image.h: a control that shows a picture, or one of the system's icons.
#pragma once

#include <optional>
#include <utility>

#include "classlib/controls.h"
#include "classlib/tstring.h"
#include "platform/surface.h"

namespace classlib {

enum class TMsgDlgType { mtInformation, mtWarning, mtError };

// Shows its picture unscaled at its top-left corner (or scaled to its size
// with Stretch); the rest shows the parent. With AutoSize it takes the
// picture's size.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TWinControl* parent);

  const platform::Surface& Picture() const { return picture_; }
  // Keeps its own copy of the picture.
  void SetPicture(const platform::Surface& picture);
  // The system's icon for a message of the kind, in place of a picture.
  std::optional<TMsgDlgType> Icon() const { return icon_; }
  void SetIcon(TMsgDlgType kind);
  // What a screen reader calls the picture: the words it shows.
  void SetAccessibleName(const TString& name) { Peer().SetAccessibleName(name); }
  void SetAutoSize(bool autoSize);
  void SetStretch(bool stretch);
  // The pixels the control shows from its top-left corner: the picture
  // scaled to the control's size by our raster with Stretch, otherwise cut
  // at its edges. Every toolkit shows these, so they are the same everywhere.
  // Made again only when the picture, Stretch or the size changed.
  const platform::Surface& Shown() const;

 private:
  void ApplyAutoSize();

  platform::Surface picture_;
  std::optional<TMsgDlgType> icon_;
  bool autoSize_ = false;
  bool stretch_ = false;
  mutable platform::Surface shown_;
  mutable std::pair<int, int> shownFor_{-1, -1};  // the size shown_ was made for
};

}  // namespace classlib
