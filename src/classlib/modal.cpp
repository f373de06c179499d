// modal.cpp: the queue of answers for modal windows.
#include "classlib/modal.h"

#include <algorithm>
#include <utility>
#include <deque>
#include <variant>

namespace classlib {
namespace {

using Answer = std::variant<TModalAnswer, TFileAnswer>;

std::deque<Answer>& Answers() {
  static std::deque<Answer> answers;
  return answers;
}

template <typename Kind>
std::optional<Kind> TakeFirst() {
  auto& answers = Answers();
  const auto it = std::find_if(answers.begin(), answers.end(),
                               [](const Answer& a) { return std::holds_alternative<Kind>(a); });
  if (it == answers.end()) return std::nullopt;
  Kind answer = std::get<Kind>(std::move(*it));
  answers.erase(it);
  return answer;
}

TModalAnswer& Unanswered() {
  static TModalAnswer unanswered;
  return unanswered;
}

}  // namespace

void SetUnansweredModal(TModalAnswer answer) { Unanswered() = std::move(answer); }

void SetNextModalAnswer(TModalAnswer answer) { Answers().push_back(std::move(answer)); }

void SetNextModalAnswer(TFileAnswer fileName) { Answers().push_back(std::move(fileName)); }

int ClearModalAnswers() {
  const int count = static_cast<int>(Answers().size());
  Answers().clear();
  return count;
}

TModalAnswer TakeModalAnswer() { return TakeFirst<TModalAnswer>().value_or(Unanswered()); }

std::optional<TFileAnswer> TakeFileAnswer() { return TakeFirst<TFileAnswer>(); }

}  // namespace classlib
