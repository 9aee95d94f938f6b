#include "arrow_spin_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>

namespace dravik {
namespace {

// The spin edit with a way to find its up arrow, to click it as a user does.
class ProbedSpinBox : public ArrowSpinBox {
public:
    QPoint upArrow() const {
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, this).center();
    }
};

class SteelEditorSpinEdit : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QApplication::instance()) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "steel_editor_widget_tests";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QApplication>(argc, argv);
    }

    // The application goes before the program's static objects do.
    static void TearDownTestSuite() { application_.reset(); }

    void SetUp() override {
        spin_.setRange(1, 100);
        spin_.setValue(25);
        spin_.resize(80, 24);
    }

    void press(int key, const QString& text = {}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&spin_, &event);
    }

    void clickUpArrow() {
        const QPointF at = spin_.upArrow();
        QMouseEvent down(QEvent::MouseButtonPress, at, spin_.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&spin_, &down);
        QMouseEvent up(QEvent::MouseButtonRelease, at, spin_.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
        QApplication::sendEvent(&spin_, &up);
    }

    static inline std::unique_ptr<QApplication> application_;
    ProbedSpinBox spin_;
};

// The count of a curve grid changes one step at a time, by the arrows and
// the Up/Down keys; typing, Page Up/Down and the wheel leave it alone.
TEST_F(SteelEditorSpinEdit, ChangesByArrowsAndUpDownKeysOnly) {
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(spin_.value(), 23);
    press(Qt::Key_Up);
    EXPECT_EQ(spin_.value(), 24);

    clickUpArrow();
    EXPECT_EQ(spin_.value(), 25);

    press(Qt::Key_7, QStringLiteral("7"));
    press(Qt::Key_Backspace);
    press(Qt::Key_PageDown);
    EXPECT_EQ(spin_.value(), 25);
    EXPECT_EQ(spin_.text(), QStringLiteral("25"));

    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&spin_, &wheel);
    EXPECT_EQ(spin_.value(), 25);

    EXPECT_FALSE(spin_.isReadOnly());
    EXPECT_TRUE(spin_.findChild<QLineEdit*>()->isReadOnly());
}

}  // namespace
}  // namespace dravik
