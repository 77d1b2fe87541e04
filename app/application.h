#pragma once

class QApplication;

namespace rowsmith {

// The property of the application object that holds the program's description.
inline constexpr const char* applicationDescriptionProperty = "applicationDescription";

// Settings every QApplication of the program shares, the test suite's included: the font every
// fixed-size widget is measured for, the version and the description.
void configureApplication(QApplication& app);

} // namespace rowsmith
