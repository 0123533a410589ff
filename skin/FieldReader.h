#pragma once
// Cuts the decoded text of a skin file into fields.
//
// A field ends at a comma or at a line end (CR, LF or CR LF); reading a field
// consumes its delimiter. Spaces and tabs before a field are skipped, and an
// unquoted field loses its trailing blanks. A field that starts with a double
// quote runs to the next double quote and may hold commas; whatever follows
// the closing quote up to the delimiter is dropped. A quote that never closes
// ends at the line end, so one stray quote cannot swallow the rest of the
// file.
//
// Some texts take one whole line instead (the skin information, comments):
// `readLine` returns the rest of the current line, which is the whole next
// line when the previous field ended at a line end.
//
// Asking for a field when the text is used up gives "" and sets `pastEnd`.

#include <QString>
#include <QStringView>
#include <cstdint>

namespace kd {

class FieldReader {
 public:
  explicit FieldReader(QString text);

  // True when every character has been consumed.
  bool atEnd() const { return m_pos >= m_text.size(); }
  // True once a field or line was asked for after the end of the text.
  bool pastEnd() const { return m_pastEnd; }
  // Forgets an earlier read past the end (for callers that check per record).
  void clearPastEnd() { m_pastEnd = false; }

  QString readField() { return readFieldView().toString(); }
  // The next field as a view into the text (valid while the reader lives),
  // so keys and numbers are read without a copy.
  QStringView readFieldView();
  // The rest of the current line, verbatim; the line end is consumed.
  QString readLine();
  // A field read leniently as a number (its leading number, else 0), rounded
  // halves to even and clamped into the type's range.
  int32_t readInt32();
  int16_t readInt16();

  // Characters not yet consumed; a bound for how many fields can still follow.
  qsizetype remaining() const { return m_text.size() - m_pos; }

 private:
  bool atLineEnd() const;
  // Consumes a line end (CR LF, CR or LF) at the current position, if any.
  void consumeLineEnd();
  QStringView readQuoted();

  // The next position of one character at or after a given one, remembered
  // until the reader passes it: searching with Qt's vectorised indexOf, each
  // character costs one scan of the text in all, however many fields it has.
  class NextOf {
   public:
    explicit NextOf(char16_t c) : m_char(c) {}
    qsizetype from(QStringView text, qsizetype pos);

   private:
    char16_t m_char;
    qsizetype m_at = -1;  // -1: not searched yet
  };
  // Where the line that holds `pos` ends (its CR or LF), or the text's size.
  qsizetype lineEndFrom(qsizetype pos);
  // Where the unquoted text from `pos` ends: a comma or the line end.
  qsizetype fieldEndFrom(qsizetype pos);

  QString m_text;
  qsizetype m_pos = 0;
  bool m_pastEnd = false;
  NextOf m_comma{u','};
  NextOf m_quote{u'"'};
  NextOf m_cr{u'\r'};
  NextOf m_lf{u'\n'};
};

}  // namespace kd
