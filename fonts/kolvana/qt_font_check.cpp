// SPDX-License-Identifier: GPL-3.0-or-later
// Loads kolvan+.ttf the way Зарно does (QFontDatabase::addApplicationFont)
// and checks that Qt sees the family "Kolvana+" with a glyph for every
// private-use code point the program writes, and that with the family list
// {"DejaVu Sans", "Kolvana+"} those code points are drawn from Kolvana+.
// Qt must measure the font without a word: whatever it finds wrong with a font
// it says through its message handler, and here that fails the check.
//
// usage: kolvana-qt-font-check FONT.ttf REQUIRED.txt [SOURCE_DIR]
//   REQUIRED.txt  hex code points, one per line ('#' starts a comment)
//   SOURCE_DIR    scanned recursively (*.h, *.cpp) for \uXXXX private-use escapes

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

int failures = 0;
QStringList heard;  // what Qt said

void collect(QtMsgType, const QMessageLogContext &, const QString &text) { heard << text; }

void fail(const std::string &what) {
  std::fprintf(stderr, "FAIL: %s\n", what.c_str());
  ++failures;
}

std::string hex(char32_t cp) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", unsigned(cp));
  return buf;
}

bool isPrivateUse(char32_t cp) { return cp >= 0xE000 && cp <= 0xF8FF; }

std::set<char32_t> readRequired(const char *path) {
  std::set<char32_t> out;
  std::ifstream in(path);
  if (!in) fail(std::string("cannot read ") + path);
  std::string line;
  while (std::getline(in, line)) {
    const auto hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string::npos) continue;
    out.insert(char32_t(std::stoul(line.substr(start), nullptr, 16)));
  }
  return out;
}

// every \uXXXX (or \UXXXXXXXX) escape in the private-use area
std::set<char32_t> scanSources(const fs::path &root) {
  std::set<char32_t> out;
  std::error_code ec;
  if (!fs::is_directory(root, ec)) return out;
  const std::regex escape(R"(\\u([0-9A-Fa-f]{4})|\\U([0-9A-Fa-f]{8}))");
  for (const auto &entry : fs::recursive_directory_iterator(root, ec)) {
    const auto ext = entry.path().extension();
    if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    std::ifstream in(entry.path());
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (std::sregex_iterator it(text.begin(), text.end(), escape), end; it != end; ++it) {
      const std::string digits = (*it)[1].matched ? (*it)[1].str() : (*it)[2].str();
      const char32_t cp = char32_t(std::stoul(digits, nullptr, 16));
      if (isPrivateUse(cp)) out.insert(cp);
    }
  }
  return out;
}

// the family of the font Qt draws cp from when the text is base + cp
QString drawnFrom(const QFont &font, const QString &base, char32_t cp) {
  const QString text = base + QString::fromUcs4(&cp, 1);
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  for (const QGlyphRun &run :
       layout.glyphRuns(static_cast<int>(base.size()), static_cast<int>(text.size() - base.size())))
    return run.rawFont().familyName();
  return QString();
}

// Qt takes the smallest side bearings of a font from its 'hhea' table, unless
// either is 4 ems or more, counting the em of the first font it ever measured
// in the process. So measure first the installed font with the fewest units
// to the em, as the window may: the strictest start for Kolvana+.
void measureTheStrictestFontFirst() {
  QString strictest;
  int fewest = INT_MAX;
  for (const QString &family : QFontDatabase::families()) {
    if (family == QStringLiteral("Kolvana+")) continue;
    const QRawFont raw = QRawFont::fromFont(QFont(family));
    if (raw.isValid() && raw.unitsPerEm() < fewest) {
      fewest = int(raw.unitsPerEm());
      strictest = family;
    }
  }
  if (strictest.isEmpty()) return;
  QFontMetricsF(QFont(strictest)).minLeftBearing();
  std::printf("measured first: %s, %d units to the em\n", strictest.toUtf8().constData(), fewest);
}

