#pragma once
// The element records of a skin file as data: for every key letter, what it
// builds, which indexes it accepts, which fields follow the key field, and
// what happens to an index outside the range.
//
// Reading order matters because a field left unread is taken as the next key
// field: the first `fieldsBeforeCheck` fields are read before the index is
// checked, the rest only when the index is not above the range. An index
// below `minIndex` reads every field and the record is ignored.

#include <QChar>
#include <cstddef>
#include <span>

namespace kd {

enum class FieldType : unsigned char {
  Number,  // one numeric field
  Colour,  // three numeric fields R, G, B (0..255 each)
  Text,    // one field
};

struct FieldSpec {
  const char* name;
  FieldType type;
};

enum class AboveRange : unsigned char {
  None,            // the kind has no upper bound
  RejectListed,    // refused; the key field is listed in the closing message
  RejectUnlisted,  // refused; the closing message is shown, the key is not listed
  Ignore,          // silently ignored
};

// Where the "W < 1 or H < 1: not created" test stands relative to the range test.
enum class SizeCheck : unsigned char {
  None,
  BeforeRange,  // a record too small is ignored even when its index is too high
  AfterRange,
};

enum class RecordLayout : unsigned char {
  Fields,       // the fixed field list below
  WholeLine,    // the rest of the line (";" and "/")
  PointCounts,  // "M": a count k, then k numbers
  OnePoint,     // "P": one number, read only while points are still expected
};

// The most fields after the key that a record has (a display's eleven).
inline constexpr size_t kMaxRecordFields = 11;

struct ElementKind {
  char key;
  const char* name;
  int minIndex;
  int maxIndex;  // meaningful unless `above` is None
  AboveRange above;
  SizeCheck sizeCheck;
  RecordLayout layout;
  std::span<const FieldSpec> fields;
  int fieldsBeforeCheck;  // leading fields read before the index check
};

// The kind for a key letter (case-sensitive), or nullptr for a letter the
// format does not know (such a key field is skipped on its own).
const ElementKind* FindElementKind(QChar key);
std::span<const ElementKind> ElementKinds();

}  // namespace kd
