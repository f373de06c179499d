// CL0010GF.h: the utility object shared by the windows, with its drawing
// helpers for cells: 3-D frames, the selection mark and the block copy.
#pragma once

#include "classlib/canvas.h"
#include "classlib/form.h"
#include "classlib/msgdialog.h"
#include "classlib/tstring.h"

class TClsCL0010GF {
 public:
  // ---- Drawing helpers ----------------------------------------------------
  // Each frame routine changes only the canvas's pen colour, and restores it
  // before it returns; the current position is left where the lines ended.
  // Rectangles are right and bottom exclusive.

  // A 2-pixel sunken edge along the inside of the rectangle: grey on the left
  // and top, white on the right and bottom.
  void DrawSunkenFrame(classlib::TCanvas* canvas, int Left, int Top, int Right, int Bottom);
  // The same edge raised: white on the left and top, grey on the right and bottom.
  void DrawRaisedFrame(classlib::TCanvas* canvas, int Left, int Top, int Right, int Bottom);
  // An engraved rectangle four pixels inside the rectangle: a grey outline
  // with white lines just inside its left and top and just outside its right
  // and bottom.
  void DrawSelectFrame(classlib::TCanvas* canvas, int Left, int Top, int Right, int Bottom);
  // Copies the source rectangle's block to (DestLeft, DestTop) of the
  // destination in one block transfer; DestRight and DestBottom are not read.
  // Returns non-zero on success.
  int CopyBuffer(classlib::TCanvas* dest, int DestLeft, int DestTop, int DestRight,
                 int DestBottom, classlib::TCanvas* source, int SourceLeft, int SourceTop,
                 int SourceRight, int SourceBottom);

  // ---- Message boxes and application helpers ------------------------------
  // The boxes are modal, centred over the main window and captioned like it;
  // they return once the player has closed them, and never throw.

  // An information box with an OK button.
  void ShowInfo(const classlib::TString& text);
  // A warning box with an OK button.
  void ShowError(const classlib::TString& text);
  // The application's title.
  classlib::TString GetAppTitle() const;
  // Centres the form over its owner, halving the difference of the outer
  // sizes toward zero, without keeping it on the screen.
  void CenterOnOwner(classlib::TForm* form);

 private:
  void DrawEdge(classlib::TCanvas* canvas, int Left, int Top, int Right, int Bottom,
                classlib::TColor topLeft, classlib::TColor bottomRight);
  void ShowBox(const classlib::TString& text, classlib::TMsgDlgType type);
};

extern TClsCL0010GF Utility;
