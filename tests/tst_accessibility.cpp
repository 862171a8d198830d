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
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    auto row = [](const char* control, const QString& name, QAccessible::Role role) {
        QTest::newRow(control) << QString::fromLatin1(control) << name << role;
    };
    row("Text1", "Расстояние между пластинами", QAccessible::EditableText);
    row("Text2", "Напряжение между пластинами", QAccessible::EditableText);
    row("Text4", "Диаметр капли", QAccessible::EditableText);
    row("Text5", "Плотность капли", QAccessible::EditableText);
    row("Text6", "Плотность среды", QAccessible::EditableText);
    row("Text7", "Коэффициент динамической вязкости среды", QAccessible::EditableText);
    row("CmdOK", "ПУСК", QAccessible::PushButton);
    row("Command1", "НАПРЯЖЕНИЕ", QAccessible::PushButton);
    row("Command2", "СВЕТ", QAccessible::PushButton);
    row("Check1", "Выбор", QAccessible::CheckBox);
    row("Option1", "Движение", QAccessible::RadioButton);
    row("Option2", "Координата", QAccessible::RadioButton);
    row("Option3", "Проекция Vx", QAccessible::RadioButton);
    row("HScroll1", "Замедление времени", QAccessible::ScrollBar);
    row("Label15", "Характеристики", QAccessible::StaticText);
    row("Label21", "Скорости", QAccessible::StaticText);
    row("Label9", "ρ=", QAccessible::StaticText);
    row("Picture1", "Расстояние между пластинами, разбитое на 10 частей", QAccessible::Client);
    row("Picture3", "Скорость в относительных единицах", QAccessible::Client);
}

void tst_accessibility::names()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    WindowFixture w;
    w.show();
    QWidget* widget = w.form->findChild<QWidget*>(control);
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
    QCOMPARE(accessibleName(w.find("Label22")), QStringLiteral("tau = 8,557E-05 c"));
    QCOMPARE(accessibleName(w.find("Label16")), QStringLiteral("5"));
    w.fakes.random.values = {0.25f, 0.65f}; // the same charges again
    w.find<QLineEdit>("Text7")->setText(QStringLiteral("3.64e-5"));
    QCOMPARE(accessibleName(w.find("Label22")), QStringLiteral("tau = 4,279E-05 c"));
    // The charges while they are shown.
    w.fakes.timer.during[1] = [&] {
        QCOMPARE(accessibleName(w.find("Label17")), QStringLiteral("q2= 3,0e"));
    };
    w.form->procedures().Label15_Click();
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
