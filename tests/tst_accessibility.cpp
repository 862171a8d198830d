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
    row("plateGapEdit", "Расстояние между пластинами", QAccessible::EditableText);
    row("voltageEdit", "Напряжение между пластинами", QAccessible::EditableText);
    row("diameterEdit", "Диаметр капли", QAccessible::EditableText);
    row("dropletDensityEdit", "Плотность капли", QAccessible::EditableText);
    row("mediumDensityEdit", "Плотность среды", QAccessible::EditableText);
    row("viscosityEdit", "Коэффициент динамической вязкости среды", QAccessible::EditableText);
    row("startButton", "ПУСК", QAccessible::PushButton);
    row("voltageButton", "НАПРЯЖЕНИЕ", QAccessible::PushButton);
    row("lightButton", "СВЕТ", QAccessible::PushButton);
    row("randomChargesCheckBox", "Выбор", QAccessible::CheckBox);
    row("animationOption", "Движение", QAccessible::RadioButton);
    row("coordinateOption", "Координата", QAccessible::RadioButton);
    row("velocityOption", "Проекция Vx", QAccessible::RadioButton);
    row("slowDownScrollBar", "Замедление времени", QAccessible::ScrollBar);
    row("characteristicsHeading", "Характеристики", QAccessible::StaticText);
    row("velocitiesHeading", "Скорости", QAccessible::StaticText);
    row("dropletDensityCaption", "ρ=", QAccessible::StaticText);
    row("animationView", "Расстояние между пластинами, разбитое на 10 частей", QAccessible::Client);
    row("velocityPlot", "Скорость в относительных единицах", QAccessible::Client);
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
    QCOMPARE(accessibleName(w.find("relaxationTimeReadout")), QStringLiteral("tau = 8,557E-05 c"));
    QCOMPARE(accessibleName(w.find("slowDownReadout")), QStringLiteral("5"));
    w.fakes.random.values = {0.25f, 0.65f}; // the same charges again
    w.find<QLineEdit>("viscosityEdit")->setText(QStringLiteral("3.64e-5"));
    QCOMPARE(accessibleName(w.find("relaxationTimeReadout")), QStringLiteral("tau = 4,279E-05 c"));
    // The charges while they are shown.
    w.fakes.timer.during[1] = [&] {
        QCOMPARE(accessibleName(w.find("charge2Readout")), QStringLiteral("q2= 3,0e"));
    };
    w.form->procedures().onCharacteristicsClicked();
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
