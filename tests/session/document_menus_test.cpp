#include "document_menus.h"
#include "documents.h"
#include "session.h"
#include "session/session_support.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <QMenuBar>
#include <QTest>

// The desktop's side of a design: the File menu on Stage I and Stage II,
// and the design's name and modified marker in their titles.
namespace dravik::test {
namespace {

class DesktopDocuments : public SessionTest {
protected:
    // Nothing here should fail; if it did, no dialog would wait for an OK.
    DesktopDocuments() : documents(desktop(), quietMessages()), menus(documents) {}

    SessionSettings desktop() const {
        SessionSettings settings = this->settings();
        settings.scriptMode = false;
        return settings;
    }
    QWidget* window(const char* name) {
        for (QWidget* window : documents.session().windows()) {
            if (window->objectName() == QLatin1String(name)) return window;
        }
        return nullptr;
    }
    QStringList menuOf(const char* name) {
        QStringList texts;
        const auto* bar = window(name)->findChild<QMenuBar*>();
        if (!bar || bar->actions().isEmpty()) return texts;
        for (const QAction* action : bar->actions().front()->menu()->actions()) {
            if (!action->isSeparator()) texts.append(action->text());
        }
        return texts;
    }

    Documents documents;
    DocumentMenus menus;
};

const QString kStageOneCaption = QStringLiteral(
    "The calculation of the three-phase power transformer 25 - 630 kVA 10(6)/0,4 kV Phase I - Selection of "
    "parameters of the magnetic circuit");

TEST_F(DesktopDocuments, TitlesAndMenusFollowTheDesign) {
    menus.start(QString());
    QWidget* stageOne = window("EtapI");
    EXPECT_EQ(stageOne->windowTitle(), QStringLiteral("Untitled[*] - ") + kStageOneCaption);
    EXPECT_FALSE(stageOne->isWindowModified());
    const QStringList commands{"New", "Open…", "Open Recent", "Save", "Save As…", "Export report…", "Print…", "Exit"};
    EXPECT_EQ(menuOf("EtapI"), commands);
    EXPECT_EQ(menuOf("EtapII"), commands);

    run(documents.session(), "click Button9\nset Ed_C 300\nclick Button_Raschet\n");
    EXPECT_TRUE(stageOne->isWindowModified());
    ASSERT_TRUE(documents.save(filePath(QStringLiteral("core.dravik"))));

    // Opened, the design is in new windows, on the screen as the replay left
    // them, with the menu and the file's name.
    menus.openFile(filePath(QStringLiteral("core.dravik")));
    QWidget* reopened = window("EtapI");
    ASSERT_NE(reopened, stageOne);
    EXPECT_TRUE(reopened->isVisible());
    EXPECT_FALSE(reopened->testAttribute(Qt::WA_DontShowOnScreen));
    EXPECT_EQ(reopened->windowTitle(), QStringLiteral("core.dravik[*] - ") + kStageOneCaption);
    EXPECT_FALSE(reopened->isWindowModified());
    EXPECT_EQ(menuOf("EtapI"), commands);
    // The replaced windows go once the event loop is back.
    QPointer<QWidget> old(stageOne);
    QTest::qWait(10);
    EXPECT_TRUE(old.isNull());

    // Ctrl+S saves a design that has its file.
    run(documents.session(), "set Ed_C 310\n");
    EXPECT_TRUE(reopened->isWindowModified());
    reopened->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(reopened));
    QTest::keyClick(reopened, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(reopened->isWindowModified());
    QFile saved(filePath(QStringLiteral("core.dravik")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("set Ed_C 310\n# end of design"));
}

// On a 1366 x 768 laptop, less its panel, a title bar and borders, the
// two stages fit with their menu bars above the forms.
TEST_F(DesktopDocuments, TheStagesWithTheirMenusFitALaptopScreen) {
    menus.start(QString());
    const QSize laptopRoom(1366 - 8, 700);
    for (const char* name : {"EtapI", "EtapII"}) {
        QWidget* stage = window(name);
        stage->show();
        QApplication::processEvents();
        const QSize least = stage->minimumSizeHint().expandedTo(stage->minimumSize());
        EXPECT_LE(least.width(), laptopRoom.width()) << name;
        EXPECT_LE(least.height(), laptopRoom.height()) << name;
        const auto* bar = stage->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr) << name;
        EXPECT_TRUE(bar->isVisible()) << name;
    }
}

// A design that removes many wires asks before opening in a box that fits
// a laptop screen: a few of its lines in the question, all in the details.
TEST_F(DesktopDocuments, TheCatalogueQuestionFitsALaptopScreen) {
    QString script = QStringLiteral("click Button9\nclick Button_Raschet\nclick But_EtapII\nclick RaschetObmotki_NN\n");
    constexpr int kRemoved = 60;
    for (int i = 0; i < kRemoved; ++i) script += QStringLiteral("pick SG_Sech 0\nclick Delet_provod\n");
    const std::unique_ptr<Session> made = newSession();
    run(*made, script);
    writeFile(QStringLiteral("thin.dravik"), made->designFile());

    menus.start(QString());
    QSize boxSize;
    QString details;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        boxSize = box->sizeHint();
        details = box->detailedText();
        box->reject();
    });
    menus.openFile(filePath(QStringLiteral("thin.dravik")));
    EXPECT_LE(boxSize.height(), 700);
    EXPECT_EQ(details.count(QStringLiteral("click Delet_provod")), kRemoved);
}

}  // namespace
}  // namespace dravik::test
