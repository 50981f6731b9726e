#include "app/MessageBoxSink.h"

#include <QMessageBox>

void MessageBoxSink::show(Kind kind, const std::string &text)
{
    QString lines = QString::fromStdString(text);
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const auto icon = kind == Kind::Error     ? QMessageBox::Critical
                      : kind == Kind::Warning ? QMessageBox::Warning
                                              : QMessageBox::Information;
    const QString caption = kind == Kind::Error     ? QStringLiteral("Error")
                            : kind == Kind::Warning ? QStringLiteral("Warning")
                                                    : QStringLiteral("Information");
    QMessageBox box(icon, caption, lines, QMessageBox::Ok, m_parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}
