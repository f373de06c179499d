// peer.h: what the class library asks of a toolkit. Each control has a peer
// that puts it on screen and brings the window system's input back to it;
// the toolkit also runs the application's loop and its standard dialogs.
// One implementation per toolkit (qt/).
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>

#include "classlib/colors.h"
#include "classlib/font.h"
#include "classlib/tstring.h"
#include "platform/raster.h"

namespace classlib {

class TBevel;
class TButton;
class TDrawGrid;
class TForm;
class TImage;
class TLabel;
class TMainMenu;
class TMenuItem;
class TPanel;
class TSpeedButton;
class TWinControl;

struct TSize {
  int Width = 0;
  int Height = 0;
};

// What assistive technology is told of a grid or one of its cells.
enum class TAccessEvent { Focus, Selection, SelectionRemove, NameChange, DescriptionChange };

class TControlPeer {
 public:
  virtual ~TControlPeer() = default;
  // In the parent's client coordinates.
  virtual TRect Bounds() const = 0;
  virtual void SetBounds(const TRect& bounds) = 0;
  virtual bool Visible() const = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Focused() const = 0;
  virtual void SetFocus() = 0;
  // The control's state changed: the peer takes it up and shows it again.
  virtual void Invalidate() = 0;
  virtual void SetAccessibleName(const TString& name) = 0;
};

class TLabelPeer : public TControlPeer {
 public:
  // The size the caption takes in the label's font, wrapped at `maxWidth`.
  virtual TSize WrappedExtent(int maxWidth) const = 0;
};

struct TScrollBarState {
  bool Shown = false;
  int Max = 0;       // counted in whole cells
  int Page = 1;
  int Position = 0;
};

class TGridPeer : public TControlPeer {
 public:
  // The sunken edge's width, and the room each scroll bar takes.
  virtual int FrameWidth() const = 0;
  virtual int HorzBarHeight() const = 0;
  virtual int VertBarWidth() const = 0;
  virtual void SetScrollBars(const TScrollBarState& horz, const TScrollBarState& vert) = 0;
  // Shows the cells the grid has composed: now, or at the next paint.
  virtual void ShowCellsNow() = 0;
  virtual void InvalidateCells() = 0;
  // Whether a screen reader listens; `cell` is row * ColCount + col, or -1
  // for the grid itself.
  virtual bool AccessibilityActive() const = 0;
  virtual void Announce(TAccessEvent event, int cell) = 0;
};

class TMenuPeer {
 public:
  virtual ~TMenuPeer() = default;
  virtual void SetEnabled(bool enabled) = 0;
  // Shows `item` as the last entry of this menu (of the bar, for the root).
  virtual std::unique_ptr<TMenuPeer> Add(TMenuItem& item) = 0;
};

class TFormPeer : public TControlPeer {
 public:
  // Frame and title bar included; before the form is shown, the frame it
  // is expected to get.
  virtual TRect OuterRect() const = 0;
  // Places the frame's top-left corner.
  virtual void MoveTo(int left, int top) = 0;
  // The client area's size, below the menu bar; a fixed size keeps it.
  virtual void SetClientSize(int width, int height, bool fixed) = 0;
  virtual TString Caption() const = 0;
  virtual void SetCaption(const TString& caption) = 0;
  virtual void SetFont(const TFont& font) = 0;
  // A fixed frame with a close box only.
  virtual void SetDialogFrame() = 0;
  virtual void SetMenu(TMenuPeer& bar) = 0;
  virtual void Show() = 0;
  // Shows the form above the others and runs a nested loop until EndModal.
  virtual void RunModal() = 0;
  virtual void EndModal() = 0;
  // As if the player closed the window.
  virtual void Close() = 0;
  // Runs `destroy` once the events already queued for the form are handled,
  // unless the form has gone before.
  virtual void DeleteLater(std::function<void()> destroy) = 0;
};

namespace backend {

std::unique_ptr<TFormPeer> CreatePeer(TForm& form, TForm* owner);
std::unique_ptr<TGridPeer> CreatePeer(TDrawGrid& grid, TWinControl& parent);
std::unique_ptr<TLabelPeer> CreatePeer(TLabel& label, TWinControl& parent);
std::unique_ptr<TControlPeer> CreatePeer(TPanel& panel, TWinControl& parent);
std::unique_ptr<TControlPeer> CreatePeer(TBevel& bevel, TWinControl& parent);
std::unique_ptr<TControlPeer> CreatePeer(TImage& image, TWinControl& parent);
std::unique_ptr<TControlPeer> CreatePeer(TButton& button, TWinControl& parent);
std::unique_ptr<TControlPeer> CreatePeer(TSpeedButton& button, TWinControl& parent);
std::unique_ptr<TMenuPeer> CreatePeer(TMainMenu& menu);

// The application: the toolkit's set-up and tear-down, its loop, and what
// it shows for the program as a whole.
void Initialize(int& argc, char** argv);
void Finalize();
void RunLoop();
void QuitLoop();
void SetTitle(const TString& title);
void SetIcon(std::span<const platform::MaskedGlyph> sizes);
void SetDesktopEntry(const TString& name);
bool SetToolkitLanguage(const TString& language, const TString& translations);
// Minimises every shown window of the program; restores them, `first`
// first, and raises a modal box above them.
void MinimizeAll();
void RestoreAll(TForm* first);
// The face of buttons and panels.
TColor ButtonFace();
// The open dialog; nothing when the player cancels.
std::optional<TString> ChooseFile(const TString& title, const TString& filter, const TString& last);

}  // namespace backend
}  // namespace classlib
