#include "stalj_window.h"

#include "app_context.h"
#include "controls.h"
#include "etap_i.h"
#include "messages.h"
#include "window_placement.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace dravik {

// Position of "3404 GOST USSR 21427", the grade a new design starts with.
constexpr int kDefaultSteelPosition = 2;

TStalj_dobavitj_redaktirovatj::TStalj_dobavitj_redaktirovatj(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("Stalj_dobavitj_redaktirovatj"));
    setWindowTitle(QStringLiteral("Add / edit steel"));
    setFormFont(this, 16);
    CB_Tip_Edit = new QComboBox(this);
    CB_Tip_Edit->setObjectName(QStringLiteral("CB_Tip_Edit"));
    CB_Tip_Edit->setEditable(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CB_Tip_Edit);
    loadCatalogue();
    centre(this, {1100, 760});
}

void TStalj_dobavitj_redaktirovatj::loadCatalogue() {
    const QStringList problems = context_.steels.load(context_.catalogueFolder);
    fillSteelLists();
    selectSilently(context_.windows.etapI->steelList(), kDefaultSteelPosition);
    for (const QString& problem : problems) context_.messages->error(problem);
}

void TStalj_dobavitj_redaktirovatj::fillSteelLists() {
    QComboBox* stageOneList = context_.windows.etapI->steelList();
    const QSignalBlocker blockStageOne(stageOneList);
    const QSignalBlocker blockEditList(CB_Tip_Edit);
    stageOneList->clear();
    CB_Tip_Edit->clear();
    stageOneList->addItems(context_.steels.names());
    CB_Tip_Edit->addItems(context_.steels.names());
}

}  // namespace dravik
