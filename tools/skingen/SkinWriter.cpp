#include "SkinWriter.h"

#include <QStringList>

namespace kd::skingen {

namespace {

class RecordWriter {
 public:
  void line(const QString& text) { m_lines += text; }
  void comment(const QString& text) { m_lines += QStringLiteral(";,") + text; }

  // A text field: written bare, or quoted when it holds a comma or starts
  // with a blank (the reader skips blanks before a field). A double quote
  // cannot be written in a field at all.
  QString text(const QString& value) {
    if (value.contains(u'"') || value.contains(u'\n') || value.contains(u'\r')) {
      m_error = QStringLiteral("text field cannot be written: ") + value;
      return {};
    }
    if (value.contains(u',') || value.startsWith(u' ') || value.startsWith(u'\t'))
      return u'"' + value + u'"';
    return value;
  }

  QByteArray bytes() const { return (m_lines.join(QStringLiteral("\r\n")) + "\r\n").toUtf8(); }
  const QString& error() const { return m_error; }

 private:
  QStringList m_lines;
  QString m_error;
};

QString Num(int v) {
  return QString::number(v);
}

QString Colour(const QColor& c) {
  return Num(c.red()) + u',' + Num(c.green()) + u',' + Num(c.blue());
}

QString Rect(const QRect& r) {
  return Num(r.x()) + u',' + Num(r.y()) + u',' + Num(r.width()) + u',' + Num(r.height());
}

void WriteButtons(RecordWriter& w, const SkinLayout& l) {
  w.comment(QStringLiteral("按钮 Buttons: B<命令 command>,X,Y,W,H,PX,PY,键 Key,提示 Tip"));
  for (int command = 1; command <= 120; ++command) {
    const ButtonSpec* b = l.button(command);
    if (!b) continue;
    w.line(u'B' + Num(command) + u',' + Rect(b->rect) + u',' + Num(b->pressed.x()) + u',' +
           Num(b->pressed.y()) + u',' + w.text(b->key) + u',' + w.text(b->tip));
  }
}

void WriteSliders(RecordWriter& w, const SkinLayout& l) {
  w.comment(QStringLiteral("滑块 Sliders: S<n>,X,Y,W,H,SX,SY,KW,KH,Tip (H=0: horizontal)"));
  for (int index = 1; index <= 5; ++index) {
    const SliderSpec* s = l.slider(index);
    if (!s) continue;
    w.line(u'S' + Num(index) + u',' + Num(s->origin.x()) + u',' + Num(s->origin.y()) + u',' +
           Num(s->travel) + QStringLiteral(",0,") + Num(s->source.x()) + u',' + Num(s->source.y()) +
           u',' + Num(s->knob.width()) + u',' + Num(s->knob.height()) + u',' + w.text(s->tip));
  }
}

void WriteDisplays(RecordWriter& w, const SkinLayout& l) {
  w.comment(QStringLiteral(
      "显示 Displays: D<n>,X,Y,SrcX,SrcY,CellW,CellH,NarrowW,FontKind,Spacing,Format,Tip"));
  for (int index = 1; index <= 6; ++index) {
    for (const DisplaySpec& d : l.displays) {
      if (d.index != index) continue;
      const GlyphFont& f = l.font(d.font);
      w.line(u'D' + Num(index) + u',' + Num(d.pos.x()) + u',' + Num(d.pos.y()) + u',' +
             Num(f.source.x()) + u',' + Num(f.source.y()) + u',' + Num(f.cell.width()) + u',' +
             Num(f.cell.height()) + u',' + Num(f.narrow) + u',' + Num(f.kind) + u',' +
             Num(d.spacing) + u',' + Num(d.format) + u',' + w.text(d.tip));
    }
  }
}

void WriteLabels(RecordWriter& w, const SkinLayout& l) {
  w.comment(QStringLiteral("文字 Labels: L<n>,X,Y,W,H,R,G,B,Size,Font,Tip"));
  for (int index = 1; index <= 50; ++index) {
    for (const LabelSpec& s : l.labels) {
      if (s.index != index) continue;
      w.line(u'L' + Num(index) + u',' + Rect(s.rect) + u',' + Colour(s.colour) + u',' +
             Num(s.size) + u',' + w.text(s.font) + u',' + w.text(s.tip));
    }
  }
}

void WriteLights(RecordWriter& w, const SkinLayout& l) {
  w.comment(QStringLiteral("指示灯 Lights: I<n>,X,Y,W,H,R,G,B,Shape,Tip"));
  for (int index = 1; index <= 18; ++index) {
    for (const LightSpec& s : l.lights) {
      if (s.index != index) continue;
      w.line(u'I' + Num(index) + u',' + Rect(s.rect) + u',' + Colour(s.colour) + u',' +
             Num(s.shape) + u',' + w.text(s.tip));
    }
  }
}

void WriteOutline(RecordWriter& w, const SkinLayout& l) {
  w.comment(QStringLiteral("窗口外形 Window outline: N<points>, then P<x>,y for each point"));
  w.line(u'N' + Num(int(l.outline.size())));
  for (const QPoint& p : l.outline) w.line(u'P' + Num(p.x()) + u',' + Num(p.y()));
}

}  // namespace

QByteArray WriteSkinFile(const SkinLayout& l, const SkinFiles& files, QString* error) {
  RecordWriter w;
  w.line(QStringLiteral("Kavoro Skin,Kavoro Dark - kavorodeck 默认界面 (default skin)"));
  w.line(Num(l.full.width()) + u',' + Num(l.full.height()) + u',' + Num(l.noPlaylist.width()) +
         u',' + Num(l.noPlaylist.height()) + u',' + Num(l.strip.width()) + u',' +
         Num(l.strip.height()));
  w.line(w.text(files.mainBitmap) + u',' + w.text(files.resourceBitmap));
  w.line(Num(l.hoverStyle) + QStringLiteral(",0,") + Colour(l.background) +
         QStringLiteral(",0,0,0"));
  w.line(QStringLiteral("/,作者 Author: kavorodeck"));
  w.line(
      QStringLiteral("/,许可 Licence: 随 kavorodeck 发布，可自由使用与修改 "
                     "(distributed with kavorodeck; free to use and modify)"));
  WriteOutline(w, l);
  WriteButtons(w, l);
  WriteSliders(w, l);
  WriteDisplays(w, l);
  WriteLabels(w, l);
  WriteLights(w, l);
  w.comment(QStringLiteral("播放列表 Playlist: X1,X,Y,W,H,R,G,B,BgR,BgG,BgB,Size,Font,Tip"));
  w.line(QStringLiteral("X1,") + Rect(l.playlist.rect) + u',' + Colour(l.playlist.text) + u',' +
         Colour(l.playlist.background) + u',' + Num(l.playlist.size) + u',' +
         w.text(l.playlist.font) + u',' + w.text(l.playlist.tip));
  w.comment(QStringLiteral("封面 Cover: C1,X,Y,W,H,Tip"));
  w.line(QStringLiteral("C1,") + Rect(l.cover.rect) + u',' + w.text(l.cover.tip));
  w.line(QStringLiteral("E"));
  if (!w.error().isEmpty()) {
    if (error) *error = w.error();
    return {};
  }
  return w.bytes();
}

}  // namespace kd::skingen
