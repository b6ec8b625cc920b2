#include "ui/FormMain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Paginor"));
    QApplication::setOrganizationName(QStringLiteral("Velmora Software"));
    paginor::FormMain window;
    window.show();
    return app.exec();
}
