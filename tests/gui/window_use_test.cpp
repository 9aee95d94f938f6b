// Working in the windows on a laptop screen and from the keyboard: sizes,
// places kept between runs, Escape and Enter, Tab, mnemonics, tooltips and
// the copy confirmation.
#include "common/runtime_texts.h"
#include "controls.h"
#include "design/input_ranges.h"
#include "gui/window_fixture.h"
#include "window_placement.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

namespace dravik::test {
namespace {

// A 1366 x 768 laptop less its panel and the window's title bar and
// borders; the two stages also carry a menu bar above their forms.
constexpr QSize kLaptopRoom{1366 - 8, 700};
constexpr int kMenuBar = 30;

int menuBarOf(const QWidget* window) {
    const QString name = window->objectName();
    return name == QLatin1String("EtapI") || name == QLatin1String("EtapII") ? kMenuBar : 0;
}

QStringList namedControls(const QWidget* window) {
    QStringList names;
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && child->isVisibleTo(window)) names << name;
    }
    return names;
}

// Whether the whole of `control` can be seen: every parent shows all of it,
// except that a scroll area's content is reached by scrolling.
bool reachable(const QWidget* control, const QWidget* window) {
    const QWidget* child = control;
    QRect area = control->rect();
    while (child != window) {
        const QWidget* parent = child->parentWidget();
        const auto* scroller = qobject_cast<const QAbstractScrollArea*>(parent ? parent->parentWidget() : nullptr);
        if (scroller && scroller->viewport() == parent) {
            child = scroller;
            area = scroller->rect();
            continue;
        }
        area = QRect(child->mapToParent(area.topLeft()), area.size());
        if (!parent->rect().contains(area)) return false;
        child = parent;
    }
    return !control->rect().isEmpty();
}

void pressKey(QWidget* target, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

class WindowUse : public WindowTest {
protected:
    WindowUse() { openWindows(); }

    // Stage I calculated for the typical design, so that the windows that
    // check its results go on.
    void calculateStageOne() {
        click(stageOne(), "Button9");
        click(stageOne(), "Button_Raschet");
    }
};

TEST_F(WindowUse, EveryWindowIsUsableOnALaptopScreen) {
    for (QWidget* window : windows_->windows()) {
        SCOPED_TRACE(window->objectName().toStdString());
        window->show();
        QApplication::processEvents();
        const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize()) + QSize(0, menuBarOf(window));
        EXPECT_LE(least.width(), kLaptopRoom.width());
        EXPECT_LE(least.height(), kLaptopRoom.height());

        window->resize(window->size().boundedTo(kLaptopRoom - QSize(0, menuBarOf(window))));
        QApplication::processEvents();
        for (const QString& name : namedControls(window)) {
            EXPECT_TRUE(reachable(window->findChild<QWidget*>(name), window)) << name.toStdString();
        }
        window->hide();
    }
}

TEST_F(WindowUse, TheReportsShowAtLeastTenLines) {
    for (const auto* memo : {control<QPlainTextEdit>(stageOne(), "Memo_Result"),
                             control<QPlainTextEdit>(window("EtapII"), "Memo_Rez_ob"),
                             control<QPlainTextEdit>(window("EtapII"), "Memo_KZ")}) {
        EXPECT_GE(memo->minimumHeight(), 10 * memo->fontMetrics().lineSpacing()) << memo->objectName().toStdString();
    }
}

// Too large, above the top (where the stages once opened) or past the
// right edge: all end up inside the free part; a window that fits stays.
TEST_F(WindowUse, AWindowIsPlacedInsideTheFreePartOfTheScreen) {
    const QRect free(0, 30, 1366, 700);
    EXPECT_EQ(fitInside(QRect(-50, -76, 1500, 900), free), free);
    EXPECT_EQ(fitInside(QRect(100, -26, 800, 600), free), QRect(100, 30, 800, 600));
    EXPECT_EQ(fitInside(QRect(1000, 200, 500, 300), free), QRect(866, 200, 500, 300));
    EXPECT_EQ(fitInside(QRect(10, 40, 300, 200), free), QRect(10, 40, 300, 200));

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (QWidget* window : {stageOne(), window("EtapII"), window("Iarmo_razmery"), window("Spravka")}) {
        window->show();
        QApplication::processEvents();
        EXPECT_TRUE(screen.contains(window->frameGeometry().topLeft())) << window->objectName().toStdString();
        window->hide();
    }
}

