// A refusal takes the user to the field at fault: the real windows, in the
// test's own process, so that the focus and the mark can be looked at.
#include "app_context.h"
#include "etap_i.h"
#include "field_mark.h"
#include "iarmo_razmery.h"
#include "messages.h"
#include "window_set.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace dravik {
namespace {

class RecordedMessages final : public MessageSink {
public:
    void message(const QString&) override {}
    void error(const QString& text) override { errors << text; }
    QStringList errors;
};

QApplication& application() {
    static int argc = 1;
    static char name[] = "field_mark_test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

class FieldMarks : public testing::Test {
protected:
    FieldMarks() {
        application();
        context_.catalogueFolder = folder_.path();
        context_.messages = &messages_;
        context_.quit = [] {};
        windows_ = std::make_unique<WindowSet>(context_);
        stageOne()->show();
    }

    QWidget* stageOne() const { return windows_->mainWindow(); }
    template <typename Control>
    Control* control(QWidget* window, const char* name) const {
        auto* found = window->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(QWidget* window, const char* name) const { control<QPushButton>(window, name)->click(); }
    // The user selects the field's text and types over it.
    static void typeInto(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        edit->insert(text);
    }

    QTemporaryDir folder_;
    RecordedMessages messages_;
    AppContext context_;
    std::unique_ptr<WindowSet> windows_;
};

TEST_F(FieldMarks, AnOutOfRangeFieldGetsTheFocusAndTheMarkUntilTheUserEditsIt) {
    click(stageOne(), "Button9");
    auto* distance = control<QLineEdit>(stageOne(), "Ed_C");
    auto* height = control<QLineEdit>(stageOne(), "Ed_Lc");
    typeInto(distance, QStringLiteral("6000"));
    click(stageOne(), "Button_Raschet");

    EXPECT_EQ(messages_.errors, QStringList{QStringLiteral("C, mm must be above 0 and at most 5000: 6000")});
    EXPECT_TRUE(isFieldMarked(distance));
    EXPECT_FALSE(isFieldMarked(height));
    EXPECT_EQ(stageOne()->focusWidget(), distance);

    typeInto(distance, QStringLiteral("270"));
    EXPECT_FALSE(isFieldMarked(distance));
}

// A text that is no number in a yoke packet: the yoke window comes up with
// the field marked; the next calculation, with the field mended elsewhere,
// takes the mark away.
TEST_F(FieldMarks, AConversionErrorInTheYokeWindowTakesTheUserThere) {
    click(stageOne(), "Button9");
    QWidget* yoke = context_.windows.iarmo;
    auto* packet = control<QLineEdit>(yoke, "Ed_B2");
    typeInto(packet, QStringLiteral("1.2.3"));
    click(stageOne(), "Button_Raschet");

    EXPECT_EQ(messages_.errors, QStringList{QStringLiteral("'1,2.3' is not a valid floating point value")});
    EXPECT_TRUE(yoke->isVisible());
    EXPECT_TRUE(isFieldMarked(packet));
    EXPECT_EQ(yoke->focusWidget(), packet);

    packet->setText(QStringLiteral("113"));  // put back by the program, not typed
    EXPECT_TRUE(isFieldMarked(packet));
    click(stageOne(), "Button_Raschet");
    EXPECT_FALSE(isFieldMarked(packet));
}

// Stage II: a refused layer count marks Ed_n_sl of the Stage II window, the
// check that comes before its range naming it as well.
TEST_F(FieldMarks, AStageTwoRefusalMarksItsField) {
    click(stageOne(), "Button9");
    click(stageOne(), "Button_Raschet");
    click(stageOne(), "But_EtapII");
    QWidget* stageTwo = windows_->windows()[1];
    auto* layers = control<QLineEdit>(stageTwo, "Ed_n_sl");
    typeInto(layers, QStringLiteral("0"));
    click(stageTwo, "RaschetObmotki_NN");

    EXPECT_EQ(messages_.errors, QStringList{QStringLiteral("Number of layers must be at least 1")});
    EXPECT_TRUE(isFieldMarked(layers));
    EXPECT_EQ(stageTwo->focusWidget(), layers);
}

}  // namespace
}  // namespace dravik
