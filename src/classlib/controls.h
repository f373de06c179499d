// controls.h: components with owners, controls with parents, and the
// alignment of child controls inside their parent.
#pragma once

#include <memory>
#include <vector>

#include "classlib/colors.h"
#include "classlib/messages.h"
#include "classlib/peer.h"

namespace classlib {

// An object owned by another: the owner destroys what it owns, the latest
// first, before it goes itself.
class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }

 protected:
  // Destroys the owned components now, the latest first.
  void DestroyComponents();

 private:
  TComponent* owner_;
  std::vector<TComponent*> components_;
};

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TWinControl;

// Something shown inside a window: it has a parent, which is also its owner,
// a place in the parent's client area, and its peer in the toolkit.
class TControl : public TComponent {
 public:
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }

  int Left() const { return Peer().Bounds().Left; }
  int Top() const { return Peer().Bounds().Top; }
  int Width() const { return Peer().Bounds().Width(); }
  int Height() const { return Peer().Bounds().Height(); }
  // Position and size in the parent's client coordinates.
  void SetBounds(int left, int top, int width, int height);

  // The parent places the control at once, and again whenever it is resized.
  void SetAlign(TAlign align);

  // A disabled control takes no input; one inside a disabled parent neither.
  bool Enabled() const { return Peer().Enabled(); }
  void SetEnabled(bool enabled) { Peer().SetEnabled(enabled); }
  // Shown on screen, with every parent.
  bool Visible() const { return Peer().Visible(); }

  TControlPeer& Peer() const { return *peer_; }
  // False only while the control is being made.
  bool HasPeer() const { return peer_ != nullptr; }

 protected:
  // Windowed controls and those painted by their parent alike are made
  // with a parent; forms with none.
  explicit TControl(TWinControl* parent, TComponent* owner = nullptr);
  // The derived constructor makes the peer, once the control is whole.
  void AttachPeer(std::unique_ptr<TControlPeer> peer);
  // Destroys the peer first, so that the toolkit sends nothing more to a
  // control that is going; derived destructors with handlers call it.
  void DetachPeer();

 private:
  friend void ArrangeAlignedChildren(TWinControl& parent, const TRect& area);

  TWinControl* parent_;
  std::unique_ptr<TControlPeer> peer_;
  TAlign align_ = TAlign::alNone;
  // The height of a top or bottom strip, the width of a left or right one,
  // as designed: a strip squeezed to nothing grows back when there is room.
  int alignExtent_ = 0;
};

// A control with a window of its own, which holds child controls.
class TWinControl : public TControl {
 public:
  ~TWinControl() override;

  const std::vector<TControl*>& Controls() const { return controls_; }
  bool Focused() const { return Peer().Focused(); }
  void SetFocus() { Peer().SetFocus(); }

  // The area in which aligned children are placed, in client coordinates.
  virtual TRect ClientRect() const;
  // Places the aligned children again.
  void Realign();

  // From the peer: the control's size changed.
  virtual void Resized() { Realign(); }

 protected:
  using TControl::TControl;

 private:
  friend class TControl;
  std::vector<TControl*> controls_;  // in creation order
};

// A control without a window of its own, painted within its parent's.
class TGraphicControl : public TControl {
 protected:
  using TControl::TControl;
};

// Places the aligned children of `parent` inside `area`: first the top-aligned
// ones, then bottom, left, right, and last the client-aligned one, each kind in
// creation order. A top or bottom child takes a strip of its own height across
// the width that is left; a left or right child a strip of its own width over
// the height that is left; the client child takes what remains. Strips that no
// longer fit shrink to nothing.
void ArrangeAlignedChildren(TWinControl& parent, const TRect& area);

}  // namespace classlib
