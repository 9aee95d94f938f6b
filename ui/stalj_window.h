#pragma once

#include <QWidget>

class QComboBox;

namespace dravik {

struct AppContext;

// "Add / edit steel": enters a new electrical steel or changes a stored one.
// Creating it loads the steel catalogue and fills both steel lists.
class TStalj_dobavitj_redaktirovatj : public QWidget {
public:
    explicit TStalj_dobavitj_redaktirovatj(AppContext& context);

private:
    void loadCatalogue();
    void fillSteelLists();

    AppContext& context_;
    QComboBox* CB_Tip_Edit = nullptr;
};

}  // namespace dravik
