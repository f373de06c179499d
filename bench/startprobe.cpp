// startprobe.cpp: starts a program under X and tells how long it took until
// its first top-level window was mapped and until the program first drew into
// it, and how much
// memory the program holds a given time after its start. Every program is
// measured the same way, from outside.
//
//   startprobe [--rss-at MS] [--timeout MS] [--log FILE] [--keep] -- PROGRAM [ARGS...]
//
// Prints one line: "pid=P map_ms=M paint_ms=D rss_kib=R" (rss_kib only with
// --rss-at). The program's output goes to FILE (default /dev/null). Without
// --keep the program is ended afterwards.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <set>
#include <string>

namespace {

struct Options {
  long RssAtMs = -1;
  long TimeoutMs = 20000;
  bool Keep = false;
  const char* Log = "/dev/null";
  char** Command = nullptr;
};

double NowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// Windows may vanish between an event and our request about them.
int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--") {
      if (i + 1 >= argc) return false;
      options.Command = argv + i + 1;
      return true;
    }
    if (arg == "--keep") {
      options.Keep = true;
    } else if (arg == "--rss-at" && i + 1 < argc) {
      options.RssAtMs = std::atol(argv[++i]);
    } else if (arg == "--log" && i + 1 < argc) {
      options.Log = argv[++i];
    } else if (arg == "--timeout" && i + 1 < argc) {
      options.TimeoutMs = std::atol(argv[++i]);
    } else {
      return false;
    }
  }
  return false;
}

long ResidentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

// The program's output goes to the log, so that a program left running does
// not hold the probe's own output open.
pid_t Launch(char** command, const char* log) {
  const pid_t pid = fork();
  if (pid == 0) {
    const int fd = open(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd >= 0) {
      dup2(fd, STDOUT_FILENO);
      dup2(fd, STDERR_FILENO);
    }
    execvp(command[0], command);
    std::perror(command[0]);
    _exit(127);
  }
  return pid;
}

void End(pid_t pid) {
  kill(pid, SIGTERM);
  for (int i = 0; i < 300; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    usleep(10000);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

// Whether the window shows anything beyond a plain background.
bool ShowsContent(Display* display, Window window) {
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
  XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  const unsigned long first = XGetPixel(image, 0, 0);
  bool varied = false;
  for (int y = 0; y < image->height && !varied; ++y) {
    for (int x = 0; x < image->width && !varied; ++x) varied = XGetPixel(image, x, y) != first;
  }
  XDestroyImage(image);
  return varied;
}

enum class Watch { Painted, TimedOut, Exited };

// Waits for the first top-level window of a useful size to be mapped, then
// for the first drawing into it.
Watch WatchFirstPaint(Display* display, int damageEvent, pid_t pid, double start, long timeoutMs,
                      double& mapMs, double& paintMs) {
  std::set<Window> watched;
  Window mapped = None;
  const int fd = ConnectionNumber(display);
  while (NowMs() - start < static_cast<double>(timeoutMs)) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return Watch::Exited;
    if (XPending(display) == 0) {
      pollfd p{fd, POLLIN, 0};
      poll(&p, 1, 5);
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    const double at = NowMs() - start;
    if (event.type == CreateNotify) {
      // Watched from its creation, so that no drawing after the map is missed.
      XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
      watched.insert(event.xcreatewindow.window);
    } else if (event.type == MapNotify && mapped == None &&
               watched.count(event.xmap.window) != 0 && !event.xmap.override_redirect) {
      XWindowAttributes attributes{};
      if (XGetWindowAttributes(display, event.xmap.window, &attributes) != 0 &&
          attributes.width >= 64 && attributes.height >= 64) {
        mapped = event.xmap.window;
        mapMs = at;
      }
    } else if (event.type == damageEvent + XDamageNotify) {
      const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
      XDamageSubtract(display, damage.damage, None, None);
      if (mapped != None && damage.drawable == mapped && ShowsContent(display, mapped)) {
        paintMs = at;
        return Watch::Painted;
      }
    }
  }
  return Watch::TimedOut;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: startprobe [--rss-at MS] [--timeout MS] [--log FILE] [--keep] -- PROGRAM [ARGS...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  int damageEvent = 0;
  int damageError = 0;
  if (display == nullptr || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
    std::fprintf(stderr, "startprobe: no X display with the DAMAGE extension\n");
    return 2;
  }
  XSetErrorHandler(IgnoreXErrors);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const double start = NowMs();
  const pid_t pid = Launch(options.Command, options.Log);
  double mapMs = -1;
  double paintMs = -1;
  const Watch watch =
      WatchFirstPaint(display, damageEvent, pid, start, options.TimeoutMs, mapMs, paintMs);
  const bool painted = watch == Watch::Painted;
  // A program that draws only a plain background is never seen painting; its
  // memory is still measured when the watch ends before the given time.
  long rss = -1;
  if (watch != Watch::Exited && options.RssAtMs >= 0) {
    const double wait = static_cast<double>(options.RssAtMs) - (NowMs() - start);
    if (wait > 0) usleep(static_cast<useconds_t>(wait * 1000));
    rss = ResidentKiB(pid);
  }
  std::printf("pid=%d map_ms=%.1f paint_ms=%.1f", static_cast<int>(pid), mapMs, paintMs);
  if (options.RssAtMs >= 0) std::printf(" rss_kib=%ld", rss);
  std::printf("\n");
  std::fflush(stdout);
  if (watch != Watch::Exited && !options.Keep) End(pid);
  XCloseDisplay(display);
  return painted ? 0 : 1;
}
