// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LiveRegion.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

/// The region speaks as an alert with its announcement as its name.
class LiveRegionAccessible : public QAccessibleWidget {
public:
    explicit LiveRegionAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::AlertMessage) {}
};

QAccessibleInterface* liveRegionFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("LiveRegion") && object && object->isWidgetType())
        return new LiveRegionAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

LiveRegion::LiveRegion(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(liveRegionFactory);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("announcements"));
    // One transparent pixel in the window's margin: seen by no one, but on
    // screen for the accessibility tree.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    setAccessibleName(tr("Сообщения программы"));
}

void LiveRegion::announce(const QString& text)
{
    m_last = text;
    setAccessibleName(text); // sends the name change
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
