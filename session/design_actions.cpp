#include "design_actions.h"

#include "control_names.h"

#include <QWidget>
#include <array>
#include <string_view>

namespace dravik {
namespace {

struct ControlRole {
    const char* form;
    const char* control;  // empty: the window's close box
    ActionRole role;
};

// Every control whose click is not simply part of the design, in one place.
constexpr std::array<ControlRole, 23> kControlRoles{{
    // Adding, editing or removing a wire or a steel rewrites Provod.dat or
    // Stal.dat; closing "Add wire" adds what it holds.
    {"EtapII", "Delet_provod", ActionRole::ChangesCatalogue},
    {"EtapII", "Redakt_provod", ActionRole::ChangesCatalogue},
    {"Provod_dobavitj", "Button1", ActionRole::ChangesCatalogue},
    {"Provod_dobavitj", "", ActionRole::ChangesCatalogue},
    {"Stalj_dobavitj_redaktirovatj", "Stalj_vvod", ActionRole::ChangesCatalogue},
    {"Stalj_dobavitj_redaktirovatj", "Vvod_stalj_edit", ActionRole::ChangesCatalogue},
    // Windows opened and closed without changing the design.
    {"EtapI", "Button11", ActionRole::ViewOnly},
    {"EtapI", "Button12", ActionRole::ViewOnly},
    {"EtapII", "Raschet_KU", ActionRole::ViewOnly},
    {"EtapII", "Raschet_zigzag", ActionRole::ViewOnly},
    {"EtapII", "But_Seh", ActionRole::ViewOnly},
    {"Iarmo_razmery", "Button1", ActionRole::ViewOnly},
    {"Iarmo_razmery", "", ActionRole::ViewOnly},
    {"O_programme", "", ActionRole::ViewOnly},
    {"Raschet_obmotok_KU", "", ActionRole::ViewOnly},
    {"Zigzag_parametry", "", ActionRole::ViewOnly},
    // The design variants only show designs; "Apply" makes one the design
    // by actions of its own on Stage I and Stage II, and those are recorded.
    {"EtapI", "But_Varianty", ActionRole::ViewOnly},
    // The steel editor's "Excel" reads a workbook that may not be there
    // when the design is opened again.
    {"Stalj_dobavitj_redaktirovatj", "Button1", ActionRole::Import},
    // The copy buttons beside the reports.
    {"EtapI", "Copy_to_clipboard", ActionRole::Never},
    {"EtapII", "BitBtn1", ActionRole::Never},
    {"EtapII", "BitBtn2", ActionRole::Never},
    // "Exit" and the close box of Stage I end the program.
    {"EtapI", "Button7", ActionRole::Never},
    {"EtapI", "", ActionRole::Never},
}};

constexpr std::array<std::string_view, 7> kActionCommands{"set", "choose", "tick", "untick", "click", "pick", "cell"};

}  // namespace

ActionRole actionRole(const NamedControl& named) {
    const QString form = named.window->objectName();
    const QString control = named.control == named.window ? QString() : named.control->objectName();
    for (const ControlRole& entry : kControlRoles) {
        if (form == QLatin1String(entry.form) && control == QLatin1String(entry.control)) return entry.role;
    }
    return ActionRole::Design;
}

bool isActionCommand(const QString& command) {
    for (std::string_view action : kActionCommands) {
        if (command == QLatin1String(action.data(), action.size())) return true;
    }
    return false;
}

}  // namespace dravik
