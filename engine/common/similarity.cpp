#include "common/similarity.h"

namespace dravik {
namespace {

QString withoutBlanks(const QString& text) {
    QString result = text;
    result.remove(QLatin1Char(' '));
    return result;
}

// Score of the pairs of `shorter` found in `longer`.
int pairScore(const QString& shorter, const QString& longer) {
    int score = 0;
    qsizetype afterPrevious = -1;
    for (qsizetype i = 0; i + 1 < shorter.size(); ++i) {
        if (longer.contains(QStringView(shorter).mid(i, 2))) {
            score += (i == afterPrevious) ? 1 : 2;
            afterPrevious = i + 1;
        }
    }
    return score;
}

}  // namespace

double nameSimilarity(const QString& x, const QString& y) {
    const QString first = withoutBlanks(x);
    const QString second = withoutBlanks(y);
    if (second.size() >= first.size()) {
        if (second.isEmpty()) return 0.0;
        return static_cast<double>(pairScore(first, second)) / static_cast<double>(second.size()) * 100.0;
    }
    return static_cast<double>(pairScore(second, first)) / static_cast<double>(first.size()) * 100.0;
}

}  // namespace dravik
