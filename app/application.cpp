#include "app/application.h"

#include <QApplication>
#include <QFont>

namespace rowsmith {

void configureApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Rowsmith"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    app.setProperty(applicationDescriptionProperty,
                    QStringLiteral("Data generator for databases."));
    // The widgets have fixed pixel sizes, so the font has a fixed pixel size too: Liberation Sans
    // at 11 px fits "Table name:" into its 60 px label.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
}

} // namespace rowsmith
