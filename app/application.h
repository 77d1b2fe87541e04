#pragma once

class QApplication;

namespace rowsmith {

// Settings every QApplication of the program shares, the test suite's included: the font every
// fixed-size widget is measured for, the version and the description.
void configureApplication(QApplication& app);

} // namespace rowsmith
