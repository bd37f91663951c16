// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and clocks how long its first top-level window takes to be mapped and
// then painted once, on an X display of its own (Xvfb); then ends the program and reports
// its peak memory and the processor time it took, user and system (on a loaded machine the
// steadier figure of the two). Prints one line: "<map ms> <paint ms> <peak KiB> <cpu ms>".
//   window_clock PROGRAM [ARGS...]
// The display must show nothing else: the first window mapped on it is taken for the
// program's. Painted means that the middle of the window no longer shows the black of a
// fresh Xvfb screen.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The pixel in the middle of the window, or 0 while the window cannot be read.
unsigned long MiddlePixel(Display* display, Window window) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(display, window, &a) || a.map_state != IsViewable) return 0;
  XImage* image = XGetImage(display, window, a.width / 2, a.height / 2, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return 0;
  const unsigned long pixel = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return pixel;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }  // the window may go at any time

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fputs("usage: window_clock PROGRAM [ARGS...]\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("window_clock: no X display\n", stderr);
    return 2;
  }
  XSetErrorHandler(IgnoreErrors);
  // Top-level windows are children of the root: their mapping reaches us as MapNotify.
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    std::perror("window_clock: exec");
    _exit(127);
  }
  double mapped = -1;
  double painted = -1;
  Window window = 0;
  while (mapped < 0) {
    XEvent e;
    XNextEvent(display, &e);
    if (e.type == MapNotify && !e.xmap.override_redirect) {
      mapped = MillisecondsSince(start);
      window = e.xmap.window;
    }
  }
  // Painting is not announced to other clients: look at the window until it changes.
  const Clock::time_point give_up = start + std::chrono::seconds(30);
  while (Clock::now() < give_up) {
    if (MiddlePixel(display, window) != 0) {
      painted = MillisecondsSince(start);
      break;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const std::chrono::microseconds cpu =
      std::chrono::seconds(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
      std::chrono::microseconds(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
  std::printf("%.1f %.1f %ld %.1f\n", mapped, painted, usage.ru_maxrss,
              std::chrono::duration<double, std::milli>(cpu).count());
  XCloseDisplay(display);
  return painted < 0 ? 1 : 0;
}
