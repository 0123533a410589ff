#pragma once
// A one-file HTTP server on 127.0.0.1 for the stream tests. It runs on the
// test's thread, so it answers only while the test lets Qt events run.

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>

namespace kd::test {

class TinyHttpServer {
 public:
  // With `answer` false the server accepts connections but never replies,
  // like a stream host that hangs.
  explicit TinyHttpServer(QByteArray body, bool answer = true) : m_body(std::move(body)) {
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this, answer] {
      while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        if (!answer) continue;
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { reply(socket); });
      }
    });
    m_server.listen(QHostAddress::LocalHost, 0);
  }
  QString url(const QString& name) const {
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_server.serverPort()).arg(name);
  }
  // Requests whose reply has been sent so far.
  int served() const { return m_served; }

 private:
  // The request may come in pieces: the reply goes once its head is complete.
  void reply(QTcpSocket* socket) {
    const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n") || socket->property("replied").toBool()) return;
    socket->setProperty("replied", true);
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: audio/mpeg\r\nContent-Length: " +
                  QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
    socket->disconnectFromHost();
    ++m_served;
  }

  QTcpServer m_server;
  QByteArray m_body;
  int m_served = 0;
};

}  // namespace kd::test
