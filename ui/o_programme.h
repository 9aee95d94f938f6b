#pragma once

#include <QWidget>

namespace dravik {

// "About the program": what the program is and what it is for.
class TO_programme : public QWidget {
public:
    TO_programme();
};

}  // namespace dravik
