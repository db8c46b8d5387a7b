#include "widgets/SampleFont.h"

#include "html/FontSizeScale.h"

#include <algorithm>
#include <cstdint>

#include <QFontDatabase>

namespace tintora {

namespace {

bool IsBlankOrControl(QChar c) {
    return c.unicode() <= 0x20;
}

QString TrimBlanksAndControls(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && IsBlankOrControl(text[first])) {
        ++first;
    }
    while (last > first && IsBlankOrControl(text[last - 1])) {
        --last;
    }
    return text.mid(first, last - first);
}

QString StripEnclosingQuotes(const QString& text) {
    for (const QChar quote : {QChar('"'), QChar('\'')}) {
        if (text.startsWith(quote) && text.endsWith(quote)) {
            // A lone quote starts and ends with itself and leaves nothing.
            return text.size() >= 2 ? text.mid(1, text.size() - 2) : QString();
        }
    }
    return text;
}

// base * percent / 100 rounded to the nearest integer, exact halves to the even neighbour.
int ScaledSize(int base, int percent) {
    const std::int64_t product = std::int64_t{base} * percent;
    const std::int64_t magnitude = product < 0 ? -product : product;
    std::int64_t quotient = magnitude / 100;
    const std::int64_t rest = magnitude % 100;
    if (rest > 50 || (rest == 50 && quotient % 2 != 0)) {
        ++quotient;
    }
    return static_cast<int>(product < 0 ? -quotient : quotient);
}

} // namespace

QStringList SortFontFaces(QStringList families) {
    families.removeAll(QStringLiteral("Default"));
    std::stable_sort(families.begin(), families.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    const auto same = [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) == 0;
    };
    families.erase(std::unique(families.begin(), families.end(), same), families.end());
    return families;
}

QStringList ListFontFaces() {
    return SortFontFaces(QFontDatabase::families());
}

std::optional<QString> FindInstalledFont(const QString& name, const QStringList& installed) {
    for (const QString& family : installed) {
        if (QString::compare(family, name, Qt::CaseInsensitive) == 0) {
            return family;
        }
    }
    return std::nullopt;
}

std::optional<QString> SampleFaceFromField(const QString& text, const QStringList& installed) {
    const QString beforeComma = text.left(text.indexOf(QChar(',')));
    const QString face = StripEnclosingQuotes(TrimBlanksAndControls(beforeComma));
    if (face.isEmpty()) {
        return std::nullopt;
    }
    return FindInstalledFont(face, installed);
}

std::optional<int> SampleFontSizeFromField(const QString& text, int baseSize) {
    bool isNumber = false;
    int v = text.toInt(&isNumber);
    if (!isNumber) {
        v = 3;
    }
    if (text.size() == 2) {
        v += 3;
    }
    if (v < 0 || v >= static_cast<int>(FontSizeScalePercents.size())) {
        return std::nullopt;
    }
    return ScaledSize(baseSize, FontSizeScalePercents[static_cast<std::size_t>(v)]);
}

int ValidSampleFontSize(int size) {
    return size >= 6 && size <= 99 ? size : 12;
}

QString SampleFontName(const QString& option, const QStringList& installed,
                       const QString& fallback) {
    if (option.isEmpty()) {
        return fallback;
    }
    return FindInstalledFont(option, installed).value_or(fallback);
}

std::optional<QString> NewSampleFontName(const QString& stored, const QString& name,
                                         const QStringList& installed) {
    if (name == stored || !FindInstalledFont(name, installed)) {
        return std::nullopt;
    }
    return name;
}

} // namespace tintora
