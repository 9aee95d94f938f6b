#pragma once

#include <QWidget>
#include <memory>
#include <vector>

namespace dravik {

struct AppContext;

// The windows of the program, created once, in their fixed order:
// the steel catalogue is loaded while window 5 is created and fills the
// Stage I steel list; the wire catalogue while window 2 is created. The
// manual comes last.
class WindowSet {
public:
    explicit WindowSet(AppContext& context);
    ~WindowSet();

    // In creation order; the first is the main window.
    const std::vector<QWidget*>& windows() const { return order_; }
    QWidget* mainWindow() const { return order_.front(); }

private:
    std::vector<std::unique_ptr<QWidget>> owned_;
    std::vector<QWidget*> order_;
};

}  // namespace dravik