TEST_F(WindowUse, PlacesAndSplittersComeBackInTheNextRun) {
    QSettings settings(folder_.filePath(QStringLiteral("places.ini")), QSettings::IniFormat);
    openWindows(&settings);
    QWidget* zigzag = window("Zigzag_parametry");
    zigzag->show();
    zigzag->move(40, 50);
    zigzag->hide();
    auto* splitter = control<QSplitter>(stageOne(), "Splitter_Report_I");
    splitter->setSizes({200, splitter->height() - 200});
    const QList<int> sizes = splitter->sizes();
    stageOne()->hide();
    // The manual's window left larger than the screen now is.
    QWidget* help = window("Spravka");
    help->show();
    help->setGeometry(500, 400, 3000, 2000);
    help->hide();

    openWindows(&settings);
    window("Zigzag_parametry")->show();
    EXPECT_EQ(window("Zigzag_parametry")->pos(), QPoint(40, 50));
    EXPECT_EQ(control<QSplitter>(stageOne(), "Splitter_Report_I")->sizes(), sizes);
    window("Spravka")->show();
    QApplication::processEvents();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window("Spravka")->frameGeometry()));
    windows_.reset();  // they keep their places as they go, while the settings last
}

// Escape reaches the window from its fields and runs the close handler: the
// small windows go, the steel editor hands back to Stage I, and "Add wire"
// adds the wire as its close box does.
TEST_F(WindowUse, EscapeClosesASecondaryWindowAsItsCloseBoxDoes) {
    for (const char* name :
         {"Iarmo_razmery", "O_programme", "Zigzag_parametry", "Raschet_obmotok_KU", "Spravka"}) {
        QWidget* secondary = window(name);
        secondary->show();
        pressKey(secondary->focusWidget() ? secondary->focusWidget() : secondary, Qt::Key_Escape);
        EXPECT_FALSE(secondary->isVisible()) << name;
    }

    click(stageOne(), "Button10");
    QWidget* steel = window("Stalj_dobavitj_redaktirovatj");
    pressKey(control<QLineEdit>(steel, "Ed_Tip"), Qt::Key_Escape);
    EXPECT_FALSE(steel->isVisible());
    EXPECT_TRUE(stageOne()->isVisible());

    // Escape adds the typed wire as the close box does; the program closing
    // the window (as it ends) adds nothing.
    QWidget* entry = window("Provod_dobavitj");
    const int wires = context_.wires.count();
    for (const bool byEscape : {true, false}) {
        entry->show();
        const std::pair<const char*, const char*> fields[] = {
            {"Ed_Tip_Pr", "ПБ"}, {"Ed_a", "1,5"}, {"Ed_b", "2,5"}, {"Ed_s", "3,4"}, {"Ed_2delt", "0,45"}};
        for (const auto& [name, text] : fields) typeInto(control<QLineEdit>(entry, name), QString::fromUtf8(text));
        if (byEscape) {
            pressKey(control<QLineEdit>(entry, "Ed_s"), Qt::Key_Escape);
        } else {
            entry->close();
        }
        EXPECT_FALSE(entry->isVisible());
        EXPECT_EQ(context_.wires.count(), wires + 1) << (byEscape ? "Escape" : "the program's close");
    }
}

TEST_F(WindowUse, EnterRunsTheMainCommandOrTheFocusedButton) {
    click(stageOne(), "Button9");
    control<QLineEdit>(stageOne(), "Ed_C")->setFocus();
    pressKey(control<QLineEdit>(stageOne(), "Ed_C"), Qt::Key_Return);
    EXPECT_FALSE(control<QPlainTextEdit>(stageOne(), "Memo_Result")->toPlainText().isEmpty());
    EXPECT_TRUE(control<QPushButton>(stageOne(), "But_EtapII")->isEnabled());

    // In a list one may type into, Enter calculates too, and the list keeps its items.
    auto* power = control<QComboBox>(stageOne(), "CB_Snom");
    const int powers = power->count();
    typeInto(power->lineEdit(), QStringLiteral("120"));
    power->setFocus();
    pressKey(power, Qt::Key_Return);
    EXPECT_TRUE(control<QPushButton>(stageOne(), "But_EtapII")->isEnabled());
    EXPECT_EQ(power->count(), powers);

    QWidget* yoke = window("Iarmo_razmery");
    control<QPushButton>(stageOne(), "Button11")->setFocus();
    pressKey(control<QPushButton>(stageOne(), "Button11"), Qt::Key_Enter);
    EXPECT_TRUE(yoke->isVisible());
    pressKey(control<QLineEdit>(yoke, "Ed_B1"), Qt::Key_Return);
    EXPECT_FALSE(yoke->isVisible());

    QWidget* zigzag = window("Zigzag_parametry");
    zigzag->show();
    typeInto(control<QLineEdit>(zigzag, "Ed_b"), QStringLiteral("20"));
    pressKey(control<QLineEdit>(zigzag, "Ed_b"), Qt::Key_Return);
    EXPECT_FALSE(zigzag->isVisible());
    EXPECT_NEAR(context_.stage2.beta, 20 * std::numbers::pi / 180, 1e-12);
}

