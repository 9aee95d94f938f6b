#include "recorder.h"
#include "session/session_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

// What the recorder writes of a session. The script runner acts as a user
// does, through the controls' user signals, so a script's actions come back
// as its own lines, less those that only look or copy.
namespace dravik::test {
namespace {

class Recording : public SessionTest {
protected:
    QStringList record(const QString& script) {
        const std::unique_ptr<Session> session = newSession();
        run(*session, script);
        return session->designLines();
    }
};

TEST_F(Recording, KeepsTheActionsOfAScriptAndDropsWhatOnlyLooks) {
    // Each action, and after some of them what only looks: windows opened
    // and closed again, reports printed and copied.
    const std::vector<std::pair<const char*, const char*>> steps{
        {"click Button9", "click Button12\nclick O_programme"},
        {"set Ed_C 300", "print Memo_Result"},
        {"click Button11", ""},
        {"set Ed_B1 124", ""},
        {"click Iarmo_razmery.Button1", "click Button11\nclick Iarmo_razmery"},
        {"click Button_Raschet", "click Copy_to_clipboard\nstate But_EtapII"},
        {"click But_EtapII", "click Raschet_zigzag\nclick Zigzag_parametry"},
        {"click Raschet_zigzag", ""},
        {"set Zigzag_parametry.Ed_b 25", ""},
        {"click Zeta_vvod", ""},
        {"choose CB__mater Copper", ""},
        {"set SE_a 2", ""},
        {"click RaschetObmotki_NN", "click BitBtn1"},
        {"pick SG_Sech 3", ""},
    };
    QStringList script;
    QStringList kept;
    for (const auto& [action, looks] : steps) {
        kept.append(QString::fromUtf8(action));
        script.append(QString::fromUtf8(action));
        script.append(QString::fromUtf8(looks));
    }
    EXPECT_EQ(joined(record(script.join(QLatin1Char('\n')))), joined(kept));
}

// A field's text is written as it stands when the user goes on to
// something else: typing it over before that is one line.
TEST_F(Recording, WritesATypedTextAsTheUserLeftIt) {
    EXPECT_EQ(joined(record("set Ed_C 280\nset Ed_C 300\nclick Button_Raschet\n")),
              joined(actionLines("set Ed_C 300\nclick Button_Raschet\n")));
    EXPECT_EQ(joined(record("set Ed_C 280\nset Ed_Lc 400\nset Ed_C 300\n")),
              joined(actionLines("set Ed_C 280\nset Ed_Lc 400\nset Ed_C 300\n")));
}

// The steel editor's counts and cells hold no signal of their own: what
// changed is written before the next action. A count that drops blanks the
// row it leaves, so every drop stays; rises are written as their last value.
// What the program fills in (the editor's reset when shown) is not written.
TEST_F(Recording, WritesTheSteelEditorsCountsAndCellsBeforeTheNextAction) {
    const QString script =
        "click Button10\ncell SG_q_c 1 0 1,5\nset SE_num_q_c 22\nset SE_num_q_c 20\n"
        "set SE_num_q_ia 30\nset SE_num_q_ia 40\nset SE_num_q_ia 35\ncell SG_q_ia 2 1 0,7\nset Ed_Tip New steel\n"
        "click Stalj_dobavitj_redaktirovatj\n";
    EXPECT_EQ(joined(record(script)),
              joined(actionLines("click Button10\ncell SG_q_c 1 0 1,5\nset SE_num_q_c 22\nset SE_num_q_c 20\n"
                                 "set SE_num_q_ia 40\nset SE_num_q_ia 35\ncell SG_q_ia 2 1 0,7\n"
                                 "set Ed_Tip New steel\nclick Stalj_dobavitj_redaktirovatj\n")));
}

// Real mouse clicks and key presses on the windows, as a user makes them,
// give the lines a script would have.
TEST_F(Recording, WritesWhatAUserDoesWithTheMouseAndTheKeyboard) {
    const std::unique_ptr<Session> session = std::make_unique<Session>(settings(), quietMessages(), [] {});
    QWidget* stageOne = session->mainWindow();
    stageOne->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(stageOne));
    const auto control = [](QWidget* window, const char* name) {
        return window->findChild<QWidget*>(QString::fromLatin1(name));
    };

    QTest::mouseClick(control(stageOne, "Button9"), Qt::LeftButton);
    auto* axes = static_cast<QLineEdit*>(control(stageOne, "Ed_C"));
    QTest::mouseClick(axes, Qt::LeftButton);
    QTest::keyClick(axes, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(axes, QStringLiteral("300"));
    QTest::keyClick(control(stageOne, "CB_Iz_st"), Qt::Key_Down);
    QWidget* press = control(stageOne, "CB_Press");
    QTest::mouseClick(press, Qt::LeftButton, {}, QPoint(6, press->height() / 2));
    QTest::mouseClick(control(stageOne, "Button_Raschet"), Qt::LeftButton);

    QTest::mouseClick(control(stageOne, "Button10"), Qt::LeftButton);
    QWidget* steelEditor = session->windows()[4];
    QWidget* count = control(steelEditor, "SE_num_q_c");
    QTest::keyClick(count, Qt::Key_Down);
    QTest::keyClick(count, Qt::Key_Down);
    steelEditor->close();

    EXPECT_EQ(joined(session->designLines()),
              joined(actionLines("click Button9\nset Ed_C 300\nchoose CB_Iz_st Resistance to heat insulation\ntick CB_Press\n"
                          "click Button_Raschet\nclick Button10\nset SE_num_q_c 24\nset SE_num_q_c 23\n"
                          "click Stalj_dobavitj_redaktirovatj\n")));
}

// Enter in a Stage I field and Escape in a window are written as the
// button and the close box they stand for.
TEST_F(Recording, WritesEnterAndEscapeAsTheCommandsTheyRun) {
    const std::unique_ptr<Session> session = std::make_unique<Session>(settings(), quietMessages(), [] {});
    QWidget* stageOne = session->mainWindow();
    stageOne->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(stageOne));
    QTest::mouseClick(stageOne->findChild<QWidget*>(QStringLiteral("Button9")), Qt::LeftButton);
    auto* axes = stageOne->findChild<QLineEdit*>(QStringLiteral("Ed_C"));
    QTest::mouseClick(axes, Qt::LeftButton);
    QTest::keyClick(axes, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(axes, QStringLiteral("300"));
    QTest::keyClick(axes, Qt::Key_Return);
    // A power typed into the list is the list's value, not a new item.
    auto* power = stageOne->findChild<QComboBox*>(QStringLiteral("CB_Snom"));
    QTest::mouseClick(power->lineEdit(), Qt::LeftButton);
    QTest::keyClick(power->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(power->lineEdit(), QStringLiteral("120"));
    QTest::keyClick(power->lineEdit(), Qt::Key_Return);

    QTest::mouseClick(stageOne->findChild<QWidget*>(QStringLiteral("Button10")), Qt::LeftButton);
    QWidget* steelEditor = session->windows()[4];
    QTest::keyClick(steelEditor->findChild<QWidget*>(QStringLiteral("Ed_Tip")), Qt::Key_Escape);
    EXPECT_FALSE(steelEditor->isVisible());

    EXPECT_EQ(joined(session->designLines()),
              joined(actionLines("click Button9\nset Ed_C 300\nclick Button_Raschet\nset CB_Snom 120\n"
                                 "click Button_Raschet\nclick Button10\n"
                                 "click Stalj_dobavitj_redaktirovatj\n")));
}

}  // namespace
}  // namespace dravik::test
