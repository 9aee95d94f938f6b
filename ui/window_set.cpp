#include "window_set.h"

#include "app_context.h"
#include "etap_i.h"
#include "etap_ii.h"
#include "iarmo_razmery.h"
#include "input_tips.h"
#include "ku_window.h"
#include "o_programme.h"
#include "provod_window.h"
#include "spravka.h"
#include "stalj_window.h"
#include "varianty_window.h"
#include "window_placement.h"
#include "zigzag_window.h"

#include <QKeySequence>
#include <QShortcut>

namespace dravik {
namespace {

template <typename Window>
Window* adopt(std::unique_ptr<Window> window, std::vector<std::unique_ptr<QWidget>>& owned,
              std::vector<QWidget*>& order) {
    Window* raw = window.get();
    order.push_back(raw);
    owned.push_back(std::move(window));
    return raw;
}

}  // namespace

WindowSet::WindowSet(AppContext& context) {
    Windows& w = context.windows;
    w.etapI = adopt(std::make_unique<TEtapI>(context), owned_, order_);
    w.etapII = adopt(std::make_unique<TEtapII>(context), owned_, order_);
    w.provod = adopt(std::make_unique<TProvod_dobavitj>(context), owned_, order_);
    w.iarmo = adopt(std::make_unique<TIarmo_razmery>(), owned_, order_);
    w.etapI->followYokeWindow(*w.iarmo);
    w.stalj = adopt(std::make_unique<TStalj_dobavitj_redaktirovatj>(context), owned_, order_);
    w.ku = adopt(std::make_unique<TRaschet_obmotok_KU>(context), owned_, order_);
    w.about = adopt(std::make_unique<TO_programme>(), owned_, order_);
    w.zigzag = adopt(std::make_unique<TZigzag_parametry>(context), owned_, order_);
    w.varianty = adopt(std::make_unique<TVarianty>(context), owned_, order_);
    w.help = adopt(std::make_unique<TSpravka>(), owned_, order_);
    for (QWidget* window : order_) {
        giveInputTips(window);
        // F1 opens the manual from wherever the designer is.
        QObject::connect(new QShortcut(QKeySequence::HelpContents, window), &QShortcut::activated, w.help,
                         &TSpravka::showManual);
    }
    if (context.windowSettings) {
        for (QWidget* window : order_) rememberPlacement(window, *context.windowSettings);
    }
}

WindowSet::~WindowSet() {
    // Later windows refer to earlier ones: close them first.
    while (!owned_.empty()) owned_.pop_back();
}

}  // namespace dravik
