// On/off entries and their file: what is matched when, what is kept of a
// file, and that what was read is what gets written back.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "scheduler/OnOffList.h"
#include "support/TempDir.h"
#include "util/TextCodec.h"

namespace kd {
namespace {

// The minutes of a day at which `entry` starts or stops playback.
QStringList MinutesMatched(const QString& entry, bool starts) {
  const OnOffEntry parsed = OnOffEntry::parse(entry);
  QStringList matched;
  for (int minute = 0; minute < 24 * 60; ++minute) {
    const QString now = QTime(minute / 60, minute % 60).toString(QStringLiteral("hh:mm"));
    if (starts ? parsed.startsAt(now) : parsed.stopsAt(now)) matched.append(now);
  }
  return matched;
}

TEST(OnOffEntry, DayCodesApplyToTheirDays) {
  const QString week = QStringLiteral("UMTWRFS");
  const auto days = [&week](const char* code) {
    QString applies;
    const OnOffEntry entry = OnOffEntry::parse(QString::fromLatin1(code) + " 07:30 08:00 00");
    for (const QChar day : week)
      if (entry.appliesOn(day)) applies += day;
    return applies;
  };
  EXPECT_EQ(days("E"), week);
  EXPECT_EQ(days("D"), QStringLiteral("MTWRF"));
  EXPECT_EQ(days("N"), QStringLiteral("US"));
  EXPECT_EQ(days("S"), QStringLiteral("S"));
  EXPECT_EQ(days("R"), QStringLiteral("R"));
  EXPECT_EQ(days("m"), QString());  // codes are compared exactly
  EXPECT_EQ(days(" "), QString());  // a line with a leading blank
}

TEST(OnOffEntry, TimesMatchOnlyTheMinuteTheyName) {
  EXPECT_EQ(MinutesMatched(QStringLiteral("D 07:30 08:00 00"), true), QStringList{"07:30"});
  EXPECT_EQ(MinutesMatched(QStringLiteral("D 07:30 08:00 00"), false), QStringList{"08:00"});
  // On time 00:00 means none; an off time 00:00 is midnight.
  EXPECT_TRUE(MinutesMatched(QStringLiteral("E 00:00 12:30 00"), true).isEmpty());
  EXPECT_EQ(MinutesMatched(QStringLiteral("E 23:00 00:00 00"), false), QStringList{"00:00"});
  for (const char* bad :
       {"E 7:30  8:00  00", "E 25:99 ab:cd 00", "E 07:3", "E", "", "E 07:30 08:0"}) {
    const QString entry = QString::fromLatin1(bad);
    EXPECT_TRUE(MinutesMatched(entry, true).isEmpty() ||
                MinutesMatched(entry, true) == QStringList{"07:30"})
        << bad;
    EXPECT_TRUE(MinutesMatched(entry, false).isEmpty()) << bad;
  }
  EXPECT_EQ(OnOffEntry::parse(QStringLiteral("E 07:30 08:00 12")).entryNumber, 12);
  EXPECT_EQ(OnOffEntry::parse(QStringLiteral("E 07:30 08:00 1x")).entryNumber, 0);
  EXPECT_EQ(OnOffEntry::parse(QStringLiteral("E 07:30 08:00 7")).entryNumber, 0);
}

TEST(OnOffEntry, MadeFromWhatTheUserTyped) {
  EXPECT_EQ(MakeOnOffEntry('D', "07:30", "08:00", 0), QStringLiteral("D 07:30 08:00 00"));
  EXPECT_EQ(MakeOnOffEntry('E', "7:30", "08:00:00", 7), QStringLiteral("E 7:30  08:00 07"));
  EXPECT_EQ(MakeOnOffEntry('E', "00:00", "12:30", 0)->size(), 16);
  EXPECT_EQ(MakeOnOffEntry('E', "00:00", "00:00", 3), std::nullopt);
}

TEST(OnOffListFile, BlankLinesAreDroppedAndEveryOtherLineKeptAsItStands) {
  const QByteArray bytes =
      "\r\nE 07:30 08:00 01\r\n   \r\n  M 12:00 13:00 00\nF 18:00 19:00 00  \r\n\r\nlast";
  EXPECT_EQ(ParseOnOffList(bytes, kDefaultCodepage),
            (QStringList{"E 07:30 08:00 01", "  M 12:00 13:00 00", "F 18:00 19:00 00  ", "last"}));
  EXPECT_EQ(SerializeOnOffList({"E 07:30 08:00 01", "  M 12:00 13:00 00"}),
            QByteArray("E 07:30 08:00 01\r\n  M 12:00 13:00 00\r\n"));
  EXPECT_TRUE(ParseOnOffList(QByteArray(), kDefaultCodepage).isEmpty());
}

TEST(OnOffListFile, TextInTheLegacyCodePageAndBinaryBytesSurviveARoundTrip) {
  const QString chinese = QStringLiteral("E 07:30 08:00 01 \u95f9\u949f");
  const QByteArray legacy = EncodeLegacy(chinese) + "\r\n";
  EXPECT_EQ(ParseOnOffList(legacy, kDefaultCodepage), QStringList{chinese});

  QByteArray binary;
  for (int i = 0; i < 4096; ++i) binary += char((i * 7919) % 256);
  const QStringList once = ParseOnOffList(binary, kDefaultCodepage);
  EXPECT_EQ(ParseOnOffList(SerializeOnOffList(once), kDefaultCodepage), once);
}

TEST(OnOffListFile, LoadsWhatIsThereAndWritesItBackWhole) {
  test::TempDir dir;
  EXPECT_EQ(LoadOnOffList(dir.path() + "missing.txt", kDefaultCodepage).result,
            FileReadResult::Missing);
  QDir().mkpath(dir.path() + "folder.txt");
  EXPECT_EQ(LoadOnOffList(dir.path() + "folder.txt", kDefaultCodepage).result,
            FileReadResult::Unreadable);

  QStringList many;
  for (int i = 0; i < 100'000; ++i)
    many.append(QStringLiteral("E 07:30 08:00 %1").arg(i % 100, 2, 10, QLatin1Char('0')));
  const QString path = dir.path() + "autolist.txt";
  ASSERT_TRUE(SaveOnOffList(path, many));
  const LoadedOnOffList loaded = LoadOnOffList(path, kDefaultCodepage);
  EXPECT_EQ(loaded.result, FileReadResult::Read);
  EXPECT_EQ(loaded.entries, many);
  // A folder in the file's place is not replaced.
  EXPECT_FALSE(SaveOnOffList(dir.path() + "folder.txt", many));
  EXPECT_TRUE(QFileInfo(dir.path() + "folder.txt").isDir());
}

}  // namespace
}  // namespace kd
