#pragma once
// Text of files written by other programs: UTF-8 when the bytes are valid
// UTF-8 (a byte-order mark dropped), otherwise the legacy code page (GB18030
// unless configured otherwise) through iconv.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kd {

// The iconv name of the legacy code page; "GB18030" by default.
QByteArray LegacyCodepage();
// Sets the legacy code page; an empty name or one that iconv does not know
// restores the default. Returns false when the name was not accepted.
bool SetLegacyCodepage(const QByteArray& iconvName);

bool IsValidUtf8(QByteArrayView bytes);
// Decodes by the rule above.
QString DecodeText(QByteArrayView bytes);
// Decodes bytes known to be in the legacy code page.
QString DecodeLegacy(QByteArrayView bytes);
// Encodes in the legacy code page; characters it cannot hold become "?".
// When maxBytes >= 0 the result is cut on a character boundary to fit.
QByteArray EncodeLegacy(QStringView text, qsizetype maxBytes = -1);

}  // namespace kd
