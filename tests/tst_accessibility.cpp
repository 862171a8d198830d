// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

/// Every control the student works with or reads is exposed to screen readers
/// with a meaningful name.
class tst_accessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { WindowFixture::setUpApplication(); }
    void names_data();
    void names();
    void readOutsSpeakTheirCurrentValue();
    void everyVisibleControlHasAName();
};

namespace {

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace

void tst_accessibility::names_data()
{
    QTest::addColumn<ControlId>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    auto row = [](ControlId control, const QString& name, QAccessible::Role role) {
        QTest::newRow(controlName(control)) << control << name << role;
    };
    row(ControlId::plateGapEdit, "Расстояние между пластинами", QAccessible::EditableText);
    row(ControlId::voltageEdit, "Напряжение между пластинами", QAccessible::EditableText);
    row(ControlId::diameterEdit, "Диаметр капли", QAccessible::EditableText);
    row(ControlId::dropletDensityEdit, "Плотность капли", QAccessible::EditableText);
    row(ControlId::mediumDensityEdit, "Плотность среды", QAccessible::EditableText);
    row(ControlId::viscosityEdit, "Коэффициент динамической вязкости среды", QAccessible::EditableText);
    row(ControlId::startButton, "ПУСК", QAccessible::PushButton);
    row(ControlId::voltageButton, "НАПРЯЖЕНИЕ", QAccessible::PushButton);
    row(ControlId::lightButton, "СВЕТ", QAccessible::PushButton);
    row(ControlId::randomChargesCheckBox, "Выбор", QAccessible::CheckBox);
    row(ControlId::animationOption, "Движение", QAccessible::RadioButton);
    row(ControlId::coordinateOption, "Координата", QAccessible::RadioButton);
    row(ControlId::velocityOption, "Проекция Vx", QAccessible::RadioButton);
    row(ControlId::slowDownScrollBar, "Замедление времени", QAccessible::ScrollBar);
    // The headings work as buttons, and say so.
    row(ControlId::characteristicsHeading, "Характеристики", QAccessible::Button);
    row(ControlId::velocitiesHeading, "Скорости", QAccessible::Button);
    row(ControlId::dropletDensityCaption, "ρ=", QAccessible::StaticText);
    row(ControlId::animationView, "Расстояние между пластинами, разбитое на 10 частей", QAccessible::Client);
    row(ControlId::velocityPlot, "Скорость в относительных единицах", QAccessible::Client);
}

void tst_accessibility::names()
{
    QFETCH(ControlId, control);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    WindowFixture w;
    w.show();
    QWidget* widget = w.widget(control);
    QVERIFY(widget);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->role(), role);
    if (!widget->toolTip().isEmpty())
        QCOMPARE(iface->text(QAccessible::Description), widget->toolTip());
}

void tst_accessibility::readOutsSpeakTheirCurrentValue()
{
    WindowFixture w;
    w.fakes.random.values = {0.25f, 0.65f};
    w.show();
    QCOMPARE(accessibleName(w.widgets().relaxationTimeReadout), QStringLiteral("tau = 8,557E-05 c"));
    QCOMPARE(accessibleName(w.widgets().slowDownReadout), QStringLiteral("5"));
    w.fakes.random.values = {0.25f, 0.65f}; // the same charges again
    w.widgets().viscosityEdit->setText(QStringLiteral("3.64e-5"));
    QCOMPARE(accessibleName(w.widgets().relaxationTimeReadout), QStringLiteral("tau = 4,279E-05 c"));
    // The charges while they are shown.
    w.fakes.timer.during[1] = [&] { QCOMPARE(accessibleName(w.widgets().charge2Readout), QStringLiteral("q2= 3,0e")); };
    w.form->simulation().experiment().showCharges();
}

void tst_accessibility::everyVisibleControlHasAName()
{
    WindowFixture w;
    w.show();
    for (QWidget* widget : w.form->clientArea()->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(w.form.get()) || widget->objectName().isEmpty()
            || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QVERIFY2(!accessibleName(widget).trimmed().isEmpty(), qPrintable(widget->objectName()));
    }
}

QTEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"
