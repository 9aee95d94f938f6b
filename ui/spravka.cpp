#include "spravka.h"

#include "window_keys.h"
#include "window_placement.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace dravik {

TSpravka::TSpravka() {
    setObjectName(QStringLiteral("Spravka"));
    setWindowTitle(QStringLiteral("Dravik - Help"));
    setFormFont(this, 15);

    Browser_Spravka = new QTextBrowser(this);
    Browser_Spravka->setObjectName(QStringLiteral("Browser_Spravka"));
    // Links within the manual are followed here; a link to anything else
    // is not opened behind the designer's back.
    Browser_Spravka->setOpenExternalLinks(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Browser_Spravka);
    closeOnEscape(this);
    centre(this, {820, 760});
}

// The manual is read the first time it is asked for, and the next time
// opens where the designer left it.
void TSpravka::showManual() {
    if (Browser_Spravka->source().isEmpty()) Browser_Spravka->setSource(QUrl(QStringLiteral("qrc:/help/manual.html")));
    show();
    raise();
    activateWindow();
}

}  // namespace dravik
