#pragma once

#include <QWidget>

class QTextBrowser;

namespace dravik {

// "Help": the short manual shipped with the program - the work from Stage I
// to Stage II on the typical design, what each button does, the catalogues
// and the script mode. F1 in any window, the Help button of Stage I and the
// Help menu open it.
class TSpravka : public QWidget {
public:
    TSpravka();

    // Brings the manual to the front.
    void showManual();

private:
    QTextBrowser* Browser_Spravka = nullptr;
};

}  // namespace dravik
