#include "scheduler/OnOffList.h"

#include "util/AtomicFile.h"
#include "util/TextCodec.h"
#include "util/TextForms.h"

namespace kd {

namespace {

QString FiveCharacters(const QString& typed) {
  return typed.left(5).leftJustified(5, QLatin1Char(' '));
}

int TwoDigitNumber(QStringView text) {
  if (text.size() != 2 || !text[0].isDigit() || !text[1].isDigit()) return 0;
  return (text[0].digitValue() * 10) + text[1].digitValue();
}

}  // namespace

OnOffEntry OnOffEntry::parse(const QString& line) {
  OnOffEntry entry;
  entry.dayCode = line.isEmpty() ? QChar() : line[0];
  entry.onTime = line.mid(2, 5);
  entry.offTime = line.mid(8, 5);
  entry.entryNumber = TwoDigitNumber(QStringView(line).mid(14, 2));
  return entry;
}

bool OnOffEntry::appliesOn(QChar dayLetter) const {
  switch (dayCode.unicode()) {
    case 'E':
      return true;
    case 'D':
      return QStringLiteral("MTWRF").contains(dayLetter);
    case 'N':
      return QStringLiteral("US").contains(dayLetter);
    default:
      return dayCode == dayLetter;
  }
}

bool OnOffEntry::startsAt(const QString& hourMinute) const {
  return onTime == hourMinute && onTime != QStringLiteral("00:00");
}

std::optional<QString> MakeOnOffEntry(QChar dayCode, const QString& onTime, const QString& offTime,
                                      int entryNumber) {
  const QString on = FiveCharacters(onTime);
  const QString off = FiveCharacters(offTime);
  if (on == QStringLiteral("00:00") && off == QStringLiteral("00:00")) return std::nullopt;
  const QString number = ZeroPadded(qBound(0, entryNumber, 99), 2);
  return QString(dayCode) + QLatin1Char(' ') + on + QLatin1Char(' ') + off + QLatin1Char(' ') +
         number;
}

QStringList ParseOnOffList(const QByteArray& bytes, const QByteArray& codepage) {
  QStringList entries;
  const QString text = DecodeText(bytes, codepage);
  for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (TrimBlanks(line).isEmpty()) continue;
    entries.append(line.toString());
  }
  return entries;
}

QByteArray SerializeOnOffList(const QStringList& entries) {
  QByteArray bytes;
  // A first entry that begins with U+FEFF would be read back as a file with
  // a byte-order mark, losing the character: a mark of its own keeps it.
  if (!entries.isEmpty() && entries.first().startsWith(QChar(0xFEFF))) bytes = "\xEF\xBB\xBF";
  for (const QString& entry : entries) bytes += entry.toUtf8() + "\r\n";
  return bytes;
}

LoadedOnOffList LoadOnOffList(const QString& path, const QByteArray& codepage) {
  LoadedOnOffList loaded;
  QByteArray bytes;
  loaded.result = ReadRegularFile(path, kMaxOnOffListBytes, bytes);
  if (loaded.result == FileReadResult::Read) loaded.entries = ParseOnOffList(bytes, codepage);
  return loaded;
}

bool SaveOnOffList(const QString& path, const QStringList& entries) {
  return WriteFileAtomically(path, SerializeOnOffList(entries));
}

}  // namespace kd
