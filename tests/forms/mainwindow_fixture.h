// mainwindow_fixture.h: a main window on the offscreen platform, with message
// boxes and the open dialog answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/modal.h"
#include "classlib/msgdialog.h"
#include "forms/FR0010MN.h"
#include "support/tempdir.h"

namespace formtest {

// A picture whose every pixel is different enough to tell pieces apart.
platform::Surface PatternPicture(int width, int height);

// Writes a picture as a 24-bit BMP file into `dir` and returns its path.
// The path is in UTF-8.
std::string WriteBmp(const testsupport::TempDir& dir, const std::string& name, const platform::Surface& picture);

// How a test plays: from the keys or from the mouse.
enum class Hands { Keys, Mouse };
inline void PrintTo(Hands hands, std::ostream* os) { *os << (hands == Hands::Keys ? "keys" : "mouse"); }

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Replaces the window with a new one, as at start.
  void Recreate();
  // Queues an answer for the next message box that records its text,
  // caption and type.
  void ExpectBox();
  // Opens `path` through the Open command with the dialog answered.
  void Open(const std::string& path);
  // Opens `path` with any box answered and recorded in the lists below,
  // which start empty.
  void OpenRecorded(const std::string& path);
  // Deals with the clock fixed at `seconds`.
  void Start(std::int64_t seconds);
  // Clicks the board cell (col, row) with the left button.
  void ClickCell(int col, int row);
  void DoubleClickCell(int col, int row);

  // Puts the board one slide from home: the missing piece lies one cell right
  // of its home, which holds the piece that belongs there.
  void ArrangeOneSlideFromHome(int blankPiece);
  // Plays the dealt game home as a solution slides it: by keys, the arrows to
  // each piece round the blank, then Enter; by mouse, a double-click on it.
  // False when no solution was found or the game ended early.
  bool PlayHome(Hands hands);
  // After a refusal: nothing to play, and a good picture still loads and deals.
  void ExpectRefusedAndUsable();

  // The board's painted pixels of cell (col, row), for comparisons.
  platform::Surface BoardCellPixels(int col, int row) const;
  platform::Surface PreviewCellPixels(int col, int row) const;

  // The window's state, for what its widgets do not show.
  TFrmFR0010MNView View() const { return TFrmFR0010MNView(window_); }

  testsupport::TempDir dir_;
  TFrmFR0010MN* window_ = nullptr;
  std::vector<std::string> boxTexts_;  // in UTF-8
  std::vector<std::string> boxCaptions_;
  std::vector<classlib::TMsgDlgType> boxTypes_;
};

}  // namespace formtest
