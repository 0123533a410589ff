// An on/off list file from anywhere: reading it never crashes or hangs, what
// is read is written back and read again the same, and no entry matches a
// time it does not spell out.
#include <QTime>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "scheduler/OnOffList.h"
#include "util/TextCodec.h"

using namespace kd;

namespace {

// Every seventh minute of the day, as "hh:mm".
const QStringList& SomeMinutes() {
  static const QStringList minutes = [] {
    QStringList list;
    for (int minute = 0; minute < 24 * 60; minute += 7)
      list.append(QTime(minute / 60, minute % 60).toString(QStringLiteral("hh:mm")));
    return list;
  }();
  return minutes;
}

void CheckMatching(const QString& line) {
  const OnOffEntry entry = OnOffEntry::parse(line);
  for (const QChar day : QStringLiteral("UMTWRFS")) (void)entry.appliesOn(day);
  for (const QString& now : SomeMinutes()) {
    if (entry.startsAt(now) && line.mid(2, 5) != now) std::abort();
    if (entry.stopsAt(now) && line.mid(8, 5) != now) std::abort();
  }
  if (entry.entryNumber < 0 || entry.entryNumber > 99) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QStringList entries = ParseOnOffList(bytes, kDefaultCodepage);
  for (const QString& line : entries) CheckMatching(line);
  if (ParseOnOffList(SerializeOnOffList(entries), kDefaultCodepage) != entries) std::abort();
  return 0;
}
