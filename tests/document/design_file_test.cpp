#include "common/runtime_texts.h"
#include "document/design_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace dravik {
namespace {

DesignHeader header() {
    return {QStringLiteral("1.2"), QDateTime(QDate(2026, 12, 8), QTime(14, 3, 11)),
            {QStringLiteral("ab12"), QStringLiteral("none")}};
}

const QStringList kActions{QStringLiteral("click Button9"), QStringLiteral("set Ed_C 300"),
                           QStringLiteral("choose CB_Shem D/Yn-0"), QStringLiteral("set Ed_Tip АПБ х 2")};

void expectProblem(const QByteArray& bytes, const char* problem, int line) {
    const DesignFile design = readDesignFile(bytes);
    EXPECT_EQ(design.problem.toStdString(), problem);
    EXPECT_EQ(design.problemLine, line);
}

// What a design file says and holds comes back as it was written, at the
// line numbers a replay reports problems at.
TEST(DesignFile, ReadsBackWhatWasWritten) {
    const QByteArray bytes = designFileBytes(header(), kActions);
    EXPECT_EQ(bytes,
              "# Dravik 1.2 design\n# saved 2026-12-08T14:03:11\n# Stal.dat sha256 ab12\n# Provod.dat sha256 none\n"
              "click Button9\nset Ed_C 300\nchoose CB_Shem D/Yn-0\nset Ed_Tip АПБ х 2\n# end of design\n");
    const DesignFile design = readDesignFile(bytes);
    ASSERT_TRUE(design.problem.isEmpty()) << design.problem.toStdString();
    EXPECT_EQ(design.lines.mid(4, 4), kActions);
    EXPECT_EQ(design.header.version.toStdString(), "1.2");
    EXPECT_EQ(design.header.saved, header().saved);
    EXPECT_EQ(design.header.made, header().made);
    EXPECT_TRUE(design.hasHashes);
}

// Edited by hand on another system: line ends, blank lines at the end and
// a header without the catalogues are all still a design.
TEST(DesignFile, ToleratesWhatAnEditorLeaves) {
    const DesignFile design = readDesignFile("# Dravik 1.3 design\r\nclick Button9\r\n# end of design\r\n\r\n\n");
    ASSERT_TRUE(design.problem.isEmpty()) << design.problem.toStdString();
    EXPECT_EQ(design.lines.value(1).toStdString(), "click Button9");
    EXPECT_FALSE(design.hasHashes);
}

TEST(DesignFile, RefusesWhatIsNotADesign) {
    expectProblem("", texts::kDesignForeign, 1);
    expectProblem("click Button9\nclick Button_Raschet\n", texts::kDesignForeign, 1);
    expectProblem("# Dravik design\n# end of design\n", texts::kDesignForeign, 1);
}

// A file cut off anywhere before its last line is told from a whole one,
// at the line it stops.
TEST(DesignFile, RefusesAnIncompleteDesign) {
    const QByteArray whole = designFileBytes(header(), kActions);
    expectProblem(whole.left(whole.lastIndexOf("# end")), texts::kDesignIncomplete, 8);
    expectProblem(whole.left(whole.size() - 5), texts::kDesignIncomplete, 9);
    expectProblem("# Dravik 1.2 design\n", texts::kDesignIncomplete, 1);
}

TEST(DesignFile, RefusesBytesThatAreNotText) {
    expectProblem("# Dravik 1.2 design\nclick Button9\nset Ed_C \xff\xfe\n# end of design\n", texts::kDesignNotText, 3);
    expectProblem(QByteArray("# Dravik 1.2 design\n\x89PNG\0\0\n# end of design\n", 38), texts::kDesignNotText, 2);
}

TEST(DesignFile, HashesACatalogueFileOrSaysThereIsNone) {
    const QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("Stal.dat")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("abc");
    file.close();
    const CatalogueHashes hashes = catalogueFolderHashes(folder.path());
    EXPECT_EQ(hashes.steels.toStdString(), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(hashes.wires.toStdString(), "none");
}

}  // namespace
}  // namespace dravik
