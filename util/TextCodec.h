#pragma once
// Text of files written by other programs: UTF-8 when the bytes are valid
// UTF-8 (a byte-order mark dropped), otherwise the legacy code page (GB18030
// unless configured otherwise) through iconv.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kd {

// The iconv name of the legacy code page unless the user names another.
inline const QByteArray kDefaultCodepage = QByteArrayLiteral("GB18030");

// `iconvName` when iconv knows it, else the default code page.
QByteArray UsableCodepage(const QByteArray& iconvName);

bool IsValidUtf8(QByteArrayView bytes);
// Whether a leading byte-order mark is the start of a file (dropped) or text
// inside one, such as a value after its key (kept).
enum class LeadingMark { Drop, Keep };
// Decodes by the rule above, with `codepage` as the legacy code page.
QString DecodeText(QByteArrayView bytes, const QByteArray& codepage = kDefaultCodepage,
                   LeadingMark leadingMark = LeadingMark::Drop);
// Decodes bytes known to be in the legacy code page.
QString DecodeLegacy(QByteArrayView bytes, const QByteArray& codepage = kDefaultCodepage);
// Encodes in the legacy code page; characters it cannot hold become "?".
// When maxBytes >= 0 the result is cut on a character boundary to fit.
QByteArray EncodeLegacy(QStringView text, qsizetype maxBytes = -1,
                        const QByteArray& codepage = kDefaultCodepage);

}  // namespace kd
