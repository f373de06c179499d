// controls.h: alignment of child controls inside their parent, as the
// forms and panels lay out their children when they are resized.
#pragma once

#include <QWidget>

namespace classlib {

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// The alignment is kept on the widget itself, so any widget can be aligned.
void SetAlign(QWidget* control, TAlign align);
TAlign AlignOf(const QWidget* control);

// Places the aligned children of `parent` inside `area`: first the top-aligned
// ones, then bottom, left, right, and last the client-aligned one, each kind in
// creation order. A top or bottom child takes a strip of its own height across
// the width that is left; a left or right child a strip of its own width over
// the height that is left; the client child takes what remains. Strips that no
// longer fit shrink to nothing.
void ArrangeAlignedChildren(QWidget* parent, const QRect& area);

// Sets position and size in the parent's client coordinates.
inline void SetBounds(QWidget* control, int left, int top, int width, int height) {
  control->setGeometry(left, top, width, height);
}

}  // namespace classlib
