// modal.cpp: the queue of answers for modal windows.
#include "classlib/modal.h"

#include <deque>

namespace classlib {
namespace {

std::deque<TModalAnswer>& Answers() {
  static std::deque<TModalAnswer> answers;
  return answers;
}

}  // namespace

void SetNextModalAnswer(TModalAnswer answer) { Answers().push_back(std::move(answer)); }

int ClearModalAnswers() {
  const int count = static_cast<int>(Answers().size());
  Answers().clear();
  return count;
}

TModalAnswer TakeModalAnswer() {
  if (Answers().empty()) return {};
  TModalAnswer answer = std::move(Answers().front());
  Answers().pop_front();
  return answer;
}

}  // namespace classlib
