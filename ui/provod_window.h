#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace dravik {

struct AppContext;
struct WireRecord;

// "Add wire": enters a winding wire into the catalogue. It also brings back
// a wire that "Edit wire" took out of the catalogue, changed or not.
class TProvod_dobavitj : public QWidget {
public:
    explicit TProvod_dobavitj(AppContext& context);

    // Puts a stored wire into the fields as it is stored: its type, its shape
    // (a shape code of neither kind leaves the choice as it is), its sizes
    // written as the grid writes them and its material.
    void showWire(const WireRecord& wire);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class AddOutcome {
        Added,         // the wire is in the catalogue
        EntryInvalid,  // a size that is not a number, or a name that cannot be stored
        Refused,       // the catalogue is full
    };
    // Adds the wire the fields describe; errors are shown as they come.
    AddOutcome addWire();
    void resetFields();
    void markTyped();
    void Button1Click();

    AppContext& context_;

    QLineEdit* Ed_Tip_Pr = nullptr;
    QGroupBox* RG_Vid_sech = nullptr;
    QRadioButton* roundItem_ = nullptr;
    QRadioButton* rectangularItem_ = nullptr;
    QLineEdit* Ed_D = nullptr;
    QLineEdit* Ed_a = nullptr;
    QLineEdit* Ed_b = nullptr;
    QLineEdit* Ed_s = nullptr;
    QLineEdit* Ed_2delt = nullptr;
    QComboBox* CB_Matr = nullptr;
    QPushButton* Button1 = nullptr;

    // The user typed or chose something since the window was shown.
    bool typedSinceShown_ = false;
    // The fields hold a wire "Edit wire" took out of the catalogue.
    bool holdsEditedWire_ = false;
};

}  // namespace dravik
