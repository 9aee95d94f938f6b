#include "gui/script_session.h"
#include "workbook/workbook_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

// A design saved by one run of the program and opened by another, reports
// written out, and a design named on the command line.
namespace dravik::test {
namespace {

QString exampleDesign() {
    QFile file(QStringLiteral(DRAVIK_EXAMPLES "/design.txt"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const QString kStageOneCaption = QStringLiteral(
    "The calculation of the three-phase power transformer 25 - 630 kVA 10(6)/0,4 kV Phase I - Selection of "
    "parameters of the magnetic circuit");

class DesignFiles : public ::testing::Test {
protected:
    QString path(const char* name) const { return files_.filePath(QString::fromLatin1(name)); }
    QByteArray read(const char* name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ScriptSession session_;
    QTemporaryDir files_;
};

// The example design saved, then opened by a new run that prints its
// reports: the same lines as the run that made it. The window keeps its
// caption.
TEST_F(DesignFiles, AnOpenedDesignPrintsWhatTheRunThatSavedItPrinted) {
    const ScriptOutput made = session_.run(exampleDesign() + QStringLiteral("save %1\n").arg(path("x.dravik")));
    ASSERT_EQ(made.exitCode, 0) << made.errors.toStdString();
    const ScriptOutput opened = session_.run(
        QStringLiteral("print EtapI\nopen %1\nprint EtapI\nprint EtapI.Memo_Result\nprint EtapII.Memo_Rez_ob\n"
                       "print EtapII.Memo_KZ\n")
            .arg(path("x.dravik")));
    ASSERT_EQ(opened.exitCode, 0) << opened.errors.toStdString();
    ASSERT_GT(opened.lines.size(), 2);
    EXPECT_EQ(opened.lines[0], kStageOneCaption);
    EXPECT_EQ(opened.lines[1], kStageOneCaption);
    EXPECT_EQ(joined(opened.lines.mid(2)), joined(made.lines));
    EXPECT_TRUE(read("x.dravik").startsWith("# Dravik 1.2 design\n# saved "));
}

TEST_F(DesignFiles, ExportWritesTheReportByTheFilesExtension) {
    const ScriptOutput run = session_.run(exampleDesign() + QStringLiteral("export %1\nexport %2\nexport %3\nexport %4\n")
                                                                .arg(path("r.txt"), path("r.pdf"), path("r.html"), path("r.doc")));
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    // The text is what the memos hold, as printed.
    EXPECT_EQ(QString::fromUtf8(read("r.txt")).chopped(1).toStdString(), joined(run.lines.mid(0, run.lines.size() - 1)));
    EXPECT_TRUE(run.lines.last().startsWith(QStringLiteral("error: Cannot write the report %1: ").arg(path("r.doc"))))
        << run.lines.last().toStdString();
    EXPECT_NE(read("r.html").indexOf("Terms of Reference for the winding:"), -1);
    EXPECT_NE(read("r.html").indexOf("<svg"), -1);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext is missing: run scripts/install-deps.sh";
    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-layout"), path("r.pdf"), QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished(60000));
    EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    for (const char* expected : {"Terms of Reference for the winding:", "Short-circuit losses Pk, W: 2948,600",
                                 "Calculation of the three-phase power transformer", "Page 1 of"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
}

// The steel editor's "Excel" reads a workbook that may be gone when the
// design is opened again: the design keeps the counts and cells it filled.
TEST_F(DesignFiles, AnImportIsKeptAsWhatItFilledIn) {
    QByteArray rows;
    for (int r = 1; r <= 13; ++r) {
        const QByteArray n = QByteArray::number(r);
        rows += row(r, cell("A" + n, QByteArray::number(0.7 + 0.1 * r, 'g', 15)) + cell("B" + n, QByteArray::number(r * 50)));
    }
    writeZip(path("curves.xlsx"), curveXlsx(rows, rows, rows));
    const ScriptOutput made =
        session_.run(QStringLiteral("click Button10\nclick Stalj_dobavitj_redaktirovatj.Button1\nsave %1\nprint SG_p_st_ud\n")
                         .arg(path("import.dravik")),
                     {QStringLiteral("--workbook"), path("curves.xlsx")});
    ASSERT_EQ(made.lines.size(), 14) << joined(made.lines);
    const QByteArray design = read("import.dravik");
    EXPECT_EQ(design.count("\ncell SG_"), 78);
    EXPECT_EQ(design.indexOf("Stalj_dobavitj_redaktirovatj.Button1"), -1);

    const ScriptOutput opened = session_.run(QStringLiteral("open %1\nprint SG_p_st_ud\n").arg(path("import.dravik")));
    EXPECT_EQ(joined(opened.lines), joined(made.lines));
}

// A script opens a design that removes a wire only when the command line
// allows it.
TEST_F(DesignFiles, ADesignThatChangesACatalogueOpensOnlyWhenAllowed) {
    const QString design = path("remove.dravik");
    ASSERT_EQ(session_.run(QStringLiteral("click Button9\nclick Button_Raschet\nclick But_EtapII\nclick RaschetObmotki_NN\n"
                                          "pick SG_Sech 0\nclick Delet_provod\nsave %1\n")
                               .arg(design))
                  .exitCode,
              0);
    const QByteArray catalogue = session_.readFile(QStringLiteral("Provod.dat"));
    const QString script = QStringLiteral("open %1\nprint L_Tip_Pr\n").arg(design);
    const ScriptOutput refused = session_.run(script);
    ASSERT_FALSE(refused.lines.isEmpty());
    EXPECT_TRUE(refused.lines[0].startsWith(QStringLiteral("error: %1, line 10: the design changes a catalogue").arg(design)))
        << refused.lines[0].toStdString();
    EXPECT_EQ(session_.readFile(QStringLiteral("Provod.dat")), catalogue);

    // The run that saved it has removed a wire already: this one removes
    // the next, and says the catalogue is not the one the design began with.
    const ScriptOutput allowed = session_.run(script, {QStringLiteral("--allow-catalogue-changes")});
    ASSERT_EQ(allowed.lines.size(), 2) << joined(allowed.lines);
    EXPECT_TRUE(allowed.lines[0].startsWith(QStringLiteral("message: Provod.dat differs from the one the design %1 was made with")
                                                .arg(design)))
        << allowed.lines[0].toStdString();
    EXPECT_TRUE(allowed.lines[1].startsWith(QStringLiteral("Type of wire LV: "))) << allowed.lines[1].toStdString();
    EXPECT_NE(session_.readFile(QStringLiteral("Provod.dat")), catalogue);
}

// `dravik --script FILE design.dravik` works on the design; a design that
// cannot be opened stops the script before its first line.
TEST_F(DesignFiles, ADesignNamedWithAScriptIsOpenedFirst) {
    ASSERT_EQ(session_.run(QStringLiteral("click Button9\nset Ed_C 300\nclick Button_Raschet\nsave %1\n").arg(path("d.dravik"))).exitCode, 0);
    const ScriptOutput printed = session_.run(QStringLiteral("print Ed_C\nstate But_EtapII\n"), {path("d.dravik")});
    EXPECT_EQ(printed.exitCode, 0) << printed.errors.toStdString();
    EXPECT_EQ(joined(printed.lines), "300\nBut_EtapII enabled=1 visible=1");

    QFile cut(path("cut.dravik"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write("# Dravik 1.2 design\nclick Button9\n");
    cut.close();
    const ScriptOutput stopped = session_.run(QStringLiteral("print Ed_C\n"), {path("cut.dravik")});
    EXPECT_EQ(stopped.exitCode, 2);
    EXPECT_TRUE(stopped.lines.isEmpty()) << joined(stopped.lines);
    EXPECT_TRUE(stopped.errors.startsWith(QStringLiteral("%1, line 2: the design ends here").arg(path("cut.dravik"))))
        << stopped.errors.toStdString();
}

// A design is a script: run as one, it does what it did; a file that
// cannot be written is an error line and the run goes on.
TEST_F(DesignFiles, ADesignRunsAsAScriptAndAFailedSaveIsAnErrorLine) {
    const ScriptOutput saved = session_.run(QStringLiteral("click Button9\nset Ed_C 300\nclick Button_Raschet\nsave %1\nsave %2\n")
                                                .arg(path("run.dravik"), path("no/such/folder/x.dravik")));
    ASSERT_EQ(saved.lines.size(), 1);
    EXPECT_TRUE(saved.lines[0].startsWith(QStringLiteral("error: Cannot save the design %1: ").arg(path("no/such/folder/x.dravik"))))
        << saved.lines[0].toStdString();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const ScriptOutput run = runProgram({QStringLiteral("--script"), path("run.dravik"), QStringLiteral("--data-dir"),
                                         session_.dataDir(), QStringLiteral("--strict")},
                                        {}, environment);
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(run.lines.isEmpty()) << joined(run.lines);
}

}  // namespace
}  // namespace dravik::test
