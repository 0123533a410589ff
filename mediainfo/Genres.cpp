#include "mediainfo/Genres.h"

namespace kd {

const QStringList& GenreNames() {
  // Items 34, 41, 47 and 48 (genres 33, 40, 46, 47) keep the spellings
  // this player has always shown; users know their genres by them.
  static const QStringList names = {
      QStringLiteral("Unknown"),
      QStringLiteral("Blues"),
      QStringLiteral("Classic Rock"),
      QStringLiteral("Country"),
      QStringLiteral("Dance"),
      QStringLiteral("Disco"),
      QStringLiteral("Funk"),
      QStringLiteral("Grunge"),
      QStringLiteral("Hip-Hop"),
      QStringLiteral("Jazz"),
      QStringLiteral("Metal"),
      QStringLiteral("New Age"),
      QStringLiteral("Oldies"),
      QStringLiteral("Other"),
      QStringLiteral("Pop"),
      QStringLiteral("R&B"),
      QStringLiteral("Rap"),
      QStringLiteral("Reggae"),
      QStringLiteral("Rock"),
      QStringLiteral("Techno"),
      QStringLiteral("Industrial"),
      QStringLiteral("Alternative"),
      QStringLiteral("Ska"),
      QStringLiteral("Death Metal"),
      QStringLiteral("Pranks"),
      QStringLiteral("Soundtrack"),
      QStringLiteral("Euro-Techno"),
      QStringLiteral("Ambient"),
      QStringLiteral("Trip-Hop"),
      QStringLiteral("Vocal"),
      QStringLiteral("Jazz+Funk"),
      QStringLiteral("Fusion"),
      QStringLiteral("Trance"),
      QStringLiteral("Classical"),
      QStringLiteral("Intrumental"),
      QStringLiteral("Acid"),
      QStringLiteral("House"),
      QStringLiteral("Game"),
      QStringLiteral("Sound Clip"),
      QStringLiteral("Gospel"),
      QStringLiteral("Noise"),
      QStringLiteral("Alternate Rock"),
      QStringLiteral("Bass"),
      QStringLiteral("Soul"),
      QStringLiteral("Punk"),
      QStringLiteral("Space"),
      QStringLiteral("Meditative"),
      QStringLiteral("Intrumental Pop"),
      QStringLiteral("Intrumental Rock"),
      QStringLiteral("Ethnic"),
      QStringLiteral("Gothic"),
      QStringLiteral("Darkwave"),
      QStringLiteral("Techno-Industrial"),
      QStringLiteral("Electronic"),
      QStringLiteral("Pop-Folk"),
      QStringLiteral("Eurodance"),
      QStringLiteral("Dream"),
      QStringLiteral("Southern Rock"),
      QStringLiteral("Comedy"),
      QStringLiteral("Cult"),
      QStringLiteral("Gangsta"),
      QStringLiteral("Top 40"),
      QStringLiteral("Christian Rap"),
      QStringLiteral("Pop/Funk"),
      QStringLiteral("Jungle"),
      QStringLiteral("Native American"),
      QStringLiteral("Cabaret"),
      QStringLiteral("New Wave"),
      QStringLiteral("Psychadelic"),
      QStringLiteral("Rave"),
      QStringLiteral("Showtunes"),
      QStringLiteral("Trailer"),
      QStringLiteral("Lo-Fi"),
      QStringLiteral("Tribal"),
      QStringLiteral("Acid Punk"),
      QStringLiteral("Acid Jazz"),
      QStringLiteral("Polka"),
      QStringLiteral("Retro"),
      QStringLiteral("Musical"),
      QStringLiteral("Rock & Roll"),
      QStringLiteral("Hard Rock"),
  };
  return names;
}

int GenreItem(uint8_t genre) {
  return genre < kGenreCount ? genre + 1 : 0;
}

uint8_t GenreByte(int item) {
  return item >= 1 && item <= kGenreCount ? static_cast<uint8_t>(item - 1) : kUnknownGenreByte;
}

}  // namespace kd
