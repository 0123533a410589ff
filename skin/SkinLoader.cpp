#include "skin/SkinLoader.h"

#include <QFile>
#include <algorithm>

#include "skin/FieldReader.h"
#include "skin/PixelBudget.h"
#include "skin/SkinFiles.h"
#include "skin/SkinParser.h"
#include "skin/classic/ClassicSkinLoader.h"
#include "util/Paths.h"
#include "util/RegularFile.h"
#include "util/TextCodec.h"

namespace kd {

namespace {

const QString kSkinTag = QStringLiteral("Kavoro Skin");
const QString kForeignTag = QStringLiteral("Tarvo Skin");

// Legacy text is decoded a few kilobytes of whole lines at a time: in the
// ASCII-compatible code pages a line break is never part of a multi-byte
// character, and bounded pieces keep the converter's cost linear even for
// megabytes of bytes that are no text at all.
QString DecodeSkinText(const QByteArray& bytes, const QByteArray& codepage) {
  if (IsValidUtf8(bytes)) return DecodeText(bytes);
  constexpr qsizetype kPiece = 4096;
  QString text;
  text.reserve(bytes.size());
  qsizetype start = 0;
  while (start < bytes.size()) {
    const qsizetype lineEnd = bytes.indexOf('\n', std::min(start + kPiece, bytes.size() - 1));
    const qsizetype end = lineEnd < 0 ? bytes.size() : lineEnd + 1;
    text += DecodeLegacy(QByteArrayView(bytes).sliced(start, end - start), codepage);
    start = end;
  }
  return text;
}

// Window sizes are kept to what a window can have.
int WindowSide(int32_t value) {
  return std::clamp<int32_t>(value, 0, 32767);
}

// Reads the normal skin's two bitmaps; a missing one is reported and the
// window keeps the picture it had.
void ReadBitmaps(SkinDocument& doc, SkinFiles& files, const QString& mainName,
                 const QString& resourceName) {
  const QString mainPath = doc.baseFolder + mainName;
  const QString mainFound = files.find(mainPath);
  if (mainFound.isEmpty()) {
    doc.messages << QStringLiteral("Main bitmap not found: ") + mainPath;
  } else {
    doc.mainBitmap = files.load(mainFound);
  }
  const QString resourcePath = doc.baseFolder + resourceName;
  const QString resourceFound = files.find(resourcePath);
  if (resourceFound.isEmpty()) {
    doc.messages << QStringLiteral("Resource bitmap not found: ") + resourcePath;
  } else {
    doc.resourceBitmap = files.load(resourceFound);
  }
}

// Settles the folder an import skin takes its pictures from: the stored
// import folder when asked not to ask, otherwise the folder of the file the
// user picks (or of the default file name when the user cancels).
void SettleImportFolder(SkinDocument& doc, const SkinLoadEnvironment& env,
                        const QString& resourceField, FieldReader& reader) {
  const QString filter = reader.readField();
  const QString defaultName = reader.readField();
  QString folder = WithTrailingSeparator(resourceField);
  if (env.importFlag) {
    folder = WithTrailingSeparator(env.skinImport);
  } else {
    const QString chosen =
        env.askImportFile ? env.askImportFile(filter, defaultName, folder) : QString();
    folder = GetDirPart(chosen.isEmpty() ? defaultName : chosen);
    doc.skinImportSetting = folder;
  }
  doc.baseFolder = folder;
}

}  // namespace

SkinLoader::SkinLoader(SkinLoadEnvironment env) : m_env(std::move(env)) {}

QString SkinLoader::skinFolder() const {
  QString folder = WithTrailingSeparator(m_env.skinPath);
  if (folder.isEmpty()) folder = WithTrailingSeparator(m_env.lastSkinFolder);
  if (folder.isEmpty() && !m_env.programFolders.isEmpty()) {
    folder = WithTrailingSeparator(m_env.programFolders.constFirst());
  }
  return folder;
}

QString SkinLoader::completeName(const QString& name) const {
  if (!name.endsWith(QLatin1Char('*'))) return name;
  return name.left(name.size() - 1) + QString::number(m_env.screenWidth) + QStringLiteral(".skin");
}

QString SkinLoader::findSkinFile(const QString& completedName) const {
  const QString& name = completedName;
  const QString direct = name.startsWith(QLatin1Char('/')) ? name : skinFolder() + name;
  QString found = LookUpSkinFile(m_env, direct);
  if (!found.isEmpty()) return found;
  const QString fileName = GetFileName(name);
  if (fileName.isEmpty()) return {};
  for (const QString& folder : m_env.programFolders) {
    found = LookUpSkinFile(m_env, WithTrailingSeparator(folder) + fileName);
    if (!found.isEmpty()) return found;
  }
  return {};
}

SkinDocument SkinLoader::loadSkin(const QString& rawName) const {
  const QString name = completeName(rawName);
  const QString fullPath = findSkinFile(name);
  if (fullPath.isEmpty()) {
    SkinDocument doc;
    doc.outcome = SkinLoadOutcome::NotFound;
    doc.skinFolder = m_env.lastSkinFolder;
    doc.messages << QStringLiteral("Skin not found!\nSkinName=") + name +
                        QStringLiteral("\nSkinPath=") + m_env.skinPath;
    return doc;
  }
  if (classic::IsClassicSkinPath(fullPath)) return classic::LoadSkin(fullPath, name, m_env);
  const qint64 limit = m_env.limits.maxFileBytes;
  QByteArray bytes;
  if (m_env.readFile) {
    bytes = m_env.readFile(fullPath, limit);
  } else {
    QFile file(fullPath);
    if (file.open(QIODevice::ReadOnly)) bytes = ReadAtMost(file, limit);
  }
  return loadSkinText(bytes, fullPath);
}

SkinDocument SkinLoader::loadSkinText(const QByteArray& bytes, const QString& fullPath) const {
  SkinDocument doc;
  doc.fullPath = fullPath;
  doc.baseFolder = GetDirPart(fullPath);
  doc.skinFolder = doc.baseFolder;

  FieldReader reader(DecodeSkinText(bytes, m_env.codepage));
  const QString tag = reader.readField();
  if (tag == kForeignTag) {
    doc.outcome = SkinLoadOutcome::ForeignSkin;
    doc.messages << QStringLiteral("This skin is designed for Tarvo Only!");
    return doc;
  }
  if (tag != kSkinTag) {
    doc.outcome = SkinLoadOutcome::InvalidHeader;
    doc.messages << QStringLiteral("Invalid Skin!");
    return doc;
  }
  doc.outcome = SkinLoadOutcome::Loaded;
  doc.info = reader.readLine();
  for (QSize& size : doc.sizes) {
    const int width = WindowSide(reader.readInt32());
    size = QSize(width, WindowSide(reader.readInt32()));
  }

  PixelBudget budget(m_env.limits.pixelBudget);
  SkinFiles files(m_env, budget);
  const QString mainName = reader.readField();
  const QString resourceName = reader.readField();
  if (mainName == QLatin1String("*")) {
    SettleImportFolder(doc, m_env, resourceName, reader);
  } else {
    ReadBitmaps(doc, files, mainName, resourceName);
  }
  doc.skinSetting = fullPath;

  SkinParser parser(reader, doc, m_env, files, budget);
  parser.readWindowRecord();
  parser.readElementRecords();
  parser.finish();
  return doc;
}

}  // namespace kd
