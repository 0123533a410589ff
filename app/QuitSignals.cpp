#include "app/QuitSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace kd {

namespace {

int g_signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: one byte into the pipe.
void OnSignal(int number) {
  const unsigned char byte = static_cast<unsigned char>(number);
  [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

}  // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0) return;
  m_notifier = std::make_unique<QSocketNotifier>(g_signalPipe[1], QSocketNotifier::Read);
  connect(m_notifier.get(), &QSocketNotifier::activated, this, &QuitSignals::readSignal);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(number, &action, nullptr);
}

QuitSignals::~QuitSignals() {
  for (int number : {SIGTERM, SIGINT, SIGHUP}) ::signal(number, SIG_DFL);
  m_notifier.reset();
  for (int& fd : g_signalPipe) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

void QuitSignals::readSignal() {
  unsigned char byte = 0;
  if (::read(g_signalPipe[1], &byte, 1) == 1) emit quitRequested(byte);
}

}  // namespace kd
