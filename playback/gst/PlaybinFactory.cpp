#include "playback/gst/PlaybinFactory.h"

#include "playback/gst/LevelFilter.h"

#include <gst/audio/gstaudiodecoder.h>

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>
#include <vector>

namespace kd {

namespace {

constexpr gint64 kDecoderBatch = 100 * GST_MSECOND;

// playbin's "flags": video 0x1, audio 0x2, text 0x4, native-audio 0x20,
// deinterlace 0x200, soft-colorbalance 0x400. That is its default less the
// volume element (0x10: the player has its own output levels) and with
// native audio, which leaves out playbin's converters: the sink bin converts
// behind the levels filter instead.
constexpr guint kPlayFlags = 0x001 | 0x002 | 0x004 | 0x020 | 0x200 | 0x400;

// A sink from an element description in the environment, or nullptr when the
// variable is unset or empty. A description that does not parse is reported
// and the default sink is used instead.
GstElement* sinkFromEnvironment(const char* variable) {
  const QByteArray description = qgetenv(variable).trimmed();
  if (description.isEmpty()) return nullptr;
  GError* error = nullptr;
  GstElement* bin = gst_parse_bin_from_description(description.constData(), TRUE, &error);
  if (!bin || error) {
    qWarning("%s=\"%s\" is not a usable element description (%s); using the default sink", variable,
             description.constData(), error ? error->message : "no element");
    g_clear_error(&error);
    if (bin) gst_object_unref(gst_object_ref_sink(bin));
    return nullptr;
  }
  return bin;
}

// The General MIDI soundfont the player ships with, found once in the data
// folders; empty when it is not installed (fluidsynth's own lookup applies).
const QByteArray& midiSoundfont() {
  static const QByteArray path = [] {
    QByteArray found;
    for (const gchar* const* dir = g_get_system_data_dirs(); *dir && found.isEmpty(); ++dir) {
      const QString candidate = QDir::cleanPath(QString::fromLocal8Bit(*dir) +
                                                QStringLiteral("/sounds/sf2/TimGM6mb.sf2"));
      if (QFileInfo(candidate).isFile()) found = candidate.toLocal8Bit();
    }
    return found;
  }();
  return path;
}

// Called for every element that playbin or its sub-bins create.
void onElementSetup(GstElement*, GstElement* element, gpointer) {
  // Decoders hand out one buffer per coded frame (26 ms for MP3), and every
  // buffer wakes two threads; gathering a tenth of a second per buffer cuts
  // the cost of playing by about half without any audible change.
  if (GST_IS_AUDIO_DECODER(element)) {
    g_object_set(element, "min-latency", kDecoderBatch, nullptr);
    return;
  }
  GstElementFactory* factory = gst_element_get_factory(element);
  if (!factory || g_strcmp0(GST_OBJECT_NAME(factory), "fluiddec") != 0) return;
  if (midiSoundfont().isEmpty()) return;
  gchar* current = nullptr;
  g_object_get(element, "soundfont", &current, nullptr);
  if (!current) g_object_set(element, "soundfont", midiSoundfont().constData(), nullptr);
  g_free(current);
}

// The sink with the output-levels filter right in front of it, and the
// converters the sink may need behind the filter (they pass buffers through
// untouched when the sink takes the filter's format). playbin's own
// "audio-filter" slot sits before a queue that holds about a second, so a
// level change would be heard that much later; here it is heard at once.
GstElement* withLevels(GstElement* sink, std::shared_ptr<const OutputLevels> levels) {
  GstElement* filter = MakeLevelFilter(std::move(levels));
  if (!filter) qWarning("audioconvert is missing: output levels are not applied");
  std::vector<GstElement*> chain;
  for (GstElement* element : {filter, gst_element_factory_make("audioconvert", nullptr),
                              gst_element_factory_make("audioresample", nullptr), sink}) {
    if (element) chain.push_back(element);
  }
  GstElement* bin = gst_bin_new("output");
  for (std::size_t i = 0; i < chain.size(); ++i) {
    gst_bin_add(GST_BIN(bin), chain[i]);
    if (i > 0) gst_element_link(chain[i - 1], chain[i]);
  }
  GstPad* pad = gst_element_get_static_pad(chain.front(), "sink");
  gst_element_add_pad(bin, gst_ghost_pad_new("sink", pad));
  gst_object_unref(pad);
  return bin;
}

}  // namespace

GstElement* MakePlaybin(std::shared_ptr<const OutputLevels> levels) {
  GstElement* playbin = gst_element_factory_make("playbin", nullptr);
  if (!playbin) return nullptr;
  gst_object_ref_sink(playbin);
  g_object_set(playbin, "flags", kPlayFlags, nullptr);

  GstElement* audioSink = sinkFromEnvironment("KAVORODECK_AUDIO_SINK");
  if (!audioSink) audioSink = gst_element_factory_make("autoaudiosink", nullptr);
  if (audioSink) g_object_set(playbin, "audio-sink", withLevels(audioSink, levels), nullptr);
  // No video sink is named otherwise: playbin then makes one only for an
  // item that has pictures, where a named one would be opened for every item.
  if (GstElement* videoSink = sinkFromEnvironment("KAVORODECK_VIDEO_SINK"))
    g_object_set(playbin, "video-sink", videoSink, nullptr);

  g_signal_connect(playbin, "element-setup", G_CALLBACK(onElementSetup), nullptr);
  return playbin;
}

}  // namespace kd
