#include "catalogues/steel_catalogue.h"

#include "catalogues/builtin_steels.h"
#include "common/catalogue_file.h"
#include "common/command_error.h"
#include "common/cp1251.h"
#include "common/input_range.h"
#include "common/number_text.h"
#include "common/runtime_texts.h"

#include <QDir>
#include <algorithm>

namespace dravik {

static_assert(SteelCatalogue::kBuiltinCount == static_cast<int>(kBuiltinGrades.size()));

namespace {

// A new steel's characteristic starts above 0.1 T, so no-data rows entered
// near zero do not stretch it; a changed steel keeps points down to 0.01 T.
constexpr double kAddLowerCut_T = 0.1;
constexpr double kReplaceLowerCut_T = 0.01;

// Rolling letter per item of the editor's rolling list.
constexpr std::array<char, 2> kRollingByChoice = {'c', 'h'};

// Electrical steel is rolled into sheets well under a millimetre thick; a
// few millimetres is the most any core sheet could be.
constexpr InputRange kThicknessRange{0, false, 5, "above 0 and at most 5"};

char rollingOf(int choice) {
    // No item chosen shows an empty text.
    if (choice < 0 || choice >= static_cast<int>(kRollingByChoice.size())) {
        steel_entry::kRolling.refuse("Cold-rolled or Hot-rolled", QString());
    }
    return kRollingByChoice[static_cast<std::size_t>(choice)];
}

double thicknessOf(const QString& text) {
    const FieldName field = steel_entry::kThickness.name();
    const double thickness_mm = readField(field.control, [&] { return parseFloat(text); });
    requireInRange(thickness_mm, kThicknessRange, field, text);
    return thickness_mm;
}

SteelEntry builtinEntry(const BuiltinGrade& grade) {
    SteelEntry entry;
    entry.name = QString::fromLatin1(grade.name);
    entry.rolling = grade.rolling;
    for (std::size_t j = 0; j < kCurvePoints; ++j) {
        entry.points[j] = SteelPoint{kBuiltinInductions_T[j], grade.p[j], grade.q[j], grade.qz[j]};
    }
    return entry;
}

std::vector<SteelEntry> builtinEntries() {
    std::vector<SteelEntry> entries;
    entries.reserve(kBuiltinGrades.size());
    for (const BuiltinGrade& grade : kBuiltinGrades) entries.push_back(builtinEntry(grade));
    return entries;
}

}  // namespace

struct SteelCatalogue::CheckedSteel {
    std::array<SteelPoint, kCurvePoints> points;
    QByteArray name;  // Windows-1251, at most 50 bytes
    double thickness_mm;
    char rolling;
};

SteelCatalogue::SteelCatalogue() : entries_(builtinEntries()) {}

void SteelCatalogue::reset() {
    entries_ = builtinEntries();
    image_ = StalImage();
    storedCount_ = 0;
    slotsToKeep_.clear();
    damagedFileOnDisk_ = false;
}

QStringList SteelCatalogue::load(const QString& folder) {
    folder_ = folder;
    reset();

    StalReadResult read = readStalFile(filePath());
    switch (read.status) {
    case StalReadStatus::Missing:
        return {};
    case StalReadStatus::Unreadable:
        damagedFileOnDisk_ = true;
        return {};
    case StalReadStatus::Short:
        damagedFileOnDisk_ = true;
        return {QString::fromUtf8(texts::kReadBeyondEnd)};
    case StalReadStatus::Read:
        break;
    }
    return loadRecord(read.image);
}

QStringList SteelCatalogue::loadRecord(const StalImage& record) {
    reset();
    QStringList errors;
    image_ = record;
    const int fileCount = image_.steelCount();
    storedCount_ = std::min(fileCount, kMaxStoredSteels);
    if (fileCount > kMaxStoredSteels) errors << QString::fromUtf8(texts::kTooManySteels).arg(fileCount);

    std::vector<int> plausible;
    for (int k = 1; k <= storedCount_; ++k) {
        if (image_.isPlausible(k)) plausible.push_back(k);
    }
    if (const int leftOut = storedCount_ - static_cast<int>(plausible.size()); leftOut > 0) {
        storedCount_ = static_cast<int>(plausible.size());
        slotsToKeep_ = std::move(plausible);
        damagedFileOnDisk_ = true;
        errors << QString::fromUtf8(texts::kImplausibleRecords).arg(QDir::toNativeSeparators(filePath())).arg(leftOut);
    }

    entries_.reserve(static_cast<std::size_t>(kBuiltinCount + storedCount_));
    for (int k = 1; k <= storedCount_; ++k) entries_.push_back(image_.entry(slotOf(k)));
    return errors;
}

int SteelCatalogue::slotOf(int k) const { return slotsToKeep_.empty() ? k : slotsToKeep_[static_cast<std::size_t>(k - 1)]; }

// The steels left out of a load are dropped from the record only when it
// is first changed: copying 8 MB is for a save to pay, not for every load.
void SteelCatalogue::dropLeftOutSteels() {
    if (slotsToKeep_.empty()) return;
    StalImage kept;
    for (int k = 1; k <= storedCount_; ++k) kept.copySteel(k, image_, slotOf(k));
    kept.setSteelCount(storedCount_);
    image_ = kept;
    slotsToKeep_.clear();
}

QStringList SteelCatalogue::names() const {
    QStringList names;
    names.reserve(static_cast<qsizetype>(entries_.size()));
    for (const SteelEntry& entry : entries_) names << entry.name;
    return names;
}

int SteelCatalogue::storedIndexOf(const QString& name) const {
    int matched = 0;
    for (int k = 1; k <= storedCount_; ++k) {
        if (storedEntry(k).name == name) matched = k;
    }
    return matched;
}

int SteelCatalogue::builtinPositionOf(const QString& name) const {
    for (int position = 0; position < kBuiltinCount; ++position) {
        if (entries_[static_cast<std::size_t>(position)].name == name) return position;
    }
    return -1;
}

QString SteelCatalogue::filePath() const { return QDir(folder_).filePath(QString::fromUtf8(kFileName)); }

// None of the checks changes anything.
SteelCatalogue::CheckedSteel SteelCatalogue::check(const SteelInput& steel, double lowerCut_T) {
    CheckedSteel checked;
    checked.points = resampleCurves(steel.p, steel.q, steel.qz, lowerCut_T);
    checked.name = encodeCp1251(steel.name).left(stal::kNameRoom);
    checked.thickness_mm = thicknessOf(steel.thicknessText);
    checked.rolling = rollingOf(steel.rollingChoice);
    return checked;
}

void SteelCatalogue::storeInImage(int k, const CheckedSteel& steel) {
    image_.setThickness_mm(k, steel.thickness_mm);
    image_.setName(k, steel.name);
    image_.setRolling(k, steel.rolling);
    image_.setPointCount(k, kCurvePoints);
    for (int j = 1; j <= kCurvePoints; ++j) image_.setPoint(k, j, steel.points[static_cast<std::size_t>(j - 1)]);
}

void SteelCatalogue::add(const SteelInput& steel) {
    if (storedCount_ >= kMaxStoredSteels) throw CommandError(texts::kSteelTableFull);
    const CheckedSteel checked = check(steel, kAddLowerCut_T);

    dropLeftOutSteels();
    const int k = storedCount_ + 1;
    image_.clearSteel(k);
    image_.setSteelCount(k);
    storeInImage(k, checked);
    storedCount_ = k;
    entries_.push_back(image_.entry(k));
    save();
}

void SteelCatalogue::replace(int storedIndex, const SteelInput& steel) {
    if (storedIndex < 1 || storedIndex > storedCount_) {
        throw CommandError(texts::kChooseStoredSteel);
    }
    const CheckedSteel checked = check(steel, kReplaceLowerCut_T);

    dropLeftOutSteels();
    storeInImage(storedIndex, checked);
    entries_[storedPosition(storedIndex)] = image_.entry(storedIndex);
    save();
}

void SteelCatalogue::save() {
    if (damagedFileOnDisk_) {
        setAsideDamagedFile(filePath());
        damagedFileOnDisk_ = false;
    }
    writeStalFile(filePath(), image_);
}

}  // namespace dravik
