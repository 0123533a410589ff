#include <gtest/gtest.h>

#include <QStringList>

#include "skin/FieldReader.h"

namespace kd {
namespace {

// Every field of `text`, joined by "|".
QString Fields(const char* text) {
  FieldReader reader(QString::fromUtf8(text));
  QStringList fields;
  while (!reader.atEnd()) fields << reader.readField();
  return fields.join(QLatin1Char('|'));
}

TEST(FieldReader, FieldsEndAtCommasAndLineEndsAndQuotesKeepBoth) {
  EXPECT_EQ(Fields("a, b  ,\tc\r\nd\re\nf"), "a|b|c|d|e|f");
  // An empty line is one empty field; LF CR is two line ends.
  EXPECT_EQ(Fields("a\n\nb\n\rc"), "a||b||c");
  // Text after a closing quote is dropped; a quote inside an unquoted field is kept.
  EXPECT_EQ(Fields("\"a, b \",c\n  \"x\"junk,y"), "a, b |c|x|y");
  EXPECT_EQ(Fields("say \"hi\",z"), "say \"hi\"|z");
  // A quote that never closes ends at the line end.
  EXPECT_EQ(Fields("\"open, still open\nB1,2"), "open, still open|B1|2");
}

TEST(FieldReader, WholeLinesAreTheRestOfTheLineOrTheNextLine) {
  FieldReader reader(QStringLiteral("Tag, the info, with commas\r\n;\r\nswallowed, line\r\nnext"));
  EXPECT_EQ(reader.readField(), QStringLiteral("Tag"));
  EXPECT_EQ(reader.readLine(), QStringLiteral(" the info, with commas"));
  // A key that ends at the line end takes the whole next line.
  EXPECT_EQ(reader.readField(), QStringLiteral(";"));
  EXPECT_EQ(reader.readLine(), QStringLiteral("swallowed, line"));
  EXPECT_EQ(reader.readField(), QStringLiteral("next"));
}

TEST(FieldReader, ReadingPastTheEndGivesEmptyAndZeroAndIsNoticed) {
  FieldReader reader(QStringLiteral("7,"));
  EXPECT_EQ(reader.readInt32(), 7);
  EXPECT_TRUE(reader.atEnd());
  EXPECT_FALSE(reader.pastEnd());
  EXPECT_EQ(reader.readInt32(), 0);
  EXPECT_TRUE(reader.pastEnd());
  EXPECT_EQ(reader.readField(), QString());
  EXPECT_EQ(reader.readLine(), QString());
  reader.clearPastEnd();
  EXPECT_FALSE(reader.pastEnd());
  // An unclosed quote that reaches the end is a whole field, not a read past the end.
  FieldReader quoted(QStringLiteral("\"to the end"));
  EXPECT_EQ(quoted.readField(), QStringLiteral("to the end"));
  EXPECT_TRUE(quoted.atEnd());
  EXPECT_FALSE(quoted.pastEnd());
}

TEST(FieldReader, NumbersAreReadLeniently) {
  FieldReader reader(QStringLiteral("12abc, x ,2.5,3.5,-7,99999999999,40000,-40000,\"15\""));
  // Halves round to even; out-of-range values are clamped.
  for (int32_t expected : {12, 0, 2, 4, -7, INT32_MAX}) EXPECT_EQ(reader.readInt32(), expected);
  EXPECT_EQ(reader.readInt16(), 32767);
  EXPECT_EQ(reader.readInt16(), -32768);
  EXPECT_EQ(reader.readInt32(), 15);
}

}  // namespace
}  // namespace kd
