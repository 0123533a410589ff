#pragma once
// A temporary folder for one test, removed afterwards, with small helpers to
// put files into it.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace kd::test {

class TempDir {
 public:
  TempDir();
  // The folder with a trailing "/".
  QString path() const;
  // Writes `bytes` to the relative path (folders are created); returns the full path.
  QString write(const QString& relative, const QByteArray& bytes) const;
  QString mkdir(const QString& relative) const;
  static QByteArray read(const QString& fullPath);

 private:
  QTemporaryDir m_dir;
};

}  // namespace kd::test
