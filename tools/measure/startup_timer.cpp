// Measures the time from exec of a program to the mapping of its window
// named NAME, on the X display of $DISPLAY.
//   kd_startup_timer NAME PROGRAM [ARGS...]
// Prints the milliseconds and leaves the program running (its pid follows).
#include <X11/Xlib.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

bool HasName(Display* display, Window window, const char* name) {
  char* found = nullptr;
  if (!XFetchName(display, window, &found) || !found) return false;
  const bool same = std::strcmp(found, name) == 0;
  XFree(found);
  return same;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s NAME PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    // The program must not hold the caller's output open after we are done.
    const int devNull = open("/dev/null", O_WRONLY);
    if (devNull >= 0) {
      dup2(devNull, STDOUT_FILENO);
      dup2(devNull, STDERR_FILENO);
    }
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  while (true) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != MapNotify) continue;
    if (!HasName(display, event.xmap.window, argv[1])) continue;
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%.1f %d\n", std::chrono::duration<double, std::milli>(elapsed).count(), child);
    std::fflush(stdout);
    break;
  }
  XCloseDisplay(display);
  return 0;
}
