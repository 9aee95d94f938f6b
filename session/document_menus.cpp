#include "document_menus.h"

#include "common/runtime_texts.h"
#include "control_names.h"
#include "documents.h"
#include "recorder.h"
#include "report_export.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <array>

namespace dravik {
namespace {

// The windows that carry the menu and the design's name.
constexpr std::array<const char*, 2> kDocumentWindows{"EtapI", "EtapII"};

const QString kDesignFilter = QStringLiteral("Dravik designs (*.dravik)");
const QString kDesignSuffix = QStringLiteral("dravik");
const QString kRecentKey = QStringLiteral("recentDesigns");
constexpr int kRecentCount = 8;
// The catalogue lines the question before opening a design lists.
constexpr int kCatalogueLinesListed = 12;

QSettings settings() { return QSettings(QStringLiteral("Dravik"), QStringLiteral("Dravik")); }

QString withSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

// A window's own caption: what it was made with, before a file name joined it.
const char* kCaptionProperty = "dravikCaption";

}  // namespace

DocumentMenus::DocumentMenus(Documents& documents) : documents_(documents) {
    createActions();
    documents_.quit = [this] { exit(); };
    documents_.sessionReplaced = [this] {
        attach();
        Session& session = documents_.session();
        bool shown = false;
        for (QWidget* window : session.windows()) shown = shown || window->isVisible();
        // An opened design was replayed on windows shown off screen.
        if (shown) {
            session.revealOnScreen();
        } else {
            session.mainWindow()->show();
        }
    };
}

DocumentMenus::~DocumentMenus() = default;

void DocumentMenus::createActions() {
    // The commands' texts are the ones the documentation quotes; Alt+F and
    // the shortcuts reach them from the keyboard.
    fileMenu_ = std::make_unique<QMenu>(QStringLiteral("&File"));
    QMenu* menu = fileMenu_.get();
    menu->addAction(QStringLiteral("New"), QKeySequence::New, this, [this] { newDesign(); });
    menu->addAction(QStringLiteral("Open…"), QKeySequence::Open, this, [this] { open(); });
    recentMenu_ = menu->addMenu(QStringLiteral("Open Recent"));
    connect(recentMenu_, &QMenu::aboutToShow, this, [this] { fillRecentMenu(); });
    fillRecentMenu();
    menu->addSeparator();
    menu->addAction(QStringLiteral("Save"), QKeySequence::Save, this, [this] { save(); });
    menu->addAction(QStringLiteral("Save As…"), QKeySequence(QStringLiteral("Ctrl+Shift+S")), this, [this] { saveAs(); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("Export report…"), this, [this] { exportReport(); });
    menu->addAction(QStringLiteral("Print…"), QKeySequence::Print, this, [this] { print(); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("Exit"), QKeySequence::Quit, this, [this] { exit(); });
}

void DocumentMenus::start(const QString& designFile) {
    attach();
    documents_.session().mainWindow()->show();
    if (!designFile.isEmpty()) openFile(designFile);
}

// The menu bar goes on top of the window's own layout; the windows know
// nothing of it.
void DocumentMenus::attach() {
    Session& session = documents_.session();
    for (const char* name : kDocumentWindows) {
        QWidget* window = lookUpName(session.windows(), QString::fromUtf8(name)).found.control;
        if (!window || !window->layout()) continue;
        window->setProperty(kCaptionProperty, window->windowTitle());
        auto* bar = new QMenuBar(window);
        bar->addMenu(fileMenu_.get());
        window->layout()->setMenuBar(bar);
    }
    session.mainWindow()->installEventFilter(this);
    session.recorder().changed = [this] { showTitles(); };
    showTitles();
}

// "design.dravik[*] - <caption>": the desktop shows the marker while the
// design has unsaved changes.
void DocumentMenus::showTitles() {
    Session& session = documents_.session();
    const QString name = session.displayName();
    for (const char* windowName : kDocumentWindows) {
        QWidget* window = lookUpName(session.windows(), QString::fromUtf8(windowName)).found.control;
        if (!window) continue;
        window->setWindowTitle(QStringLiteral("%1[*] - %2").arg(name, window->property(kCaptionProperty).toString()));
        window->setWindowFilePath(session.fileName());
        window->setWindowModified(session.isModified());
    }
}

// The close box of Stage I ends the program: the question comes before it.
bool DocumentMenus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Close || watched != documents_.session().mainWindow()) return false;
    if (exitConfirmed_ || maySetAside()) {
        exitConfirmed_ = true;
        return false;
    }
    event->ignore();
    return true;
}

bool DocumentMenus::maySetAside() {
    Session& session = documents_.session();
    if (!session.hasUnsavedChanges()) return true;
    const QString name = session.displayName();
    const auto answer = QMessageBox::question(activeWindow(), QApplication::applicationDisplayName(),
                                              QString::fromUtf8(texts::kUnsavedChanges).arg(name),
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                              QMessageBox::Save);
    if (answer == QMessageBox::Save) return save();
    return answer == QMessageBox::Discard;
}

void DocumentMenus::newDesign() {
    if (maySetAside()) documents_.newDesign();
}

void DocumentMenus::open() {
    if (!maySetAside()) return;
    const QString folder = QFileInfo(documents_.session().fileName()).absolutePath();
    const QString path = QFileDialog::getOpenFileName(activeWindow(), QStringLiteral("Open design"), folder,
                                                      kDesignFilter + QStringLiteral(";;All files (*)"));
    if (!path.isEmpty()) openFile(path);
}

void DocumentMenus::openFile(const QString& path) {
    documents_.askAboutCatalogueChanges = [this, path](const std::vector<CatalogueLine>& lines) {
        QStringList shown;
        for (const CatalogueLine& line : lines) shown.append(QStringLiteral("%1: %2").arg(line.number).arg(line.text));
        // A steel typed in point by point is a hundred lines and more: listed
        // whole, they would push the box's buttons off a laptop screen. The
        // first few stand in the question, all of them in the details.
        QStringList listed = shown.mid(0, kCatalogueLinesListed);
        if (shown.size() > kCatalogueLinesListed) {
            listed.append(QStringLiteral("… and %1 more (Show Details...)").arg(shown.size() - kCatalogueLinesListed));
        }
        QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(),
                        QString::fromUtf8(texts::kCatalogueQuestion).arg(path, listed.join(QLatin1Char('\n'))),
                        QMessageBox::Cancel, activeWindow());
        box.setTextFormat(Qt::PlainText);
        if (shown.size() > kCatalogueLinesListed) box.setDetailedText(shown.join(QLatin1Char('\n')));
        QPushButton* replay = box.addButton(QStringLiteral("Change the catalogues"), QMessageBox::AcceptRole);
        QPushButton* skip = box.addButton(QStringLiteral("Open without the changes"), QMessageBox::RejectRole);
        box.exec();
        if (box.clickedButton() == replay) return CatalogueChoice::Replay;
        if (box.clickedButton() == skip) return CatalogueChoice::Skip;
        return CatalogueChoice::Cancel;
    };
    if (documents_.open(path)) rememberRecent(path);
}

