#include "playback/gst/GstMediaItem.h"

#include "playback/gst/DurationEstimate.h"
#include "playback/gst/PlaybinFactory.h"
#include "playback/gst/TagReader.h"
#include "util/Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace kd {

namespace {

constexpr double kMinRate = 0.5;
constexpr double kMaxRate = 1.5;

QString errorText(GstMessage* message) {
  GError* error = nullptr;
  gchar* debug = nullptr;
  gst_message_parse_error(message, &error, &debug);
  QString text = QString::fromUtf8(error ? error->message : "unknown error");
  if (debug && *debug) text += QStringLiteral(" (%1)").arg(QString::fromUtf8(debug));
  g_clear_error(&error);
  g_free(debug);
  return text;
}

// The file:// address of a local file, or "" with the reason in `why`.
QByteArray fileUri(const QString& path, QString* why) {
  // Anything but a regular file (a folder, a pipe, a device) could block the
  // engine or never end; it is refused before the engine sees it.
  if (!QFileInfo(path).isFile()) {
    *why = QStringLiteral("not an existing regular file");
    return {};
  }
  GError* error = nullptr;
  gchar* uri = gst_filename_to_uri(QFile::encodeName(path).constData(), &error);
  if (!uri) *why = QString::fromUtf8(error ? error->message : "no file address");
  g_clear_error(&error);
  const QByteArray result(uri);
  g_free(uri);
  return result;
}

double toSeconds(gint64 nanoseconds) {
  return static_cast<double>(nanoseconds) / GST_SECOND;
}

}  // namespace

// Only the messages the item acts on are queued; the many others (state
// changes, stream status, QoS ...) are dropped here, so nothing piles up
// between ticks and draining stays cheap. A handler that drops a message owns
// it and must release it: each message holds its sender, so a dropped one
// kept would keep the whole pipeline alive.
GstBusSyncReply GstMediaItem::filterBusMessage(GstBus*, GstMessage* message, gpointer item) {
  switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS:
    case GST_MESSAGE_ERROR: {
      const auto& notify = static_cast<GstMediaItem*>(item)->m_endNotifier;
      if (notify) notify();
      return GST_BUS_PASS;
    }
    case GST_MESSAGE_ASYNC_DONE:  // awaited by renderFile
    case GST_MESSAGE_DURATION_CHANGED:
    case GST_MESSAGE_LATENCY:
    case GST_MESSAGE_CLOCK_LOST:
    case GST_MESSAGE_TAG:  // what the item holds: title, artist, album, picture
      return GST_BUS_PASS;
    default:
      gst_message_unref(message);
      return GST_BUS_DROP;
  }
}

std::unique_ptr<GstMediaItem> GstMediaItem::create(std::shared_ptr<const OutputLevels> levels,
                                                   std::chrono::milliseconds prerollLimit) {
  GstElement* playbin = MakePlaybin(std::move(levels));
  if (!playbin) return nullptr;
  return std::unique_ptr<GstMediaItem>(new GstMediaItem(playbin, prerollLimit));
}

GstMediaItem::GstMediaItem(GstElement* playbin, std::chrono::milliseconds prerollLimit)
    : m_playbin(playbin),
      m_bus(gst_element_get_bus(playbin)),
      m_positionQuery(gst_query_new_position(GST_FORMAT_TIME)),
      m_durationQuery(gst_query_new_duration(GST_FORMAT_TIME)),
      m_prerollLimit(prerollLimit) {
  gst_bus_set_sync_handler(m_bus, filterBusMessage, this, nullptr);
}

GstMediaItem::~GstMediaItem() {
  gst_element_set_state(m_playbin, GST_STATE_NULL);
  gst_bus_set_sync_handler(m_bus, nullptr, nullptr, nullptr);
  gst_bus_set_flushing(m_bus, TRUE);
  gst_query_unref(m_positionQuery);
  gst_query_unref(m_durationQuery);
  gst_object_unref(m_bus);
  gst_object_unref(m_playbin);
}

bool GstMediaItem::renderFile(const QString& pathOrUrl) {
  if (!m_uri.isEmpty()) gst_element_set_state(m_playbin, GST_STATE_NULL);
  gst_bus_set_flushing(m_bus, TRUE);
  gst_bus_set_flushing(m_bus, FALSE);
  m_uri = pathOrUrl;
  m_lastPosition = m_duration = 0.0;
  m_durationStale = m_ended = m_refused = m_running = false;
  m_tags = MediaTags();
  m_frontCoverTaken = false;

  const bool stream = IsStreamUrl(pathOrUrl);
  QString why;
  const QByteArray uri =
      stream ? QUrl(pathOrUrl, QUrl::TolerantMode).toEncoded() : fileUri(pathOrUrl, &why);
  if (uri.isEmpty()) {
    refuse(why.isEmpty() ? QStringLiteral("no address to play") : why);
    return false;
  }
  g_object_set(m_playbin, "uri", uri.constData(), nullptr);

  const GstStateChangeReturn change = gst_element_set_state(m_playbin, GST_STATE_PAUSED);
  if (change == GST_STATE_CHANGE_FAILURE) {
    drainBus();
    refuse(QStringLiteral("the engine cannot open it"));
    gst_element_set_state(m_playbin, GST_STATE_NULL);
    return false;
  }
  // A stream prerolls in the background: the interface never waits on the network.
  if (stream || change != GST_STATE_CHANGE_ASYNC) return true;
  if (!waitForPreroll()) return false;
  if (m_rate != 1.0) seek(0.0, m_rate);
  return true;
}

