#include "print/paper.h"

#include <langinfo.h>
#include <locale.h>

#include <QLocale>
#include <QMarginsF>
#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <cstring>

namespace tessolar {
namespace {

// The locale that decides the paper, as the C library picks it from the
// environment; empty when none or only the C locale is named.
QByteArray PaperLocaleName() {
  for (const char* name : {"LC_ALL", "LC_PAPER", "LANG"}) {
    const QByteArray value = qgetenv(name);
    if (value.isEmpty()) continue;
    if (value == "C" || value == "POSIX" || value.startsWith("C.")) return {};
    return value;
  }
  return {};
}

// Letter or A4 from the locale's LC_PAPER sheet size; nothing when the
// locale is not installed.
std::optional<QPageSize::PageSizeId> PaperFromLcPaper(const QByteArray& localeName) {
  const locale_t locale = ::newlocale(LC_PAPER_MASK, localeName.constData(), nullptr);
  if (locale == nullptr) return std::nullopt;
  // glibc keeps the sheet's width in millimetres as a 32-bit word in the
  // storage of the returned pointer (a union of the two in its tables).
  const char* const value = ::nl_langinfo_l(_NL_PAPER_WIDTH, locale);
  uint32_t width = 0;
  std::memcpy(&width, &value, sizeof width);
  ::freelocale(locale);
  return width == 216 ? QPageSize::Letter : QPageSize::A4;
}

QPageSize::PageSizeId PaperOfTerritory(QLocale::Territory territory) {
  return territory == QLocale::UnitedStates || territory == QLocale::Canada ? QPageSize::Letter
                                                                            : QPageSize::A4;
}

}  // namespace

QPageSize::PageSizeId LocalePaper() {
  const QByteArray localeName = PaperLocaleName();
  if (localeName.isEmpty()) return PaperOfTerritory(QLocale::system().territory());
  if (const auto paper = PaperFromLcPaper(localeName)) return *paper;
  // A locale that is not installed: the territory in its name decides.
  const QString bareName = QString::fromLatin1(localeName).section('.', 0, 0).section('@', 0, 0);
  return PaperOfTerritory(QLocale(bareName).territory());
}

QPageLayout LandscapeLayout(QPageSize::PageSizeId paper) {
  return QPageLayout(QPageSize(paper), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                     QPageLayout::Millimeter);
}

QPageLayout DefaultPageLayout() { return LandscapeLayout(LocalePaper()); }

std::optional<QPageSize::PageSizeId> ParsePaperName(std::string_view name) {
  const QString lower = QString::fromUtf8(name.data(), static_cast<int>(name.size())).toLower();
  if (lower == u"letter") return QPageSize::Letter;
  if (lower == u"a4") return QPageSize::A4;
  return std::nullopt;
}

}  // namespace tessolar