bool DocumentMenus::save() {
    const QString fileName = documents_.session().fileName();
    if (fileName.isEmpty()) return saveAs();
    const bool saved = documents_.save(fileName);
    showTitles();
    return saved;
}

bool DocumentMenus::saveAs() {
    const QString current = documents_.session().fileName();
    const QString proposal = current.isEmpty() ? QDir::home().filePath(QStringLiteral("design.dravik")) : current;
    QString path = QFileDialog::getSaveFileName(activeWindow(), QStringLiteral("Save design"), proposal, kDesignFilter);
    if (path.isEmpty()) return false;
    path = withSuffix(path, kDesignSuffix);
    if (!documents_.save(path)) return false;
    rememberRecent(path);
    showTitles();
    return true;
}

void DocumentMenus::exportReport() {
    const QString design = documents_.session().fileName();
    const QString proposal = design.isEmpty() ? QDir::home().filePath(QStringLiteral("report.pdf"))
                                              : QFileInfo(design).absolutePath() + QLatin1Char('/') +
                                                    QFileInfo(design).completeBaseName() + QStringLiteral(".pdf");
    QString filter;
    QString path = QFileDialog::getSaveFileName(
        activeWindow(), QStringLiteral("Export report"), proposal,
        QStringLiteral("PDF document (*.pdf);;Web page (*.html);;Text (*.txt)"), &filter);
    if (path.isEmpty()) return;
    // The format chosen in the dialog, where the name has no extension.
    const QString chosen = filter.section(QStringLiteral("*."), 1).section(QLatin1Char(')'), 0, 0);
    path = withSuffix(path, chosen.isEmpty() ? QStringLiteral("pdf") : chosen);
    documents_.exportReport(path);
}

void DocumentMenus::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, activeWindow());
    if (dialog.exec() != QDialog::Accepted) return;
    Session& session = documents_.session();
    paintReport(printer, reportContents(session), reportDrawings(session));
}

void DocumentMenus::exit() {
    if (exitConfirmed_ || maySetAside()) {
        exitConfirmed_ = true;
        QApplication::quit();
    }
}

void DocumentMenus::rememberRecent(const QString& path) {
    QSettings store = settings();
    QStringList recent = store.value(kRecentKey).toStringList();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    store.setValue(kRecentKey, recent.mid(0, kRecentCount));
}

void DocumentMenus::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList recent = settings().value(kRecentKey).toStringList();
    for (const QString& path : recent) {
        recentMenu_->addAction(QFileInfo(path).fileName(), this, [this, path] {
            if (maySetAside()) openFile(path);
        })->setToolTip(path);
    }
    recentMenu_->setEnabled(!recent.isEmpty());
}

QWidget* DocumentMenus::activeWindow() const {
    QWidget* active = QApplication::activeWindow();
    return active ? active : documents_.session().mainWindow();
}

}  // namespace dravik
