#pragma once

// The real windows in the test's own process, for the wiring that script
// mode cannot show: focus, keys, tooltips, sizes and places.
#include "app_context.h"
#include "messages.h"
#include "window_set.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace dravik::test {

class RecordedMessages final : public MessageSink {
public:
    void message(const QString& text) override { messages << text; }
    void notice(const QString& text, QWidget*) override { notices << text; }
    void error(const QString& text) override { errors << text; }
    QStringList messages;
    QStringList notices;
    QStringList errors;
};

// Made once and never destroyed: at exit, Qt's own statics (the keyboard a
// key event names) may already be gone.
inline QApplication& application() {
    static int argc = 1;
    static char name[] = "ui_wiring_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    return *app;
}

class WindowTest : public testing::Test {
protected:
    WindowTest() {
        application();
        context_.catalogueFolder = folder_.path();
        context_.messages = &messages_;
        context_.quit = [] {};
    }
    // The windows of one run; `settings`, when given, keeps their places.
    void openWindows(QSettings* settings = nullptr) {
        windows_.reset();
        context_.windowSettings = settings;
        windows_ = std::make_unique<WindowSet>(context_);
        stageOne()->show();
    }

    QWidget* stageOne() const { return windows_->mainWindow(); }
    QWidget* window(const char* name) const {
        for (QWidget* candidate : windows_->windows()) {
            if (candidate->objectName() == QLatin1String(name)) return candidate;
        }
        ADD_FAILURE() << "no window " << name;
        return nullptr;
    }
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

}  // namespace dravik::test
