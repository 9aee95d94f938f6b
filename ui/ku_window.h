#pragma once

#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;

namespace dravik {

struct AppContext;

// The text of item `item` of the unbalance list RG_Nesimm_Regim.
QString unbalanceItemText(int item);

// The compensating device (KU) winding: the unbalance of the LV loads it must
// suppress, and the command that sizes it. The calculation itself belongs to
// Stage II, which holds the winding fields it reads.
class TRaschet_obmotok_KU : public QWidget {
public:
    explicit TRaschet_obmotok_KU(AppContext& context);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildChoice();

    void FormShow();
    void RG_Nesimm_RegimClick();
    void Button1Click();

    AppContext& context_;

    QPlainTextEdit* Memo1 = nullptr;
    QGroupBox* RG_Nesimm_Regim = nullptr;
    QButtonGroup* unbalanceItems_ = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Ed_In = nullptr;
    QPushButton* Button1 = nullptr;
};

}  // namespace dravik
