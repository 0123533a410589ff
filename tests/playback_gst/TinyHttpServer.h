#pragma once
// A one-file HTTP server on 127.0.0.1 for the stream tests. It runs on the
// test's thread, so it answers only while the test lets Qt events run.

#include <QByteArray>
#include <QObject>
#include <QTcpServer>

namespace kd::test {

class TinyHttpServer : public QObject {
  Q_OBJECT
 public:
  // With `answer` false the server accepts connections but never replies,
  // like a stream host that hangs.
  explicit TinyHttpServer(QByteArray body, bool answer = true);
  QString url(const QString& name) const;
  // Requests whose reply has been sent so far.
  int served() const { return m_served; }

 private:
  void onConnection();

  QTcpServer m_server;
  QByteArray m_body;
  bool m_answer;
  int m_served = 0;
};

}  // namespace kd::test
