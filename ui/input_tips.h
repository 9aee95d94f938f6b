#pragma once

class QWidget;

namespace dravik {

// Gives every input of the window its tooltip: what it is, its unit and,
// where the calculation holds it to a range, that range. The captions
// beside the inputs keep their texts; a window without inputs gets none.
void giveInputTips(QWidget* window);

}  // namespace dravik
