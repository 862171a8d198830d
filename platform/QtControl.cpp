// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtControl.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

QtControl::QtControl(QWidget* widget) : m_widget(widget)
{
    const QRect r = widget->geometry();
    m_geometry = {static_cast<float>(r.x()), static_cast<float>(r.y()), static_cast<float>(r.width()),
                  static_cast<float>(r.height())};
}

QString QtControl::text() const
{
    if (auto* label = qobject_cast<QLabel*>(m_widget))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(m_widget))
        return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(m_widget))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(m_widget))
        return group->title();
    return {};
}

void QtControl::setText(const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(m_widget)) {
        label->setText(text);
        fitText(m_widget);
    } else if (auto* edit = qobject_cast<QLineEdit*>(m_widget)) {
        edit->setText(text); // reports textChanged only when the text differs
    } else if (auto* button = qobject_cast<QAbstractButton*>(m_widget)) {
        button->setText(text);
        fitText(m_widget);
    } else if (auto* group = qobject_cast<QGroupBox*>(m_widget)) {
        group->setTitle(text);
    }
}

int QtControl::value() const
{
    if (auto* button = qobject_cast<QAbstractButton*>(m_widget))
        return button->isChecked() ? 1 : 0;
    if (auto* slider = qobject_cast<QAbstractSlider*>(m_widget))
        return slider->value();
    return 0;
}

void QtControl::setValue(int value)
{
    // A radio button reports toggled(true) only when it was not selected, and
    // its exclusive group clears the others.
    if (auto* button = qobject_cast<QAbstractButton*>(m_widget))
        button->setChecked(value != 0);
    else if (auto* slider = qobject_cast<QAbstractSlider*>(m_widget))
        slider->setValue(value);
}

bool QtControl::isVisible() const
{
    return !m_widget->isHidden();
}

void QtControl::setVisible(bool visible)
{
    m_widget->setVisible(visible);
}

bool QtControl::isEnabled() const
{
    return !m_widget->testAttribute(Qt::WA_ForceDisabled);
}

void QtControl::setEnabled(bool enabled)
{
    m_widget->setEnabled(enabled);
}

QRect QtControl::pixelRect(const ControlGeometry& g)
{
    const auto left = std::lround(g.left);
    const auto top = std::lround(g.top);
    const auto right = std::lround(static_cast<double>(g.left) + static_cast<double>(g.width));
    const auto bottom = std::lround(static_cast<double>(g.top) + static_cast<double>(g.height));
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(std::max(0L, right - left)),
                 static_cast<int>(std::max(0L, bottom - top)));
}

void QtControl::setGeometry(const ControlGeometry& geometry)
{
    m_geometry = geometry;
    m_widget->setGeometry(pixelRect(geometry));
    fitText(m_widget);
}

void QtControl::fitText(QWidget* widget)
{
    // A text a pixel or two wider than its room (a minus sign, a longer unit,
    // a longer word of a translation) has its letters set closer, by at most
    // MaxSqueeze px each, rather than losing its last letters; the font stays
    // what it is. The room: a label's contents, a check box's or a radio
    // button's beside its indicator.
    constexpr qreal MaxSqueeze = 0.5;
    QString text;
    qreal room = 0;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        text = label->text();
        room = label->contentsRect().width() - 2 * label->margin();
    } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
        const auto* button = static_cast<QAbstractButton*>(widget);
        QStyleOptionButton option;
        option.initFrom(button);
        const QStyle::SubElement contents =
            qobject_cast<QCheckBox*>(widget) ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents;
        text = button->text();
        room = button->style()->subElementRect(contents, &option, button).width();
    }
    if (text.size() < 2)
        return;
    QFont font = widget->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const qreal over = QFontMetricsF(font).horizontalAdvance(text) - room;
    if (over > 0) {
        // Tenths of a pixel, rounded up, so that the text then fits.
        const qreal squeeze = std::ceil(10 * over / static_cast<qreal>(text.size() - 1)) / 10;
        font.setLetterSpacing(QFont::AbsoluteSpacing, -std::min(squeeze, MaxSqueeze));
    }
    if (font.letterSpacing() != widget->font().letterSpacing())
        widget->setFont(font);
}
