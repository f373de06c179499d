// childprocess.cpp: helper processes for the shell tests, on posix_spawn.
#include "childprocess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <thread>


extern char** environ;

namespace shelltest {

namespace {

using Clock = std::chrono::steady_clock;

// Our environment with `extra` ("NAME=value") added or replacing entries.
std::vector<std::string> MergedEnvironment(const std::vector<std::string>& extra) {
  std::vector<std::string> merged = extra;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('=') + 1);
    if (std::none_of(extra.begin(), extra.end(), [&](auto& e) { return e.rfind(name, 0) == 0; })) {
      merged.push_back(text);
    }
  }
  return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::vector<std::string>& env) {
  std::vector<std::string> args = argv;
  std::vector<std::string> envs = MergedEnvironment(env);
  std::vector<char*> argp = Pointers(args);
  std::vector<char*> envp = Pointers(envs);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  pid_t pid = -1;
  if (posix_spawn(&pid, argp[0], &actions, nullptr, argp.data(), envp.data()) == 0) {
    pid_ = pid;
  }
  posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess() {
  if (Running()) {
    Signal(SIGKILL);
    Wait(std::chrono::seconds(10));
  }
}

bool ChildProcess::Running() {
  if (pid_ < 0 || status_) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
  return !status_;
}

std::optional<int> ChildProcess::Wait(std::chrono::milliseconds timeout) {
  Clock::time_point end = Clock::now() + timeout;
  while (Running() && Clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return status_;
}

void ChildProcess::Signal(int sig) {
  if (Running()) kill(pid_, sig);
}

bool ExitedWith(const std::optional<int>& status, int code) {
  return status && WIFEXITED(*status) && WEXITSTATUS(*status) == code;
}

bool WaitForHolder(const std::string& path, pid_t pid,
                   std::chrono::milliseconds timeout) {
  std::string expected = std::to_string(pid) + "\n";
  Clock::time_point end = Clock::now() + timeout;
  do {
    std::ifstream in(path);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (text == expected) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  } while (Clock::now() < end);
  return false;
}

long WaitTillOneRuns(std::vector<std::unique_ptr<ChildProcess>>& children,
                     std::chrono::milliseconds timeout) {
  auto running = [&children] {
    return std::count_if(children.begin(), children.end(), [](auto& child) { return child->Running(); });
  };
  const Clock::time_point end = Clock::now() + timeout;
  while (running() > 1 && Clock::now() < end) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return running();
}

}  // namespace shelltest
