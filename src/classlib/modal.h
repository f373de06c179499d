// modal.h: the seam through which every modal window is shown, so that a test
// can answer a box, a form or the file dialog ahead of time instead of leaving
// it blocking.
#pragma once

#include <functional>
#include <optional>

#include "classlib/tstring.h"

namespace classlib {

class TForm;

inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

// Receives a form or box, placed and captioned, in place of its modal loop,
// and returns the modal result.
using TModalAnswer = std::function<int(TForm* window)>;
// The file the file dialog returns in place of the player's choice; nothing
// for a cancelled dialog.
using TFileAnswer = std::optional<TString>;

// Queue an answer for a coming modal window. Answers wait in one queue: each
// window takes the earliest one of its own kind, so a test may queue the
// answer to a box before the file name whose opening brings the box up.
void SetNextModalAnswer(TModalAnswer answer);
void SetNextModalAnswer(TFileAnswer fileName);
// For tests: the answer for a form or box that finds none queued, in place
// of a modal loop that would wait for ever; empty to run the loop again.
void SetUnansweredModal(TModalAnswer answer);
// Drops answers that were never used; returns how many there were.
int ClearModalAnswers();

// For the windows themselves: the next queued answer of the kind, if any.
TModalAnswer TakeModalAnswer();  // empty when none is queued
std::optional<TFileAnswer> TakeFileAnswer();

}  // namespace classlib
