#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QMenu;
class QWidget;

namespace dravik {

class Documents;

// The design as a document on the desktop: a File menu on the Stage I and
// Stage II windows (New, Open, Open Recent, Save, Save As, Export report,
// Print, Exit), the design's file name and a modified marker in their
// titles, and a question before unsaved changes would be lost.
class DocumentMenus final : public QObject {
public:
    explicit DocumentMenus(Documents& documents);
    ~DocumentMenus() override;

    // Shows the first session, and opens `designFile` when one is given.
    void start(const QString& designFile);

    // The commands; each asks what it needs in a dialog.
    void newDesign();
    void open();
    void openFile(const QString& path);
    bool save();
    bool saveAs();
    void exportReport();
    void print();
    void exit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void attach();
    void showTitles();
    // Save, Discard or Cancel when the design has unsaved changes; true
    // when it may be set aside.
    bool maySetAside();
    void rememberRecent(const QString& path);
    void fillRecentMenu();
    QWidget* activeWindow() const;

    Documents& documents_;
    std::unique_ptr<QMenu> fileMenu_;
    QMenu* recentMenu_ = nullptr;
    bool exitConfirmed_ = false;
};

}  // namespace dravik
