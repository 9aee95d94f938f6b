#pragma once

#include <QWidget>

namespace dravik {

struct AppContext;

// Stage II: the windings of one phase.
class TEtapII : public QWidget {
public:
    explicit TEtapII(AppContext& context);

    // Opening from Stage I: resets the window and its progress flags for the
    // scheme of the design state.
    void handOver();

    // "Calculation KU" of the KU window: reads the Stage II fields the KU
    // calculation needs, runs it, shows the memo and applies what it asks of
    // the window. Returns true when the KU window is to hide.
    bool calculateKu(int unbalanceItem, const QString& zeroSequenceCurrentText);

    // The wire catalogue changed ("Add wire"): show it again in the grid.
    void showWireTable();

    // While "Add wire" holds a wire taken out for editing, Remove, Edit and
    // "Add wire" are disabled; they come back when it is added again.
    void setEditingWire(bool editing);

private:
    AppContext& context_;
};

}  // namespace dravik
