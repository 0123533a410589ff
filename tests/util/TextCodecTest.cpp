#include <gtest/gtest.h>

#include "util/TextCodec.h"

using namespace kd;

namespace {
const QString kChinese = QString::fromUtf8("中文歌曲");
}

TEST(TextCodec, Utf8IsTakenAsItIsAndTheMarkDropped) {
  EXPECT_EQ(DecodeText(kChinese.toUtf8()), kChinese);
  EXPECT_EQ(DecodeText(QByteArray("\xEF\xBB\xBF") + "abc"), "abc");
  EXPECT_EQ(DecodeText(""), "");
}

TEST(TextCodec, OtherBytesAreReadInTheLegacyCodepage) {
  const QByteArray gbk = EncodeLegacy(kChinese);
  ASSERT_EQ(gbk.size(), 8);  // two bytes per character
  EXPECT_FALSE(IsValidUtf8(gbk));
  EXPECT_EQ(DecodeText(gbk), kChinese);
}

TEST(TextCodec, Utf8ValidationRejectsMalformedSequences) {
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_FALSE(IsValidUtf8("\xC3"));              // cut short
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
}

TEST(TextCodec, EncodingCutsOnACharacterBoundary) {
  // 30 bytes hold 15 double-byte characters; a 16th would be split.
  const QString title = QString(16, QChar(0x4E2D));
  EXPECT_EQ(EncodeLegacy(title, 30).size(), 30);
  EXPECT_EQ(EncodeLegacy(QString::fromUtf8("a中"), 2), "a");
  EXPECT_EQ(EncodeLegacy(u"abc", 0), "");
}

TEST(TextCodec, UnknownCodepageFallsBackToTheDefault) {
  EXPECT_EQ(UsableCodepage("NO-SUCH-CODEPAGE"), "GB18030");
  EXPECT_EQ(UsableCodepage(""), "GB18030");
  EXPECT_EQ(UsableCodepage("ISO-8859-1"), "ISO-8859-1");
  EXPECT_EQ(DecodeText("\xE9t\xE9", "ISO-8859-1"), QString::fromUtf8("été"));
  EXPECT_EQ(DecodeText("\xE9t\xE9"), DecodeText("\xE9t\xE9", "GB18030"));
}

TEST(TextCodec, LegacyTextLongerThanOneConversionWindowDecodesWhole) {
  // An odd lead byte shifts every double-byte character across the internal
  // window boundaries.
  const QString text = QStringLiteral("x") + QString(5000, QChar(0x4E2D)) + QStringLiteral("y");
  const QByteArray bytes = EncodeLegacy(text);
  ASSERT_EQ(bytes.size(), 10002);
  EXPECT_EQ(DecodeLegacy(bytes), text);
}
