#pragma once
// A small INI file that other tools may share with us. The store changes only
// the values it is asked to change and leaves every other byte of the file as
// it found it: other sections and keys, comments, blank lines and lines it
// does not understand, in whatever encoding they were written.
//
// Sections and keys are found without regard to case; when a key stands twice
// in one section, the first occurrence is the one read and rewritten. A key
// that is rewritten keeps its spelling and its place; a new key is appended
// after the last key of its section (the section is added at the end of the
// file when missing). Values are kept verbatim, blanks included. Values are
// decoded when read: UTF-8 when the bytes are valid UTF-8, otherwise the
// legacy code page (util/TextCodec.h), so a change of the legacy code page
// applies to values read afterwards. New values are written as UTF-8.
//
// Lines may end in LF, CR LF or CR when read; they are written with LF.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

#include "util/TextCodec.h"

namespace kd {

class IniStore {
 public:
  // How loading went.
  enum class Source {
    None,        // made in memory, bound to no file
    Missing,     // no file at the path yet: an empty store that save() creates
    Read,        // read from the file
    Unreadable,  // the file exists but could not be read: empty, and save() refuses
  };

  IniStore() = default;

  // Reads the file at `path`. A missing file gives an empty store. A path
  // that cannot be read (permission denied, a folder or other non-file in its
  // place, a path through a non-folder, an I/O error, a file too large to be
  // a settings file) gives an empty store that refuses to save, so the file
  // is never replaced by one that lost its content.
  static IniStore load(const QString& path);
  // A store read from bytes in memory (bound to no file).
  static IniStore fromBytes(const QByteArray& bytes);

  const QString& path() const { return m_path; }
  Source source() const { return m_source; }
  bool readFailed() const { return m_source == Source::Unreadable; }

  // The value of `key` in `section`; nullopt when the key is missing.
  std::optional<QString> value(QStringView section, QStringView key) const;
  // The legacy code page of values that are not UTF-8 (the default until set).
  void setValueCodepage(const QByteArray& codepage) { m_codepage = codepage; }
  // The value, or `fallback` when the key is missing.
  QString value(QStringView section, QStringView key, const QString& fallback) const;
  bool contains(QStringView section, QStringView key) const;

  // Creates or replaces a value. A value equal to the stored one leaves its
  // line untouched (bytes in a legacy code page stay as they are). Returns
  // false and changes nothing when the key is not a valid key name (empty,
  // blanks around it, line breaks, "=", or a leading "[", ";" or "#") or the
  // value holds a line break, which would split it into other lines.
  bool setValue(QStringView section, QStringView key, const QString& value);

  // The file's content as save() writes it.
  QByteArray toBytes() const;
  // Writes the file atomically (the folder is created when missing). Returns
  // false when the store is bound to no file, its file could not be read, or
  // the write failed; the old file is then left whole.
  bool save() const;

 private:
  enum class LineKind { Other, Section, Key };
  struct Line {
    QByteArray raw;  // the line's bytes without its line end
    LineKind kind = LineKind::Other;
    QString name;              // the section's name, or the key (blanks trimmed)
    qsizetype valueStart = 0;  // for a key: where the value's bytes begin in `raw`
  };

  static Line parseLine(const QByteArray& raw);
  QString decodedValue(const Line& line) const;
  void parse(const QByteArray& bytes);
  // Index of the key's line, or -1.
  qsizetype findKey(QStringView section, QStringView key) const;
  // Where a new key of `section` goes, or -1 when the section is missing.
  qsizetype insertionPoint(QStringView section) const;
  static bool validKey(QStringView key);

  QString m_path;
  Source m_source = Source::None;
  QByteArray m_codepage = kDefaultCodepage;
  std::vector<Line> m_lines;
};

}  // namespace kd
