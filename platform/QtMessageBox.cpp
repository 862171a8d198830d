#include "QtMessageBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

/// Line breaks of the texts are CR LF; the box wants plain line feeds.
QString displayed(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

void QtMessageBox::showMessage(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, displayed(text), QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("ОК"));
    box.exec();
}

bool QtMessageBox::askYesNo(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, displayed(text), QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