// The side bearings Qt gives the font at every size, measured from the glyphs
// (the widest titlo reaches furthest left) rather than taken from the table.
void checkBearings(const QRawFont &raw) {
  qreal leftmost = 0;
  for (char32_t cp : {0xE075, 0xE076, 0xE065, 0xE077, 0xE078, 0xE079, 0xE060}) {
    const quint32 glyph = raw.glyphIndexesForString(QString::fromUcs4(&cp, 1)).value(0);
    leftmost = std::min(leftmost, raw.boundingRect(glyph).left());
  }
  const qreal em = raw.pixelSize();
  for (int px : {8, 11, 13, 16, 20, 27, 40, 60, 100, 200}) {
    QFont font(QStringLiteral("Kolvana+"));
    font.setPixelSize(px);
    const QFontMetricsF metrics(font);
    const qreal left = metrics.minLeftBearing(), right = metrics.minRightBearing();
    const qreal want = leftmost * px / em;
    if (!std::isfinite(left) || !std::isfinite(right) || std::abs(left - want) > 1 + px / 50.0)
      fail("at " + std::to_string(px) + " px the minimum bearings are " + std::to_string(left) +
           ", " + std::to_string(right) + "; the widest titlo reaches " + std::to_string(want));
  }
}

}  // namespace

int main(int argc, char **argv) {
  QGuiApplication app(argc, argv);
  // from here on: what the platform says of the session it starts in is not ours
  qInstallMessageHandler(collect);
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s FONT.ttf REQUIRED.txt [SOURCE_DIR]\n", argv[0]);
    return 2;
  }
  std::set<char32_t> required = readRequired(argv[2]);
  if (required.size() < 40) fail("the list of required code points looks truncated");
  if (argc > 3) {
    const auto found = scanSources(argv[3]);
    required.insert(found.begin(), found.end());
    std::printf("%zu private-use code points in the sources\n", found.size());
  }

  const int id = QFontDatabase::addApplicationFont(QString::fromLocal8Bit(argv[1]));
  if (id < 0) {
    fail(std::string("Qt cannot load ") + argv[1]);
    return 1;
  }
  measureTheStrictestFontFirst();
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (families != QStringList{QStringLiteral("Kolvana+")})
    fail("family list is [" + families.join(", ").toStdString() + "], expected [Kolvana+]");

  const QFont font(QStringLiteral("Kolvana+"));
  if (QFontInfo(font).family() != QStringLiteral("Kolvana+"))
    fail("QFont(\"Kolvana+\") resolves to " + QFontInfo(font).family().toStdString());
  const QFontMetricsF metrics(font);
  // inFontUcs4 answers for the font together with Qt's fallbacks, so ask
  // the Kolvana+ face itself as well
  const QRawFont raw = QRawFont::fromFont(font);
  if (raw.familyName() != QStringLiteral("Kolvana+"))
    fail("the raw font of QFont(\"Kolvana+\") is " + raw.familyName().toStdString());
  checkBearings(raw);
  for (char32_t cp : required) {
    if (!metrics.inFontUcs4(cp)) fail("QFontMetrics: no glyph for " + hex(cp));
    if (!raw.supportsCharacter(cp)) fail("Kolvana+ has no glyph for " + hex(cp));
  }

  // signs written after a letter take no room of their own
  for (char32_t cp : {0xE075, 0xE076, 0xE065, 0xE077, 0xE078, 0xE079, 0xE060}) {
    const qreal adv = metrics.horizontalAdvance(QString::fromUcs4(&cp, 1));
    if (adv != 0) fail(hex(cp) + " advances by " + std::to_string(adv) + " px");
  }

  // as the program draws: letters from DejaVu Sans, our signs by fallback
  if (QFontDatabase::families().contains(QStringLiteral("DejaVu Sans"))) {
    QFont mixed;
    mixed.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Kolvana+")});
    mixed.setPixelSize(40);
    for (char32_t cp : required) {
      const QString family = drawnFrom(mixed, QStringLiteral("д"), cp);
      if (family != QStringLiteral("Kolvana+"))
        fail(hex(cp) + " after д is drawn from '" + family.toStdString() + "'");
    }
  } else {
    std::printf("DejaVu Sans not installed: fallback check skipped\n");
  }

  for (const QString &text : heard) fail("Qt said: " + text.toStdString());
  std::printf("%zu code points checked\n", required.size());
  if (failures) {
    std::printf("kolvana-qt-font-check: %d failure(s)\n", failures);
    return 1;
  }
  return 0;
}
