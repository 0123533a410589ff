#pragma once
// Reads the window record and the element records of a skin file into a
// SkinDocument: buttons, links, labels, displays, sliders, lights, the
// playlist box, the cover picture, the window shape, import canvases and
// conditional skips, and the list of records refused for their index.
//
// The caller has read the header, the sizes and the bitmap names and has put
// the pictures found so far into the document.

#include <QPoint>
#include <QRegion>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "skin/ElementKinds.h"
#include "skin/FieldReader.h"
#include "skin/ImportCanvases.h"
#include "skin/PixelBudget.h"
#include "skin/SkinDocument.h"
#include "skin/SkinEnvironment.h"
#include "skin/SkinFiles.h"

namespace kd {

// The tooltip of labels, sliders, the playlist box and the cover: a text that
// starts with "~" gives none.
QString TipText(const QString& tip);

// The message shown at the end of a load that refused records: two fixed
// lines, then every listed key field preceded by a space.
QString RejectedRecordsMessage(const QStringList& keys);

class SkinParser {
 public:
  SkinParser(FieldReader& reader, SkinDocument& doc, const SkinLoadEnvironment& env,
             SkinFiles& files, PixelBudget& budget);

  // The window record: hover style, anchor code, background colour and three
  // numbers that are read and ignored.
  void readWindowRecord();
  // Element records until the end of the text or a key field starting with "E".
  void readElementRecords();
  // Applies a complete outline and adds the message about refused records.
  void finish();

 private:
  struct Value {
    int32_t number = 0;
    QRgb colour = 0;
    QString text;
  };
  // One per field of the record; fields a record does not read stay zero.
  using Values = std::array<Value, kMaxRecordFields>;

  // `key` is the record's key field, a view into the reader's text.
  void processRecord(QStringView key);
  void readValues(const ElementKind& kind, size_t from, size_t to, Values& values);
  void reject(const ElementKind& kind, const QString& key);
  void build(char key, int32_t n, const Values& v);

  void buildButton(int32_t n, const Values& v);
  void buildLabel(int32_t n, const Values& v);
  void buildDisplay(int32_t n, const Values& v);
  void buildSlider(int32_t n, const Values& v);
  void buildLight(int32_t n, const Values& v);
  void buildPlaylistBox(const Values& v);
  void buildCover(const Values& v);
  void applyColourKey(QRgb key);
  void loadCanvas(int32_t n, const QString& file);
  void resizeCanvas(int32_t n, int32_t w, int32_t h);
  void useCanvases();

  void startOutline(int32_t n, bool multi);
  void readOutlineCounts(int32_t n);
  void readOutlinePoint(int32_t x);
  // The outline the records declared and completed, if it could be drawn.
  std::optional<QRegion> completeOutline();

  FieldReader& m_reader;
  SkinDocument& m_doc;
  const SkinLoadEnvironment& m_env;
  SkinFiles& m_files;
  PixelBudget& m_budget;
  ImportCanvases m_canvases;

  // The pictures the window shows at this point of the load.
  QImage m_windowPicture;
  QImage m_resourcePicture;

  int m_loadFlag = 0;                // 1 when the last canvas picture was found
  bool m_canvasCutReported = false;  // one message per load, however many records
  QString m_skipName;                // set: records are skipped up to ":" + this name

  int16_t m_declaredPoints = 0;
  bool m_multiOutline = false;
  std::vector<QPoint> m_points;
  std::vector<int32_t> m_counts;

  // The last colour key that applied, with the picture it keys: only the
  // last one shapes the window, so the picture is scanned once, at the end.
  struct ColourKey {
    QImage picture;
    QRgb key = 0;
  };
  std::optional<ColourKey> m_colourKey;
};

}  // namespace kd
