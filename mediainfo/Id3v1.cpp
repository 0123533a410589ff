#include "mediainfo/Id3v1.h"

#include "util/TextCodec.h"

namespace kd {

namespace {

QString textField(QByteArrayView tag, qsizetype offset, qsizetype size,
                  const QByteArray& codepage) {
  QByteArrayView bytes = tag.sliced(offset, size);
  const qsizetype nul = bytes.indexOf('\0');
  if (nul >= 0) bytes.truncate(nul);
  return DecodeText(bytes, codepage);
}

void appendTextField(QByteArray& tag, const QString& text, qsizetype size,
                     const QByteArray& codepage) {
  tag += EncodeLegacy(text, size, codepage).leftJustified(size, ' ');
}

}  // namespace

bool HasId3v1Tag(QByteArrayView fileEnd) {
  return fileEnd.size() >= id3v1::kSize && fileEnd.last(id3v1::kSize).startsWith("TAG");
}

bool ParseId3v1(QByteArrayView fileEnd, ID3Info& info, const QByteArray& codepage) {
  info.reset();
  if (!HasId3v1Tag(fileEnd)) return false;
  const QByteArrayView tag = fileEnd.last(id3v1::kSize);
  info.Title = textField(tag, id3v1::kTitle, id3v1::kTitleSize, codepage);
  info.Artist = textField(tag, id3v1::kArtist, id3v1::kArtistSize, codepage);
  info.Album = textField(tag, id3v1::kAlbum, id3v1::kAlbumSize, codepage);
  info.Year = textField(tag, id3v1::kYear, id3v1::kYearSize, codepage);
  info.Comment = textField(tag, id3v1::kComment, id3v1::kCommentSize, codepage);
  info.Track = static_cast<uint8_t>(tag[id3v1::kTrack]);
  info.Genre = static_cast<uint8_t>(tag[id3v1::kGenre]);
  info.present = true;
  return true;
}

QByteArray BuildId3v1(const ID3Info& info, const QByteArray& codepage) {
  QByteArray tag;
  tag.reserve(id3v1::kSize);
  tag += "TAG";
  appendTextField(tag, info.Title, id3v1::kTitleSize, codepage);
  appendTextField(tag, info.Artist, id3v1::kArtistSize, codepage);
  appendTextField(tag, info.Album, id3v1::kAlbumSize, codepage);
  appendTextField(tag, info.Year, id3v1::kYearSize, codepage);
  appendTextField(tag, info.Comment, id3v1::kCommentSize, codepage);
  tag += static_cast<char>(info.Track);
  tag += static_cast<char>(info.Genre);
  return tag;
}

}  // namespace kd
