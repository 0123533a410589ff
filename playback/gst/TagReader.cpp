#include "playback/gst/TagReader.h"

namespace kd {

namespace {

// The value of GST_TAG_IMAGE_TYPE_FRONT_COVER in the engine's image-type
// enumeration (the tag library's header is not needed for one number).
constexpr gint kFrontCoverImageType = 1;

void takeText(const GstTagList* list, const char* tag, QString& text) {
  if (!text.isEmpty()) return;
  gchar* value = nullptr;
  if (!gst_tag_list_get_string(list, tag, &value)) return;
  text = QString::fromUtf8(value).trimmed();
  g_free(value);
}

bool isFrontCover(GstSample* sample) {
  const GstStructure* info = gst_sample_get_info(sample);
  if (!info) return false;
  const GValue* type = gst_structure_get_value(info, "image-type");
  return type && G_VALUE_HOLDS_ENUM(type) && g_value_get_enum(type) == kFrontCoverImageType;
}

QByteArray pictureBytes(GstSample* sample) {
  GstBuffer* buffer = gst_sample_get_buffer(sample);
  if (!buffer) return {};
  const gsize size = gst_buffer_get_size(buffer);
  if (size == 0 || size > gsize(kMaxEmbeddedPictureBytes)) return {};
  QByteArray bytes(qsizetype(size), Qt::Uninitialized);
  gst_buffer_extract(buffer, 0, bytes.data(), size);
  return bytes;
}

void takePicture(const GstTagList* list, const char* tag, MediaTags& tags, bool& frontCoverTaken) {
  const guint count = gst_tag_list_get_tag_size(list, tag);
  for (guint i = 0; i < count && !frontCoverTaken; ++i) {
    GstSample* sample = nullptr;
    if (!gst_tag_list_get_sample_index(list, tag, i, &sample)) continue;
    const bool front = isFrontCover(sample);
    if (tags.picture.isEmpty() || front) {
      QByteArray bytes = pictureBytes(sample);
      if (!bytes.isEmpty()) {
        tags.picture = std::move(bytes);
        frontCoverTaken = front;
      }
    }
    gst_sample_unref(sample);
  }
}

}  // namespace

void MergeTagList(const GstTagList* list, MediaTags& tags, bool& frontCoverTaken) {
  if (!list) return;
  takeText(list, GST_TAG_TITLE, tags.title);
  takeText(list, GST_TAG_ARTIST, tags.artist);
  takeText(list, GST_TAG_ALBUM, tags.album);
  takePicture(list, GST_TAG_IMAGE, tags, frontCoverTaken);
  // A preview picture only when the file has nothing better.
  if (tags.picture.isEmpty()) takePicture(list, GST_TAG_PREVIEW_IMAGE, tags, frontCoverTaken);
}

}  // namespace kd
