#include "common/runtime_texts.h"
#include "design_opening.h"
#include "documents.h"
#include "messages.h"
#include "session/session_support.h"

#include <QDir>
#include <QFile>

// A design saved and opened again in a fresh session ends exactly where
// the session that made it ended: every field, list, box, grid, memo and
// enabled state. A file that is not a whole design leaves the open design
// as it was.
namespace dravik::test {
namespace {

QString exampleDesign() {
    QFile file(QStringLiteral(DRAVIK_EXAMPLES "/design.txt"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Each scheme with its own way through the windows.
const struct {
    const char* name;
    const char* script;
} kDesigns[] = {
    {"the README's design", nullptr},
    {"D/Yn-0 with a KU winding for a typed zero-sequence current",
     "choose CB_Shem D/Yn-0\nclick Button9\nset Ed_Lc 450\nset Ed_C 340\nclick Button_Raschet\nclick But_EtapII\n"
     "click Raschet_KU\nchoose Raschet_obmotok_KU.RG_Nesimm_Regim enter Iн manual \nset Ed_In 0,4\nset Ed_n_sl 2\n"
     "click Raschet_obmotok_KU.Button1\nchoose CB_NN_VN Lower voltage\nclick RaschetObmotki_NN\n"
     "choose CB_NN_VN Higher voltage\nchoose CB_c_r cikl\nclick Rasch_Obmotok\n"},
    {"Y/Zn-11 with the zigzag angle set",
     "choose CB_Snom 63\nclick Button9\nclick Button_Raschet\nclick But_EtapII\nclick Raschet_zigzag\n"
     "set Zigzag_parametry.Ed_b 15\nclick Zeta_vvod\nset Ed_n_sl 3\nclick RaschetObmotki_NN\n"
     "choose CB_NN_VN Higher voltage\nchoose CB_c_r cikl\nclick Rasch_Obmotok\n"},
    {"Y/Yn-0 with four tap steps and a HV wire picked by hand",
     "choose CB_Shem Y/Yn-0\nchoose CB_Snom 160\nclick Button9\nset Ed_num_h_U 4\nset Ed_h_U 1,5\n"
     "click Button_Raschet\nclick But_EtapII\nuntick ChB_KU\nchoose CB__mater Copper\nclick RaschetObmotki_NN\n"
     "choose CB_NN_VN Higher voltage\nchoose CB_c_r cikl\nclick Rasch_Obmotok\npick SG_Sech 441\n"
     "click Rasch_Obmotok\nset SE_a 2\n"},
    {"a designer who typed, thought again and typed over",
     "set Ed_C 280\nset Ed_Lc 400\nclick Button9\nset Ed_C 310\nset Ed_Lc 380\nset Ed_C 300\nset Ed_Lc 370,0\n"
     "click Button_Raschet\nset Ed_h_B 0,02\nset Ed_h_B 0,05\nclick Button_Raschet\n"},
    {"a designer who went back to Stage I and calculated again",
     "click Button9\nset Ed_C 300\nclick Button_Raschet\nclick But_EtapII\nclick RaschetObmotki_NN\n"
     "click EtapII.Button1\nset Ed_C 320\nclick Button_Raschet\nclick But_EtapII\nclick RaschetObmotki_NN\n"
     "click EtapII\nchoose CB_Snom 160\nclick Button9\nclick Button_Raschet\nclick But_EtapII\n"},
    {"a look into the steel editor", "click Button10\ncell SG_q_c 1 0 1,5\nset SE_num_q_c 20\nset Ed_Tip Trial\n"},
};

class DesignRoundTrip : public SessionTest {
protected:
    // Saves what `session` did and opens it in a fresh session.
    std::unique_ptr<Session> saveAndOpen(Session& session, const SessionSettings& opening) {
        writeFile(QStringLiteral("design.dravik"), session.designFile());
        OpenedDesign opened = openDesign(filePath(QStringLiteral("design.dravik")), opening,
                                         [](const std::vector<CatalogueLine>&) { return CatalogueChoice::Replay; });
        EXPECT_TRUE(opened.problem.isEmpty()) << opened.problem.toStdString();
        EXPECT_TRUE(opened.changedCatalogues.isEmpty()) << opened.changedCatalogues.toStdString();
        return std::move(opened.session);
    }
};

TEST_F(DesignRoundTrip, EveryDesignEndsAsItWasMade) {
    for (const auto& design : kDesigns) {
        SCOPED_TRACE(design.name);
        const std::unique_ptr<Session> made = newSession();
        const QStringList fresh = sessionState(*made);
        run(*made, design.script ? QString::fromUtf8(design.script) : exampleDesign());
        EXPECT_NE(sessionState(*made), fresh);
        const std::unique_ptr<Session> opened = saveAndOpen(*made, settings());
        ASSERT_TRUE(opened);
        EXPECT_EQ(joined(sessionState(*opened)), joined(sessionState(*made)));
        // Saved again, it is the same design.
        EXPECT_EQ(joined(opened->designLines()), joined(made->designLines()));
    }
}

// A wire added and then used: the design, opened on the catalogues it was
// made with, adds it again and picks it again.
TEST_F(DesignRoundTrip, ADesignThatAddsAWireAddsItAgainWhenAllowed) {
    const QTemporaryDir startingFolder;
    const std::unique_ptr<Session> made = newSession();
    QFile::copy(filePath(QStringLiteral("Provod.dat")), QDir(startingFolder.path()).filePath(QStringLiteral("Provod.dat")));
    run(*made,
        "click Button9\nset Ed_C 300\nclick Button_Raschet\nclick But_EtapII\nclick RaschetObmotki_NN\n"
        "click But_Seh\nset Ed_Tip_Pr АПБ\nchoose RG_Vid_sech Rectangular\nset Provod_dobavitj.Ed_a 4,5\n"
        "set Provod_dobavitj.Ed_b 9\nset Ed_s 40,1\nset Ed_2delt 0,45\nclick Provod_dobavitj.Button1\n"
        "pick SG_Sech 5\nclick RaschetObmotki_NN\n");
    SessionSettings opening = settings();
    opening.catalogueFolder = startingFolder.path();
    const std::unique_ptr<Session> opened = saveAndOpen(*made, opening);
    ASSERT_TRUE(opened);
    EXPECT_EQ(joined(sessionState(*opened)), joined(sessionState(*made)));
}

// The messages a Documents object would show, kept to be read.
class KeptMessages final : public MessageSink {
public:
    void message(const QString& text) override { messages.append(text); }
    void error(const QString& text) override { errors.append(text); }
    QStringList messages;
    QStringList errors;
};

class OpeningADesign : public SessionTest {
protected:
    OpeningADesign() : documents(settings(), kept) {
        documents.session().showOffScreen();
        run(documents.session(), "click Button9\nset Ed_C 300\nclick Button_Raschet\n");
    }

    // A design saved from a session that did `script`.
    QByteArray designOf(const QString& script) {
        const std::unique_ptr<Session> session = newSession();
        run(*session, script);
        return session->designFile();
    }

    QString lastError() const { return kept.errors.value(kept.errors.size() - 1); }

    KeptMessages kept;
    Documents documents;
};

TEST_F(OpeningADesign, AFileThatIsNotAWholeDesignLeavesTheOpenDesignAsItWas) {
    const QByteArray good = designOf("click Button9\nclick Button_Raschet\nclick But_EtapII\n");
    const QByteArray header = good.left(good.indexOf("click"));
    const struct {
        const char* name;
        QByteArray bytes;
        const char* problem;
    } files[] = {
        {"cut.dravik", good.left(good.lastIndexOf("# end")), "line 7: the design ends here without \"# end of design\""},
        {"wiggle.dravik", header + "click Button9\nwiggle Button9\n# end of design\n", "line 6: unknown command \"wiggle\""},
        {"name.dravik", header + "click Button99\n# end of design\n", "line 5: unknown name \"Button99\""},
        {"print.dravik", header + "print Memo_Result\n# end of design\n", "line 5: \"print Memo_Result\" is not an action"},
        {"exit.dravik", header + "click Button7\n# end of design\n", "line 5: \"click Button7\" is not an action"},
        {"binary.dravik", header + "set Ed_C \x89PNG\r\n\x1a\n# end of design\n", "line 5: this is not text"},
        {"row.dravik", header + "click Button9\npick SG_Sech 99999\n# end of design\n",
         "line 6: \"SG_Sech\" has no row \"99999\""},
        {"foreign.dravik", "click Button9\n", "line 1: this is not a Dravik design"},
    };
    Session* open = &documents.session();
    const QStringList before = sessionState(*open);
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        writeFile(QString::fromLatin1(file.name), file.bytes);
        const QString path = filePath(QString::fromLatin1(file.name));
        EXPECT_FALSE(documents.open(path));
        EXPECT_TRUE(lastError().startsWith(path + QStringLiteral(", ") + QString::fromUtf8(file.problem)))
            << lastError().toStdString();
        EXPECT_EQ(&documents.session(), open);
        EXPECT_EQ(joined(sessionState(documents.session())), joined(before));
    }
    EXPECT_FALSE(documents.open(filePath(QStringLiteral("missing.dravik"))));
    EXPECT_TRUE(lastError().startsWith(QStringLiteral("Cannot open the design "))) << lastError().toStdString();
}

// A design that would change a catalogue asks first: refused, it says so;
// opened without the changes, the catalogue file stays as it is.
TEST_F(OpeningADesign, ChangesACatalogueOnlyWhenTheAnswerSaysSo) {
    writeFile(QStringLiteral("wire.dravik"),
              designOf("click Button9\nclick Button_Raschet\nclick But_EtapII\nclick RaschetObmotki_NN\n"
                       "pick SG_Sech 0\nclick Delet_provod\n"));
    const QString path = filePath(QStringLiteral("wire.dravik"));
    QFile wires(filePath(QStringLiteral("Provod.dat")));
    ASSERT_TRUE(wires.open(QIODevice::ReadOnly));
    const QByteArray catalogue = wires.readAll();
    wires.close();

    EXPECT_FALSE(documents.open(path));
    EXPECT_EQ(lastError().toStdString(), QString::fromUtf8(texts::kDesignChangesCatalogues)
                                             .arg(path)
                                             .arg(10)
                                             .arg(QStringLiteral("click Delet_provod"))
                                             .toStdString());

    std::vector<CatalogueLine> asked;
    documents.askAboutCatalogueChanges = [&asked](const std::vector<CatalogueLine>& lines) {
        asked = lines;
        return CatalogueChoice::Skip;
    };
    EXPECT_TRUE(documents.open(path));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked.front().number, 10);
    ASSERT_TRUE(wires.open(QIODevice::ReadOnly));
    EXPECT_EQ(wires.readAll(), catalogue);
}

TEST_F(OpeningADesign, WarnsOnceWhenTheCataloguesDifferFromTheOnesItWasMadeWith) {
    QByteArray design = designOf("click Button9\nclick Button_Raschet\n");
    const qsizetype hash = design.indexOf("# Provod.dat sha256 ") + 20;
    design.replace(hash, 4, "0000");
    writeFile(QStringLiteral("old.dravik"), design);
    const QString path = filePath(QStringLiteral("old.dravik"));
    EXPECT_TRUE(documents.open(path));
    EXPECT_EQ(joined(kept.messages), QString::fromUtf8(texts::kCataloguesDiffer).arg(QStringLiteral("Provod.dat"), path).toStdString());
    EXPECT_FALSE(documents.session().isModified());
}

}  // namespace
}  // namespace dravik::test
