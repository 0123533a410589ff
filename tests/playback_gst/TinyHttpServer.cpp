#include "playback_gst/TinyHttpServer.h"

#include <QTcpSocket>

namespace kd::test {

TinyHttpServer::TinyHttpServer(QByteArray body, bool answer)
    : m_body(std::move(body)), m_answer(answer) {
  connect(&m_server, &QTcpServer::newConnection, this, &TinyHttpServer::onConnection);
  m_server.listen(QHostAddress::LocalHost, 0);
}

QString TinyHttpServer::url(const QString& name) const {
  return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_server.serverPort()).arg(name);
}

void TinyHttpServer::onConnection() {
  while (QTcpSocket* socket = m_server.nextPendingConnection()) {
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
      if (!m_answer || !socket->property("request").toByteArray().isEmpty()) return;
      const QByteArray request = socket->property("partial").toByteArray() + socket->readAll();
      socket->setProperty("partial", request);
      if (!request.contains("\r\n\r\n")) return;
      socket->setProperty("request", request);
      const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: audio/mpeg\r\nContent-Length: " +
                              QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n";
      socket->write(head + m_body);
      socket->disconnectFromHost();
      ++m_served;
    });
  }
}

}  // namespace kd::test
