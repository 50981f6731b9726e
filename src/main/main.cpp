#include "app/MessageBoxSink.h"
#include "app/PreviewWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentavo"));
    MessageBoxSink messages;
    MessageSink::install(&messages);

    const QChar separator = QLocale().decimalPoint().at(0);
    PreviewWindow window(NumberLocale{separator == QLatin1Char(',') ? ',' : '.'});
    messages.setParent(&window);
    window.show();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1 && QFileInfo::exists(arguments.at(1)))
        window.openFile(arguments.at(1));
    const int status = application.exec();
    MessageSink::install(nullptr);
    return status;
}
