#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the main thread, so a
// signal ends the program through its normal shut-down.

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace kd {

class QuitSignals : public QObject {
  Q_OBJECT
 public:
  explicit QuitSignals(QObject* parent = nullptr);
  ~QuitSignals() override;

 signals:
  void quitRequested(int signalNumber);

 private:
  void readSignal();

  std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace kd
