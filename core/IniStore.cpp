#include "core/IniStore.h"

#include <QDir>
#include <QFileInfo>

#include "util/AtomicFile.h"
#include "util/RegularFile.h"
#include "util/TextCodec.h"

namespace kd {

namespace {

// A settings file is a few kilobytes; anything far larger is not one we
// understand, and is neither read nor replaced.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

bool SameName(QStringView a, QStringView b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

IniStore IniStore::load(const QString& path) {
  IniStore store;
  store.m_path = path;
  QByteArray bytes;
  const FileReadResult read =
      path.isEmpty() ? FileReadResult::Unreadable : ReadRegularFile(path, kMaxFileBytes, bytes);
  store.m_source = read == FileReadResult::Read      ? Source::Read
                   : read == FileReadResult::Missing ? Source::Missing
                                                     : Source::Unreadable;
  if (store.m_source == Source::Read) store.parse(bytes);
  return store;
}

IniStore IniStore::fromBytes(const QByteArray& bytes) {
  IniStore store;
  store.parse(bytes);
  return store;
}

void IniStore::parse(const QByteArray& bytes) {
  m_lines.clear();
  qsizetype start = 0;
  const qsizetype n = bytes.size();
  while (start < n) {
    qsizetype end = start;
    while (end < n && bytes[end] != '\n' && bytes[end] != '\r') ++end;
    m_lines.push_back(parseLine(bytes.sliced(start, end - start)));
    // One line end: LF, CR LF or CR.
    if (end < n && bytes[end] == '\r') {
      ++end;
      if (end < n && bytes[end] == '\n') ++end;
    } else if (end < n) {
      ++end;
    }
    start = end;
  }
}

IniStore::Line IniStore::parseLine(const QByteArray& raw) {
  Line line;
  line.raw = raw;
  // Decoding drops a byte-order mark, so the file's first line parses like any other.
  const QString text = DecodeText(raw).trimmed();
  if (text.isEmpty() || text.startsWith(QLatin1Char(';')) || text.startsWith(QLatin1Char('#')))
    return line;
  if (text.startsWith(QLatin1Char('['))) {
    const qsizetype close = text.indexOf(QLatin1Char(']'));
    if (close > 0) {
      line.kind = LineKind::Section;
      line.name = text.mid(1, close - 1).trimmed();
    }
    return line;
  }
  // "=" is never part of a multi-byte character in UTF-8 or the legacy code
  // pages, so the raw bytes can be split at it.
  const qsizetype eq = raw.indexOf('=');
  if (eq < 0) return line;
  const QString key = DecodeText(raw.first(eq)).trimmed();
  if (key.isEmpty()) return line;
  line.kind = LineKind::Key;
  line.name = key;
  line.valueStart = eq + 1;
  return line;
}

qsizetype IniStore::findKey(QStringView section, QStringView key) const {
  // Lines before the first section header belong to the section without a name.
  bool inSection = section.isEmpty();
  for (qsizetype i = 0; i < static_cast<qsizetype>(m_lines.size()); ++i) {
    const Line& line = m_lines[static_cast<size_t>(i)];
    if (line.kind == LineKind::Section) {
      inSection = SameName(line.name, section);
    } else if (inSection && line.kind == LineKind::Key && SameName(line.name, key)) {
      return i;
    }
  }
  return -1;
}

qsizetype IniStore::insertionPoint(QStringView section) const {
  // After the last key of the section's first block, or right after its header:
  // comments and blank lines that follow belong with what comes next.
  bool inSection = section.isEmpty();
  qsizetype point = inSection ? 0 : -1;
  for (qsizetype i = 0; i < static_cast<qsizetype>(m_lines.size()); ++i) {
    const Line& line = m_lines[static_cast<size_t>(i)];
    if (line.kind == LineKind::Section) {
      if (point >= 0) break;
      inSection = SameName(line.name, section);
      if (inSection) point = i + 1;
    } else if (inSection && line.kind == LineKind::Key) {
      point = i + 1;
    }
  }
  return point;
}

std::optional<QString> IniStore::value(QStringView section, QStringView key) const {
  const qsizetype i = findKey(section, key);
  if (i < 0) return std::nullopt;
  return decodedValue(m_lines[static_cast<size_t>(i)]);
}

QString IniStore::decodedValue(const Line& line) const {
  // A file's mark stands before its first key, never inside a value: a value
  // that begins with U+FEFF keeps it, as setValue() wrote it.
  return DecodeText(QByteArrayView(line.raw).sliced(line.valueStart), m_codepage,
                    LeadingMark::Keep);
}

QString IniStore::value(QStringView section, QStringView key, const QString& fallback) const {
  return value(section, key).value_or(fallback);
}

bool IniStore::contains(QStringView section, QStringView key) const {
  return findKey(section, key) >= 0;
}

bool IniStore::validKey(QStringView key) {
  if (key.isEmpty() || key.trimmed().size() != key.size()) return false;
  if (key.front() == QLatin1Char('[') || key.front() == QLatin1Char(';') ||
      key.front() == QLatin1Char('#'))
    return false;
  for (const QChar c : key) {
    if (c == QLatin1Char('=') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) return false;
  }
  return true;
}

bool IniStore::setValue(QStringView section, QStringView key, const QString& value) {
  if (!validKey(key) || value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
    return false;
  if (section.contains(QLatin1Char(']')) || section.contains(QLatin1Char('\n')) ||
      section.contains(QLatin1Char('\r')) || section.trimmed().size() != section.size())
    return false;

  const qsizetype existing = findKey(section, key);
  if (existing >= 0) {
    Line& line = m_lines[static_cast<size_t>(existing)];
    if (decodedValue(line) != value) line.raw = line.raw.first(line.valueStart) + value.toUtf8();
    return true;
  }

  Line line;
  line.raw = key.toUtf8() + '=' + value.toUtf8();
  line.kind = LineKind::Key;
  line.name = key.toString();
  line.valueStart = line.raw.indexOf('=') + 1;

  qsizetype at = insertionPoint(section);
  if (at < 0) {
    // A new section at the end, set off from what stands before it by a blank line.
    if (!m_lines.empty() && !m_lines.back().raw.trimmed().isEmpty()) m_lines.push_back(Line{});
    Line header;
    header.raw = '[' + section.toUtf8() + ']';
    header.kind = LineKind::Section;
    header.name = section.toString();
    m_lines.push_back(std::move(header));
    at = static_cast<qsizetype>(m_lines.size());
  }
  m_lines.insert(m_lines.begin() + at, std::move(line));
  return true;
}

QByteArray IniStore::toBytes() const {
  QByteArray bytes;
  qsizetype size = 0;
  for (const Line& line : m_lines) size += line.raw.size() + 1;
  bytes.reserve(size);
  for (const Line& line : m_lines) {
    bytes += line.raw;
    bytes += '\n';
  }
  return bytes;
}

bool IniStore::save() const {
  if (m_path.isEmpty() || m_source == Source::None || m_source == Source::Unreadable) return false;
  // On a first run the settings folder may not exist yet.
  QDir().mkpath(QFileInfo(m_path).absolutePath());
  return WriteFileAtomically(m_path, toBytes());
}

}  // namespace kd
