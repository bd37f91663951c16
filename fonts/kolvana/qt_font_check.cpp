// Loads kolvan+.ttf the way Зарно does (QFontDatabase::addApplicationFont)
// and checks that Qt sees the family "Kolvana+" with a glyph for every
// private-use code point the program writes, and that with the family list
// {"DejaVu Sans", "Kolvana+"} those code points are drawn from Kolvana+.
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
  for (const QGlyphRun &run : layout.glyphRuns(base.size(), text.size() - base.size()))
    return run.rawFont().familyName();
  return QString();
}

}  // namespace

int main(int argc, char **argv) {
  QGuiApplication app(argc, argv);
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

  std::printf("%zu code points checked\n", required.size());
  if (failures) {
    std::printf("kolvana-qt-font-check: %d failure(s)\n", failures);
    return 1;
  }
  return 0;
}