// Across the rows of the packet grid as it is read: А1 а1 А5 а5, then А2.
TEST_F(WindowUse, TabGoesAlongTheRowsOfThePacketGrid) {
    QStringList order;
    QWidget* widget = control<QLineEdit>(stageOne(), "Ed_A1");
    while (order.size() < 5) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(stageOne())) order << widget->objectName();
        widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(order, QStringList({"Ed_A1", "Ed_a_1", "Ed_A5", "Ed_a_5", "Ed_A2"}));
}

TEST_F(WindowUse, ButtonMnemonicsDoNotClashWithinAWindow) {
    EXPECT_EQ(withoutMnemonic(QStringLiteral("E&xit")), QStringLiteral("Exit"));
    EXPECT_EQ(withoutMnemonic(QStringLiteral("Copper && steel&")), QStringLiteral("Copper & steel&"));
    for (QWidget* window : windows_->windows()) {
        // Alt+F opens the File menu of the two stages.
        std::set<QChar> letters;
        if (menuBarOf(window) > 0) letters.insert(QLatin1Char('f'));
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            if (button->text().isEmpty() || !button->isVisibleTo(window)) continue;
            const QString caption = button->text();
            const qsizetype mark = caption.indexOf(QLatin1Char('&'));
            ASSERT_GE(mark, 0) << button->objectName().toStdString() << " has no mnemonic";
            EXPECT_TRUE(letters.insert(caption[mark + 1].toLower()).second)
                << window->objectName().toStdString() << ": " << caption.toStdString();
        }
    }
}

// Every field, list, spin box, check box, grid and choice group says what it
// is; one the calculation holds to a range also says the range.
TEST_F(WindowUse, EveryInputHasATooltipWithItsAcceptedRange) {
    for (QWidget* window : windows_->windows()) {
        for (QWidget* input : window->findChildren<QWidget*>()) {
            const bool partOfAnother = qobject_cast<QComboBox*>(input->parentWidget()) ||
                                       qobject_cast<QAbstractSpinBox*>(input->parentWidget());
            const bool isInput = qobject_cast<QLineEdit*>(input) || qobject_cast<QComboBox*>(input) ||
                                 qobject_cast<QAbstractSpinBox*>(input) || qobject_cast<QCheckBox*>(input) ||
                                 (qobject_cast<QTableView*>(input) && input->objectName().startsWith("SG_")) ||
                                 input->objectName().startsWith(QLatin1String("RG_"));
            if (!isInput || partOfAnother || input->objectName() == QLatin1String("SE_stup")) continue;
            const std::string where = (window->objectName() + '.' + input->objectName()).toStdString();
            EXPECT_FALSE(input->toolTip().isEmpty()) << where;
        }
    }
    for (const RangedInput& ranged : kRangedInputs) {
        const QString name = QString::fromUtf8(ranged.control);
        QWidget* input = nullptr;
        for (const char* form : {"EtapI", "Iarmo_razmery", "EtapII", "Raschet_obmotok_KU"}) {
            if (!input) input = window(form)->findChild<QWidget*>(name);
        }
        ASSERT_NE(input, nullptr) << ranged.control;
        const QString accepted = QStringLiteral("Accepted: %1.").arg(QString::fromUtf8(ranged.range.words));
        EXPECT_TRUE(input->toolTip().endsWith(accepted)) << ranged.control << ": " << input->toolTip().toStdString();
    }
}

TEST_F(WindowUse, CopyingAReportConfirmsWithoutAMessageBox) {
    calculateStageOne();
    click(stageOne(), "Copy_to_clipboard");
    EXPECT_EQ(messages_.notices, QStringList{QString::fromUtf8(texts::kStage1Copied)});
    EXPECT_TRUE(messages_.messages.isEmpty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), control<QPlainTextEdit>(stageOne(), "Memo_Result")->toPlainText());
}

// "Help" opens the manual, and every link within it leads somewhere in it.
TEST_F(WindowUse, HelpOpensTheManualWhoseLinksAllLead) {
    click(stageOne(), "Button13");
    QWidget* help = window("Spravka");
    EXPECT_TRUE(help->isVisible());
    const QString manual = control<QTextBrowser>(help, "Browser_Spravka")->toHtml();
    EXPECT_TRUE(manual.contains(QStringLiteral("The typical design, step by step")));

    QFile source(QStringLiteral(":/help/manual.html"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(source.readAll());
    const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
        EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(match.captured(1))))
            << match.captured(1).toStdString();
    }
}

}  // namespace
}  // namespace dravik::test
