// grid_player.h: plays the board of a main window through real mouse events
// sent to its grid, and checks the board's rules after every event.
#pragma once

#include <array>
#include "classlib/colors.h"
#include <cstdint>
#include <random>
#include <string>

class TFrmFR0010MN;
class TFrmFR0010MNView;

namespace soak {

// The player keeps its own copy of the board and predicts what each click
// and double-click must do, so a lost, doubled or misrouted event shows up
// as a difference from the window's piece map.
class GridPlayer {
 public:
  // The window must be shown with a picture loaded and a game dealt.
  GridPlayer(TFrmFR0010MN* window, std::uint64_t seed);

  // Plays until `slides` pieces have moved. Mixed in are clicks on the
  // blank, double-clicks on the blank and on pieces with no blank beside
  // them. A game that comes out solved is dealt anew. Returns an empty
  // string, or a description of the first broken rule.
  std::string Play(int slides);

  // Plays the dealt game home by double-clicks on the pieces the board
  // solver names, checking every slide, and leaves the board solved.
  // Returns an empty string or the first broken rule.
  std::string PlayHome();

  int Slides() const { return slides_; }
  int Events() const { return events_; }
  int Deals() const { return deals_; }

 private:
  // One random event: mostly a slide, sometimes one the rules refuse.
  std::string Step();
  std::string SlideNeighbour();
  std::string ClickBlank();
  std::string DoubleClickBlank();
  std::string DoubleClickFar();
  // Slides the piece at `from` into the blank in the copy, as the window must.
  void SlideInCopy(int from);
  // Deals a new game when the last slide solved the board.
  std::string DealIfSolved();
  // Takes a fresh deal from the window after checking it is well formed.
  std::string Resync();

  void Click(int cell);
  void DoubleClick(int cell);
  classlib::TPoint PointIn(int cell);

  int BlankCell() const;
  int SelectedCell() const;
  // The board's rules and the copy against the window.
  std::string Check(const char* after) const;

  TFrmFR0010MNView View() const;

  TFrmFR0010MN* window_;
  std::mt19937_64 random_;
  std::array<int, 25> board_{};
  int previousBlank_ = -1;
  int slides_ = 0;
  int events_ = 0;
  int deals_ = 0;
  std::int64_t clock_ = 1;
};

}  // namespace soak
