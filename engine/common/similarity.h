#pragma once

#include <QString>

namespace dravik {

// How alike two type or material names are, in percent: the adjacent letter
// pairs of the shorter text (blanks removed) found anywhere in the longer,
// a run of k found pairs scoring k + 1 letters, over the longer length.
// Identical texts of two or more letters give 100; texts that are empty
// once the blanks are gone give 0.
double nameSimilarity(const QString& x, const QString& y);

}  // namespace dravik
