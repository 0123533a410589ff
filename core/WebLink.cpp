#include "core/WebLink.h"

namespace kd {

std::optional<QUrl> WebLinkTarget(const QString& linkText) {
  QString text = linkText.trimmed();
  if (text.isEmpty()) return std::nullopt;
  if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
    text.prepend(QLatin1String("http://"));
  }
  const QUrl url(text, QUrl::StrictMode);
  if (!url.isValid()) return std::nullopt;
  const QString scheme = url.scheme().toLower();
  const bool web = scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
                   scheme == QLatin1String("ftp");
  if (web && !url.host().isEmpty()) return url;
  if (scheme == QLatin1String("mailto") && !url.path().isEmpty()) return url;
  return std::nullopt;
}

}  // namespace kd
