#pragma once
// The weekly on/off list: entries of 16 characters such as "D 07:30 08:00 00"
// (day code, on time, off time, playlist entry number), kept in the order the
// user added them and stored one per line in autolist.txt.
//
// Day codes: M T W R F S U for one weekday (U = Sunday), D Monday to Friday,
// N Saturday and Sunday, E every day.

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

#include "util/RegularFile.h"

namespace kd {

// The list's file, in the folder of the files the program writes.
inline const QString kOnOffListName = QStringLiteral("autolist.txt");

// A larger autolist.txt is not read (and so never written over).
inline constexpr qint64 kMaxOnOffListBytes = 16 * 1024 * 1024;

// The fields of one entry as they stand; an entry too short for a field
// gives that field shorter, so it matches no time.
struct OnOffEntry {
  QChar dayCode;
  QString onTime;   // positions 3-7
  QString offTime;  // positions 9-13
  int entryNumber;  // positions 15-16 when both are digits, else 0

  static OnOffEntry parse(const QString& line);
  // Whether the entry's day code takes in the day with letter `dayLetter`.
  bool appliesOn(QChar dayLetter) const;
  // The on time "00:00" stands for "no on time": an entry made only to
  // switch off at a time carries it.
  bool startsAt(const QString& hourMinute) const;
  bool stopsAt(const QString& hourMinute) const { return offTime == hourMinute; }
};

// Builds an entry from what the user typed: each time blank-padded or cut to
// five characters, the number as two digits. nullopt when both times read
// "00:00" (such an entry does nothing).
std::optional<QString> MakeOnOffEntry(QChar dayCode, const QString& onTime, const QString& offTime,
                                      int entryNumber);

// The lines of an autolist.txt (UTF-8, or the legacy code page when the bytes
// are not UTF-8): blank lines dropped, every other line kept as it stands.
QStringList ParseOnOffList(const QByteArray& bytes, const QByteArray& codepage);
// One entry per line, each ending in CR LF, as UTF-8.
QByteArray SerializeOnOffList(const QStringList& entries);

struct LoadedOnOffList {
  QStringList entries;
  FileReadResult result = FileReadResult::Missing;
};
LoadedOnOffList LoadOnOffList(const QString& path, const QByteArray& codepage);
// Writes the list atomically; false when it could not.
bool SaveOnOffList(const QString& path, const QStringList& entries);

}  // namespace kd
