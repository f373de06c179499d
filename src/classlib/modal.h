// modal.h: the seam through which every modal window is shown, so that a test
// can answer a box or dialog ahead of time instead of leaving it blocking.
#pragma once

#include <functional>

class QWidget;

namespace classlib {

inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

// Receives the window, placed and captioned, in place of its modal loop, and
// returns the modal result.
using TModalAnswer = std::function<int(QWidget* window)>;

// Queues an answer for the next modal window; answers are used in order.
void SetNextModalAnswer(TModalAnswer answer);
// Drops answers that were never used; returns how many there were.
int ClearModalAnswers();
// Takes the next queued answer, or an empty function when none is queued.
TModalAnswer TakeModalAnswer();

}  // namespace classlib
