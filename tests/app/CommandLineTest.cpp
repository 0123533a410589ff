// The command line: paths in order, the options, and the desktop entry's
// list of types matching what the player tells MPRIS clients.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "app/CommandLine.h"
#include "mpris/MprisNames.h"

namespace kd {
namespace {

TEST(CommandLine, EveryArgumentIsOnePathInOrderMadeAbsolute) {
  const CommandLine line = CommandLine::parse(
      {"a b.mp3", "/music/c.wav", "../d", "https://radio/x", "--", "-e.mp3", "--help"}, "/home/u");
  EXPECT_EQ(line.action, CommandLine::Action::Run);
  EXPECT_EQ(line.paths, (QStringList{"/home/u/a b.mp3", "/music/c.wav", "/home/d",
                                     "https://radio/x", "/home/u/-e.mp3", "/home/u/--help"}));
  EXPECT_EQ(CommandLine::parse({"-", ""}, "/w").paths, QStringList{"/w/-"});
}

TEST(CommandLine, HelpAndVersionEndAndAnUnknownOptionIsAnError) {
  EXPECT_EQ(CommandLine::parse({"x.mp3", "--help"}, "/").action, CommandLine::Action::Help);
  EXPECT_EQ(CommandLine::parse({"-h"}, "/").action, CommandLine::Action::Help);
  EXPECT_EQ(CommandLine::parse({"--version"}, "/").action, CommandLine::Action::Version);
  const CommandLine bad = CommandLine::parse({"x.mp3", "--shuffle"}, "/");
  EXPECT_EQ(bad.action, CommandLine::Action::Error);
  EXPECT_TRUE(bad.paths.isEmpty());
  EXPECT_TRUE(bad.error.contains("'--shuffle'"));
  EXPECT_TRUE(VersionText().startsWith("kavorodeck " KD_VERSION));
}

TEST(CommandLine, TheDesktopEntryOffersTheTypesThePlayerAnnounces) {
  QFile entry(qEnvironmentVariable("KD_SOURCE_DIR") + "/data/desktop/kavorodeck.desktop");
  ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(entry.readAll());
  const auto match =
      QRegularExpression("^MimeType=(.*);$", QRegularExpression::MultilineOption).match(text);
  ASSERT_TRUE(match.hasMatch());
  EXPECT_EQ(match.captured(1).split(';'), SupportedMimeTypes());
  EXPECT_TRUE(SupportedMimeTypes().contains("audio/mpeg"));
  EXPECT_TRUE(SupportedMimeTypes().contains("audio/x-mpegurl"));
}

}  // namespace
}  // namespace kd