// Waits on the bus itself (no nested event loop) for the end of the preroll.
bool GstMediaItem::waitForPreroll() {
  const gint64 deadline =
      g_get_monotonic_time() + std::chrono::microseconds(m_prerollLimit).count();
  // Tags come before the end of the preroll; other messages are not kept.
  const auto wanted =
      static_cast<GstMessageType>(GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_ERROR | GST_MESSAGE_TAG);
  for (;;) {
    const gint64 remaining = deadline - g_get_monotonic_time();
    if (remaining <= 0) break;
    GstMessage* message = gst_bus_timed_pop_filtered(m_bus, remaining * GST_USECOND, wanted);
    if (!message) break;
    const bool done = GST_MESSAGE_TYPE(message) == GST_MESSAGE_ASYNC_DONE;
    handleMessage(message);
    gst_message_unref(message);
    if (m_refused) break;
    if (done) return true;
  }
  refuse(QStringLiteral("not ready within %1 ms").arg(m_prerollLimit.count()));
  gst_element_set_state(m_playbin, GST_STATE_NULL);
  return false;
}

void GstMediaItem::run() {
  m_running = true;
  gst_element_set_state(m_playbin, GST_STATE_PLAYING);
}

void GstMediaItem::pause() {
  m_running = false;
  gst_element_set_state(m_playbin, GST_STATE_PAUSED);
}

void GstMediaItem::stop() {
  m_running = false;
  gst_element_set_state(m_playbin, GST_STATE_NULL);
}

double GstMediaItem::currentPosition() {
  gst_query_set_position(m_positionQuery, GST_FORMAT_TIME, -1);
  gint64 position = -1;
  if (gst_element_query(m_playbin, m_positionQuery))
    gst_query_parse_position(m_positionQuery, nullptr, &position);
  // A question that fails (while a seek flushes, after stop()) keeps the last
  // answer, which a seek has set to its target.
  if (position >= 0) m_lastPosition = toSeconds(position);
  if (m_ended) return std::max(m_lastPosition, duration());
  return m_lastPosition;
}

void GstMediaItem::setCurrentPosition(double seconds) {
  if (!std::isfinite(seconds)) return;
  seconds = std::max(seconds, 0.0);
  // An end already posted belongs to the old position.
  drainBus();
  if (!seek(seconds, m_rate)) return;
  m_lastPosition = seconds;
  m_ended = false;
}

double GstMediaItem::duration() {
  if (m_duration > 0.0 && !m_durationStale) return m_duration;
  gst_query_set_duration(m_durationQuery, GST_FORMAT_TIME, -1);
  gint64 duration = -1;
  if (gst_element_query(m_playbin, m_durationQuery))
    gst_query_parse_duration(m_durationQuery, nullptr, &duration);
  const double seconds = duration > 0 ? toSeconds(duration) : EstimateDurationFromParser(m_playbin);
  if (seconds > 0.0) {
    m_duration = seconds;
    m_durationStale = false;
  }
  return m_duration;
}

void GstMediaItem::setRate(double rate) {
  if (!std::isfinite(rate) || rate <= 0.0) return;
  rate = std::clamp(rate, kMinRate, kMaxRate);
  if (rate == m_rate) return;
  const double from = currentPosition();
  if (m_uri.isEmpty() || m_refused) {
    m_rate = rate;  // applied when the item is rendered
    return;
  }
  if (!seek(from, rate)) return;
  m_rate = rate;
  m_lastPosition = from;
}

bool GstMediaItem::hasEnded() {
  drainBus();
  return m_ended;
}

bool GstMediaItem::wasRefused() {
  drainBus();
  return m_refused;
}

void GstMediaItem::setEndNotifier(std::function<void()> notify) {
  m_endNotifier = std::move(notify);
}

MediaTags GstMediaItem::tags() {
  drainBus();
  return m_tags;
}

bool GstMediaItem::seek(double seconds, double rate) {
  const auto position = static_cast<gint64>(std::llround(seconds * GST_SECOND));
  const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
  return gst_element_seek(m_playbin, rate, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, position,
                          GST_SEEK_TYPE_NONE, GST_CLOCK_TIME_NONE);
}

void GstMediaItem::drainBus() {
  while (GstMessage* message = gst_bus_pop(m_bus)) {
    handleMessage(message);
    gst_message_unref(message);
  }
}

void GstMediaItem::handleMessage(GstMessage* message) {
  switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS:
      m_ended = true;
      break;
    case GST_MESSAGE_ERROR:
      refuse(errorText(message));
      break;
    case GST_MESSAGE_DURATION_CHANGED:
      m_durationStale = true;
      break;
    case GST_MESSAGE_TAG: {
      GstTagList* list = nullptr;
      gst_message_parse_tag(message, &list);
      MergeTagList(list, m_tags, m_frontCoverTaken);
      if (list) gst_tag_list_unref(list);
      break;
    }
    case GST_MESSAGE_LATENCY:
      gst_bin_recalculate_latency(GST_BIN(m_playbin));
      break;
    case GST_MESSAGE_CLOCK_LOST:
      // The pipeline picks a new clock when it goes back to PLAYING.
      if (m_running) {
        gst_element_set_state(m_playbin, GST_STATE_PAUSED);
        gst_element_set_state(m_playbin, GST_STATE_PLAYING);
      }
      break;
    default:
      break;
  }
}

void GstMediaItem::refuse(const QString& text) {
  if (m_refused) return;
  m_refused = true;
  qWarning("Cannot play \"%s\": %s", qUtf8Printable(m_uri), qUtf8Printable(text));
}

}  // namespace kd
