#include <gtest/gtest.h>

#include <QStringList>

#include "skin/FieldReader.h"

namespace kd {
namespace {

QStringList AllFields(const QString& text) {
  FieldReader reader(text);
  QStringList fields;
  while (!reader.AtEnd()) fields << reader.ReadField();
  return fields;
}

TEST(FieldReader, FieldsEndAtCommasAndEveryKindOfLineEnd) {
  EXPECT_EQ(AllFields(QStringLiteral("a, b  ,\tc\r\nd\re\nf")),
            (QStringList{"a", "b", "c", "d", "e", "f"}));
  // An empty line is one empty field; LF CR is two line ends.
  EXPECT_EQ(AllFields(QStringLiteral("a\n\nb\n\rc")), (QStringList{"a", "", "b", "", "c"}));
}

TEST(FieldReader, QuotedFieldsKeepCommasAndBlanks) {
  EXPECT_EQ(AllFields(QStringLiteral("\"a, b \",c\n  \"x\"junk,y")),
            (QStringList{"a, b ", "c", "x", "y"}));
  // A quote inside an unquoted field is an ordinary character.
  EXPECT_EQ(AllFields(QStringLiteral("say \"hi\",z")), (QStringList{"say \"hi\"", "z"}));
}

TEST(FieldReader, AQuoteThatNeverClosesEndsAtTheLineEnd) {
  EXPECT_EQ(AllFields(QStringLiteral("\"open, still open\nB1,2")),
            (QStringList{"open, still open", "B1", "2"}));
  FieldReader reader(QStringLiteral("\"to the end"));
  EXPECT_EQ(reader.ReadField(), QStringLiteral("to the end"));
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_FALSE(reader.PastEnd());
}

TEST(FieldReader, WholeLinesAreTheRestOfTheLineOrTheNextLine) {
  FieldReader reader(QStringLiteral("Tag, the info, with commas\r\n;\r\nswallowed, line\r\nnext"));
  EXPECT_EQ(reader.ReadField(), QStringLiteral("Tag"));
  EXPECT_EQ(reader.ReadLine(), QStringLiteral(" the info, with commas"));
  // A key that ends at the line end takes the whole next line.
  EXPECT_EQ(reader.ReadField(), QStringLiteral(";"));
  EXPECT_EQ(reader.ReadLine(), QStringLiteral("swallowed, line"));
  EXPECT_EQ(reader.ReadField(), QStringLiteral("next"));
}

TEST(FieldReader, ReadingPastTheEndGivesEmptyAndZeroAndIsNoticed) {
  FieldReader reader(QStringLiteral("7,"));
  EXPECT_EQ(reader.ReadInt32(), 7);
  EXPECT_FALSE(reader.PastEnd());
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.ReadInt32(), 0);
  EXPECT_TRUE(reader.PastEnd());
  EXPECT_EQ(reader.ReadField(), QString());
  EXPECT_EQ(reader.ReadLine(), QString());
  reader.ClearPastEnd();
  EXPECT_FALSE(reader.PastEnd());
}

TEST(FieldReader, NumbersAreReadLeniently) {
  FieldReader reader(QStringLiteral("12abc, x ,2.5,3.5,-7,99999999999,40000,-40000,\"15\""));
  EXPECT_EQ(reader.ReadInt32(), 12);
  EXPECT_EQ(reader.ReadInt32(), 0);
  EXPECT_EQ(reader.ReadInt32(), 2);  // halves to even
  EXPECT_EQ(reader.ReadInt32(), 4);
  EXPECT_EQ(reader.ReadInt32(), -7);
  EXPECT_EQ(reader.ReadInt32(), INT32_MAX);
  EXPECT_EQ(reader.ReadInt16(), 32767);
  EXPECT_EQ(reader.ReadInt16(), -32768);
  EXPECT_EQ(reader.ReadInt32(), 15);
}

}  // namespace
}  // namespace kd
